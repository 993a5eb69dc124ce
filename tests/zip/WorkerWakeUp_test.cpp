// The channel by which a run's threads wake the window's thread.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDeadlineTimer>

#include <memory>
#include <thread>

#include "WorkerWakeUp.h"

namespace {

// Runs the event loop until `done` or 10 s.
template <typename Done>
bool spinUntil(Done done)
{
    QDeadlineTimer deadline(10000);
    while (!done() && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 20);
    return done();
}

// Notifications from other threads before the loop turns come as one call.
TEST(WorkerWakeUp, NotificationsSinceTheLastCallComeAsOne)
{
    int calls = 0;
    WorkerWakeUp wakeUp([&] { ++calls; });
    ASSERT_FALSE(wakeUp.Error());
    std::thread([&] {
        for (int i = 0; i < 3; ++i)
            wakeUp.Notify();
    }).join();
    ASSERT_TRUE(spinUntil([&] { return calls > 0; }));
    QCoreApplication::processEvents();
    EXPECT_EQ(calls, 1);
}

// A run that ends in its wake-up lets its channel go from within the handler.
TEST(WorkerWakeUp, HandlerMayDestroyTheChannel)
{
    int calls = 0;
    std::unique_ptr<WorkerWakeUp> wakeUp;
    wakeUp = std::make_unique<WorkerWakeUp>([&] {
        ++calls;
        wakeUp.reset();
    });
    wakeUp->Notify();
    ASSERT_TRUE(spinUntil([&] { return wakeUp == nullptr; }));
    QCoreApplication::processEvents();
    EXPECT_EQ(calls, 1);
}

}  // namespace
