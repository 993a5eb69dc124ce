// What the system can refuse a run: its wake-up channel and its threads (a
// run falls back to fewer threads, never hangs or ends the program), and
// open files (the run fails with the system's own reason).
#include <gtest/gtest.h>

#include <QEventLoop>
#include <QTimer>

#include <cerrno>
#include <filesystem>

#include "CompressionWorkerPool.h"
#include "IndependentReaders.h"
#include "OpenFileLimit.h"
#include "ParallelRun.h"
#include "TempDir.h"
#include "TestWatchdog.h"
#include "ThreadNames.h"
#include "ThreadStart.h"
#include "ArchiveProof.h"
#include "Zip64EndRecords.h"
#include "ZipWriter.h"
#include "ZipWriterTestHelpers.h"

namespace fs = std::filesystem;

namespace {

struct RunSeen {
    bool completed = false;
    size_t workersSeen = 0;  // most compression threads alive at a Progress
    size_t proofSeen = 0;    // most proof threads alive at a Progress
};

// Runs the zipper's own timer until Complete or Error.
RunSeen runToEnd(Zipper& zipper)
{
    RunSeen run;
    QEventLoop loop;
    QObject::connect(&zipper, &Zipper::Progress, &loop, [&] {
        run.workersSeen = std::max(run.workersSeen, threadsNamed(CompressionWorkerPool::kWorkerThreadName));
        run.proofSeen = std::max(run.proofSeen, threadsNamed(ArchiveProof::kThreadName));
    });
    QObject::connect(&zipper, &Zipper::Complete, &loop, [&] {
        run.completed = true;
        loop.quit();
    });
    QObject::connect(&zipper, &Zipper::Error, &loop, &QEventLoop::quit);
    QTimer::singleShot(60000, &loop, &QEventLoop::quit);
    loop.exec();
    return run;
}

struct Sources {
    explicit Sources(const TempDir& dir)
    {
        for (int i = 0; i < 3; ++i) {
            const std::string name = "f" + std::to_string(i) + ".txt";
            const std::string bytes = textLike(size_t(900000 + i * 1000), unsigned(i));
            paths.push_back(dir.write("src/" + name, bytes));
            expected.push_back({name, bytes});
        }
    }
    void queueIn(Zipper& zipper) const
    {
        for (const fs::path& path : paths)
            ASSERT_FALSE(zipper.AddFile(path));
    }
    std::vector<fs::path> paths;
    ExpectedEntries expected;
};

Zipper::WriterFactory realWriter()
{
    return [] { return std::unique_ptr<ZipWriterInterface>(new ZipWriter); };
}

class ZipperSystemFaults : public ::testing::Test {
protected:
    ZipperSystemFaults() { TestWatchdog::Limit(TestWatchdog::kThreaded); }
    ~ZipperSystemFaults() override { ThreadStart::FailNext(0); }
    TempDir dir;
    Sources sources{dir};
};

}  // namespace

// The channel by which workers wake the window's thread cannot be made when
// the open-file limit is reached as the run starts: the run goes on without
// workers instead of waiting for ever, and the next run has them again.
TEST_F(ZipperSystemFaults, NoWakeUpChannelRunsOnTheWindowsThread)
{
    Zipper zipper(4, realWriter());
    sources.queueIn(zipper);
    {
        // The temporary archive and the writer's file take two descriptors.
        OpenFileLimit limit(2);
        ASSERT_TRUE(limit.Lowered());
        ASSERT_FALSE(zipper.Zip(dir / "a.zip")) << zipper.Failed() << " " << zipper.SystemError().message();
    }
    const RunSeen first = runToEnd(zipper);
    ASSERT_TRUE(first.completed) << zipper.Failed();
    EXPECT_EQ(first.workersSeen, 0u);

    sources.queueIn(zipper);
    ASSERT_FALSE(zipper.Zip(dir / "b.zip"));
    const RunSeen second = runToEnd(zipper);
    ASSERT_TRUE(second.completed) << zipper.Failed();
    EXPECT_GT(second.workersSeen, 0u);
    expectReadersAgree(dir / "a.zip", sources.expected);
    expectReadersAgree(dir / "b.zip", sources.expected);
}

// The system refuses some or all of the compression threads: the run goes on
// with those it got, or on the window's thread alone. Refused its proof's
// thread too, the archive is proven whole once it is closed.
TEST_F(ZipperSystemFaults, RefusedThreadsLeaveFewerWorkers)
{
    const struct {
        int refused;
        size_t workers;
        size_t proofs;
    } cases[] = {{4, 0, 0}, {1, 3, 1}};  // the pool stops at the first refusal: the proof meets the next
    for (const auto& c : cases) {
        SCOPED_TRACE(c.refused);
        Zipper zipper(4, realWriter());
        sources.queueIn(zipper);
        ThreadStart::FailNext(c.refused);
        const fs::path archive = dir / ("refused" + std::to_string(c.refused) + ".zip");
        ASSERT_FALSE(zipper.Zip(archive));
        ThreadStart::FailNext(0);
        const RunSeen run = runToEnd(zipper);
        ASSERT_TRUE(run.completed) << zipper.Failed();
        EXPECT_LE(run.workersSeen, c.workers);
        if (c.workers == 0) {
            EXPECT_EQ(run.workersSeen, 0u);
        }
        EXPECT_EQ(run.proofSeen, c.proofs);
        expectReadersAgree(archive, sources.expected);
    }
}

// At the open-file limit a source cannot be opened: the run fails on it with
// the system's reason, whichever engine reads it.
TEST_F(ZipperSystemFaults, OpenFileLimitFailsTheRunWithTheSystemsReason)
{
    for (int workers : {1, 4}) {
        SCOPED_TRACE(workers);
        Zipper zipper(workers, realWriter());
        sources.queueIn(zipper);
        ASSERT_FALSE(zipper.Zip(dir / "limited.zip"));
        RunSeen run;
        {
            OpenFileLimit limit(0);
            run = runToEnd(zipper);
        }
        EXPECT_FALSE(run.completed);
        EXPECT_EQ(zipper.FailedStep(), ZipFailure::ReadFile);
        EXPECT_EQ(zipper.SystemError(), std::errc::too_many_files_open) << zipper.SystemError().message();
        EXPECT_FALSE(fs::exists(dir / "limited.zip"));
    }
}

// The records for archives of many entries keep the reason of the call that
// failed, however many calls come after it.
TEST(Zip64EndRecordsFaults, KeepTheReasonWhereItArose)
{
    TempDir dir;
    fs::create_directories(dir / "folder");
    const fs::path file = dir.write("small.zip", std::string(100, 'x'));
    const struct {
        fs::path path;
        bool limited;
        Zip64EndRecords::Failure kind;
        std::errc code;
    } cases[] = {
        {dir / "missing.zip", false, Zip64EndRecords::Failure::NotOpened, std::errc::no_such_file_or_directory},
        {dir / "folder", false, Zip64EndRecords::Failure::NotOpened, std::errc::is_a_directory},
        {file, true, Zip64EndRecords::Failure::NotOpened, std::errc::too_many_files_open},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        std::optional<OpenFileLimit> limit;
        if (c.limited)
            limit.emplace(0);
        const auto added = Zip64EndRecords::AddIfNeeded(c.path);
        limit.reset();
        ASSERT_FALSE(added.ok());
        EXPECT_EQ(added.kind(), c.kind);
        EXPECT_EQ(added.code(), c.code);
    }
    EXPECT_TRUE(Zip64EndRecords::AddIfNeeded(file).ok()) << "no end record: nothing to add";

    // Through the writer: the archive vanished before it was finished.
    ZipWriter writer;
    ASSERT_FALSE(writer.OpenZip((dir / "gone.zip").string()));
    writeEntry(writer, "a.txt", "a");
    fs::remove(dir / "gone.zip");
    EXPECT_TRUE(writer.CloseZip());
    EXPECT_EQ(writer.SystemError(), std::errc::no_such_file_or_directory);
}
