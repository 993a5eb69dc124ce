#include "ThreadStart.h"

#include <pthread.h>

#include <cerrno>
#include <mutex>
#include <new>

std::atomic<int> ThreadStart::planted_{0};

namespace {

thread_local std::stop_token t_stop;

std::mutex g_bodiesMutex;
std::string g_failingName;  // guarded by g_bodiesMutex
int g_failingBodies = 0;    // guarded by g_bodiesMutex

}  // namespace

void ThreadStart::FailNext(int count)
{
    planted_.store(count);
}

void ThreadStart::FailBodiesOf(const std::string& name, int count)
{
    std::lock_guard lock(g_bodiesMutex);
    g_failingName = name;
    g_failingBodies = count;
}

void ThreadStart::throwIfPlanted()
{
    int left = planted_.load();
    while (left > 0 && !planted_.compare_exchange_weak(left, left - 1)) {
    }
    if (left > 0)
        throw std::system_error(EAGAIN, std::system_category(), "thread start");
}

void ThreadStart::Begin(const char* name, std::stop_token stop)
{
    // Named so that a process listing (top -H) and the tests can tell it apart.
    pthread_setname_np(pthread_self(), name);
    t_stop = std::move(stop);
    std::lock_guard lock(g_bodiesMutex);
    if (g_failingBodies > 0 && g_failingName == name) {
        --g_failingBodies;
        throw std::bad_alloc();
    }
}

void ThreadStart::Name(std::thread::native_handle_type thread, const char* name)
{
    pthread_setname_np(thread, name);
}

std::stop_token ThreadStart::CurrentStop()
{
    return t_stop;
}

std::error_code ThreadStart::ReasonOf(std::exception_ptr thrown)
{
    try {
        std::rethrow_exception(thrown);
    } catch (const std::bad_alloc&) {
        return std::make_error_code(std::errc::not_enough_memory);
    } catch (const std::system_error& error) {
        return error.code();
    } catch (...) {
    }
    return std::make_error_code(std::errc::state_not_recoverable);
}
