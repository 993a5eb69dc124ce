// Every thread of the program starts through ThreadStart: named, and whatever
// escapes its body comes to the thread's own failure handler with its reason
// (the program goes on), never to std::terminate.
#include "ThreadStart.h"

#include <gtest/gtest.h>

#include <pthread.h>

#include <functional>
#include <new>
#include <stdexcept>
#include <string>

namespace {

std::string currentThreadName()
{
    char name[16] = {};
    pthread_getname_np(pthread_self(), name, sizeof name);
    return name;
}

struct Ran {
    std::string name;
    bool bodyEnded = false;
    std::error_code escaped;
};

template <class Thread>
Ran RunOn(const char* name, const std::function<void()>& body)
{
    Ran ran;
    Thread thread = ThreadStart::Launch<Thread>(
        name,
        [&] {
            ran.name = currentThreadName();
            body();
            ran.bodyEnded = true;
        },
        [&](std::error_code reason) { ran.escaped = reason; });
    thread.join();
    return ran;
}

}  // namespace

TEST(ThreadStart, WhatEscapesABodyIsItsThreadsFailure)
{
    const struct {
        const char* what;
        std::function<void()> body;
        std::error_code reason;  // empty: the body ends normally
    } cases[] = {
        {"nothing", [] {}, {}},
        {"bad_alloc", [] { throw std::bad_alloc(); }, std::make_error_code(std::errc::not_enough_memory)},
        {"system_error", [] { throw std::system_error(EMFILE, std::system_category()); },
         std::error_code(EMFILE, std::system_category())},
        {"logic_error", [] { throw std::logic_error("odd"); }, std::make_error_code(std::errc::state_not_recoverable)},
        {"int", [] { throw 7; }, std::make_error_code(std::errc::state_not_recoverable)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        for (const Ran& ran : {RunOn<std::thread>("vz-test-plain", c.body), RunOn<std::jthread>("vz-test-j", c.body)}) {
            EXPECT_TRUE(ran.name == "vz-test-plain" || ran.name == "vz-test-j") << ran.name;
            EXPECT_EQ(ran.bodyEnded, !c.reason);
            EXPECT_EQ(ran.escaped, c.reason);
        }
    }
}
