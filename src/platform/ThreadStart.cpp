#include "ThreadStart.h"

#include <cerrno>
#include <system_error>

std::atomic<int> ThreadStart::planted_{0};

void ThreadStart::FailNext(int count)
{
    planted_.store(count);
}

void ThreadStart::throwIfPlanted()
{
    int left = planted_.load();
    while (left > 0 && !planted_.compare_exchange_weak(left, left - 1)) {
    }
    if (left > 0)
        throw std::system_error(EAGAIN, std::system_category(), "thread start");
}
