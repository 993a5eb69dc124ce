#pragma once
// Lets worker threads wake the window's thread: Notify() (from any thread)
// makes the event loop call the handler given at construction, once for any
// number of notifications since the last call. An eventfd watched by a
// QSocketNotifier: no Qt object is touched from a worker, and nothing spins
// while there is nothing to do. Making the eventfd can fail (the open-file
// limit): then Error() says why and nothing would ever be woken, so the
// owner must not start what needs waking. The handler may destroy this
// object.
#include <QObject>

#include <functional>
#include <memory>
#include <system_error>

class QSocketNotifier;

class WorkerWakeUp : public QObject {
public:
    // The handler runs on the thread that creates this object.
    explicit WorkerWakeUp(std::function<void()> handler, QObject* parent = nullptr);
    ~WorkerWakeUp() override;
    WorkerWakeUp(const WorkerWakeUp&) = delete;
    WorkerWakeUp& operator=(const WorkerWakeUp&) = delete;

    // The system's reason the channel could not be made; empty when it works.
    std::error_code Error() const { return error_; }
    // Thread-safe; never blocks.
    void Notify();

private:
    void drain();

    int fd_ = -1;
    std::unique_ptr<QSocketNotifier> notifier_;
    std::function<void()> handler_;
    std::error_code error_;
};
