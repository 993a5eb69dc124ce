#include "TestWatchdog.h"

#include <gtest/gtest.h>

#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <string>
#include <thread>

namespace {

using Clock = std::chrono::steady_clock;

// Long tests (suites named *Long) take minutes by design.
constexpr std::chrono::seconds kDefault{180};
constexpr std::chrono::seconds kLong{1200};

// Never destroyed: the watching thread still waits on them while the
// program exits.
struct State {
    std::mutex mutex;
    std::condition_variable changed;
    std::string test;  // empty: no test under way
    Clock::time_point deadline;
};
State& gState = *new State;
std::mutex& gMutex = gState.mutex;
std::condition_variable& gChanged = gState.changed;
std::string& gTest = gState.test;
Clock::time_point& gDeadline = gState.deadline;

int factor()
{
    if (const char* value = std::getenv("VOLARIN_WATCHDOG_FACTOR"); value && std::atoi(value) > 0)
        return std::atoi(value);
#if defined(__SANITIZE_THREAD__) || defined(__SANITIZE_ADDRESS__)
    return 8;  // everything runs several times slower under the checker
#else
    return 1;
#endif
}

void arm(const std::string& test, std::chrono::seconds limit)
{
    {
        std::lock_guard lock(gMutex);
        gTest = test;
        gDeadline = Clock::now() + limit * factor();
    }
    gChanged.notify_all();
}

[[noreturn]] void bite(const std::string& test)
{
    std::fprintf(stderr, "\n[ WATCHDOG ] %s did not end in time: a thread that is never woken or joined?\n",
                 test.c_str());
    std::fflush(stderr);
    std::_Exit(1);
}

void watch()
{
    std::unique_lock lock(gMutex);
    for (;;) {
        if (gTest.empty()) {
            gChanged.wait(lock);
            continue;
        }
        const Clock::time_point deadline = gDeadline;
        if (gChanged.wait_until(lock, deadline) == std::cv_status::timeout && !gTest.empty() &&
            gDeadline == deadline)
            bite(gTest);
    }
}

// Suites whose tests start threads (workers, staging, child processes).
bool threaded(const std::string& suite)
{
    for (const char* part : {"Parallel", "ZipRunService", "PassScheduler", "OrderedResults", "ZipperSteps",
                             "ZipperStepRules", "ZipperWriterFailure", "ZipperBadSource", "ZipperSystemFaults",
                             "StagingJob", "Termination"})
        if (suite.find(part) != std::string::npos)
            return true;
    return false;
}

class Listener : public ::testing::EmptyTestEventListener {
    void OnTestStart(const ::testing::TestInfo& info) override
    {
        const std::string suite = info.test_suite_name();
        const std::chrono::seconds limit = suite.find("Long") != std::string::npos ? kLong
                                           : threaded(suite)                         ? TestWatchdog::kThreaded
                                                                                     : kDefault;
        arm(suite + "." + info.name(), limit);
    }
    void OnTestEnd(const ::testing::TestInfo&) override
    {
        {
            std::lock_guard lock(gMutex);
            gTest.clear();
        }
        gChanged.notify_all();
    }
};

}  // namespace

namespace TestWatchdog {

void Install()
{
    ::testing::UnitTest::GetInstance()->listeners().Append(new Listener);
    std::thread(watch).detach();
}

void Limit(std::chrono::seconds limit)
{
    const ::testing::TestInfo* info = ::testing::UnitTest::GetInstance()->current_test_info();
    if (info != nullptr)
        arm(std::string(info->test_suite_name()) + "." + info->name(), limit);
}

}  // namespace TestWatchdog
