// A run that ends (a handler's StopRun, a stop while its archive is being
// finished) leaves nothing that reaches the next run: no step of it goes on,
// and no wake-up of its threads ends the next run early.
#include <gtest/gtest.h>

#include <QCoreApplication>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

#include "TestWatchdog.h"
#include "ThreadStart.h"
#include "ZipperRecorder.h"

namespace fs = std::filesystem;

namespace {

struct HandlerCase {
    const char* event;
    void (Zipper::*signal)();
};

class ZipperRunLifetime : public ::testing::TestWithParam<std::tuple<HandlerCase, int>> {};

// A handler ends the run and starts the next one at once: the step it
// interrupted writes nothing more, and the next run is whole.
TEST_P(ZipperRunLifetime, HandlerThatStartsTheNextRunGetsAWholeOne)
{
    TestWatchdog::Limit(TestWatchdog::kThreaded);
    ZipperRecorder r(std::get<1>(GetParam()));
    r.zipper.AddFile(r.file("a.bin", 300000));
    const fs::path b = r.file("b.bin", 10);
    bool restarted = false;
    int completed = 0;
    QObject::connect(&r.zipper, std::get<0>(GetParam()).signal, [&] {
        if (std::exchange(restarted, true))
            return;
        r.zipper.StopRun();
        r.zipper.AddFile(b);
        ASSERT_FALSE(r.zipper.Zip(r.dir / "second.zip"));
    });
    QObject::connect(&r.zipper, &Zipper::Complete, [&](bool canceled) { completed += canceled ? 100 : 1; });
    ASSERT_FALSE(r.zipper.Zip(r.dir / "first.zip"));
    r.runToEnd();
    EXPECT_TRUE(restarted);
    EXPECT_EQ(completed, 1);
    EXPECT_EQ(r.script->entries["b.bin"], patternBytes(10));
    EXPECT_FALSE(fs::exists(r.dir / "first.zip"));
    EXPECT_TRUE(fs::exists(r.dir / "second.zip"));
}

INSTANTIATE_TEST_SUITE_P(
    Events, ZipperRunLifetime,
    ::testing::Combine(::testing::Values(HandlerCase{"StartFile", &Zipper::StartFile},
                                         HandlerCase{"Progress", &Zipper::Progress},
                                         HandlerCase{"EndFile", &Zipper::EndFile}),
                       ::testing::ValuesIn(kEngines)),
    [](const auto& info) {
        return std::string(std::get<0>(info.param).event) + "_" + engineName(std::get<1>(info.param));
    });

// Waits on the calling thread until it is asked to stop.
void WaitUntilAskedToStop()
{
    std::mutex mutex;
    std::condition_variable_any never;
    std::unique_lock lock(mutex);
    never.wait(lock, ThreadStart::CurrentStop(), [] { return false; });
}

// StopRun while the archive is being closed (it never takes its name) and
// once it has its name but before its end has reached the window (it is
// written): either way the next run goes through all its steps.
TEST(ZipperRunLifetimeStop, StopWhileTheArchiveIsFinishedLeavesTheNextRunWhole)
{
    TestWatchdog::Limit(TestWatchdog::kThreaded);
    for (const bool holdClose : {true, false}) {
        SCOPED_TRACE(holdClose ? "closing" : "named");
        ZipperRecorder r(3);
        std::atomic<bool> hold{holdClose};
        std::atomic<bool> closing{false};
        r.script->duringCloseZip = [&] {
            closing = true;
            if (hold.exchange(false))
                WaitUntilAskedToStop();
        };
        r.zipper.AddFile(r.file("a.bin", 10));
        ASSERT_FALSE(r.zipper.Zip(r.dir / "out.zip"));
        r.step();
        // The end of the run, without the event loop: its wake-up stays unread.
        r.zipper.tmrNext_Timer();
        ASSERT_TRUE(r.zipper.Publishing());
        while (!(holdClose ? closing.load() : fs::exists(r.dir / "out.zip")))
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        EXPECT_EQ(r.zipper.StopRun(), holdClose ? Zipper::Stopped::NotWritten : Zipper::Stopped::Written);
        EXPECT_EQ(fs::exists(r.dir / "out.zip"), !holdClose);

        r.zipper.AddFile(r.file("b.bin", 20));
        ASSERT_FALSE(r.zipper.Zip(r.dir / "next.zip"));
        QCoreApplication::processEvents();
        EXPECT_TRUE(r.zipper.Zipping());
        const std::vector<std::string> steps = r.runToEnd();
        ASSERT_EQ(steps.size(), 2u);
        EXPECT_EQ(steps.back(), "CloseZip Complete(false)");
        EXPECT_EQ(r.script->entries["b.bin"], patternBytes(20));
    }
}

}  // namespace
