#include "WorkerWakeUp.h"

#include <QSocketNotifier>

#include <sys/eventfd.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>

WorkerWakeUp::WorkerWakeUp(std::function<void()> handler, QObject* parent)
    : QObject(parent), handler_(std::move(handler))
{
    fd_ = ::eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC);
    if (fd_ < 0) {
        error_ = std::error_code(errno, std::system_category());
        return;
    }
    notifier_ = std::make_unique<QSocketNotifier>(fd_, QSocketNotifier::Read);
    connect(notifier_.get(), &QSocketNotifier::activated, this, &WorkerWakeUp::drain);
}

WorkerWakeUp::~WorkerWakeUp()
{
    notifier_.reset();
    if (fd_ >= 0)
        ::close(fd_);
}

void WorkerWakeUp::Notify()
{
    const uint64_t one = 1;
    // A full counter (never in practice) still has the reader woken.
    while (fd_ >= 0 && ::write(fd_, &one, sizeof one) < 0 && errno == EINTR) {
    }
}

void WorkerWakeUp::drain()
{
    uint64_t count = 0;
    while (::read(fd_, &count, sizeof count) < 0 && errno == EINTR) {
    }
    // The handler may destroy this object (the run it wakes ends in it):
    // nothing of it is touched once the handler runs.
    if (const std::function<void()> handler = handler_)
        handler();
}
