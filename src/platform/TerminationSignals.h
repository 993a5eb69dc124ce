#pragma once
// Turns SIGTERM, SIGINT and SIGHUP (a logout or shutdown, Ctrl+C, a closed
// terminal) into a Qt signal that the event loop delivers, so the program can
// end the way it does when its window is closed instead of dying with links
// to the user's files left behind. The handler only writes the signal's
// number into a pipe (nothing else is safe inside a signal handler); a socket
// notifier reads it on the thread that created this object.
//
// One object at a time; it puts the earlier handlers back when destroyed.
#include <QObject>

#include <signal.h>

class QSocketNotifier;

class TerminationSignals : public QObject {
    Q_OBJECT
public:
    explicit TerminationSignals(QObject* parent = nullptr);
    ~TerminationSignals() override;
    TerminationSignals(const TerminationSignals&) = delete;
    TerminationSignals& operator=(const TerminationSignals&) = delete;

    // False when the pipe could not be made (the signals then keep their
    // default action).
    bool Installed() const { return notifier_ != nullptr; }
    // The first of these signals that arrived; 0 while none has.
    int Received() const { return received_; }

    // Ends the process by `signal` with its default action, so whoever
    // started the program sees how it ended. Call once everything is cleaned up.
    [[noreturn]] static void EndBy(int signal);

signals:
    void Arrived(int signal);

private:
    void drain();

    QSocketNotifier* notifier_ = nullptr;
    int received_ = 0;
    bool told_ = false;
    struct sigaction previous_[3] {};
};
