// The parallel run's planning: blocks of every pass come back in order and
// whole, cuts and cleared queues drop what is not wanted, and the workers
// never read further ahead than the bound on bytes in flight allows.
#include <gtest/gtest.h>

#include <QCoreApplication>

#include <atomic>
#include <chrono>
#include <fstream>
#include <thread>

#include "PassScheduler.h"
#include "RandomBytes.h"
#include "TempDir.h"
#include "TestWatchdog.h"

namespace fs = std::filesystem;

namespace {

constexpr int64_t K = 131072;

// Bytes this process has read so far (every thread), as the kernel counts them.
uint64_t bytesRead()
{
    std::ifstream io("/proc/self/io");
    std::string key;
    uint64_t value = 0;
    while (io >> key >> value)
        if (key == "rchar:")
            return value;
    return 0;
}

ZipFile entry(const fs::path& path, int64_t size, int method = 8, bool needCrc = false)
{
    ZipFile file;
    file.SourceFile = path;
    file.AsFile = path.filename().string();
    file.ZMethod = method;
    file.ByteCount = size;
    file.NeedCRC = needCrc;
    return file;
}

class PassSchedulerTest : public ::testing::Test {
protected:
    PassSchedulerTest() { TestWatchdog::Limit(TestWatchdog::kThreaded); }

    // Waits (the wake-up counting) until jobs first..last of the pass are done.
    bool waitReady(PassScheduler& scheduler, int64_t first, int64_t last)
    {
        const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(20);
        while (!scheduler.Ready(first, last)) {
            const int before = wakes.load();
            while (wakes.load() == before) {
                if (std::chrono::steady_clock::now() > until)
                    return false;
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
            }
        }
        return true;
    }

    // Takes every block of the pass under way; the bytes of its pieces.
    int64_t takeAll(PassScheduler& scheduler)
    {
        int64_t bytes = 0;
        const PassPlan* plan = scheduler.Current();
        for (int64_t job = 0; job < plan->jobs; ++job) {
            EXPECT_TRUE(waitReady(scheduler, job, job)) << job;
            std::optional<CompressedBlock> block = scheduler.Take(job);
            EXPECT_TRUE(block.has_value()) << job;
            if (!block)
                break;
            EXPECT_EQ(block->status, CompressedBlock::Status::Ok);
            for (const CompressedBlock::Piece& piece : block->pieces)
                bytes += int64_t(piece.length);
            scheduler.Recycle(std::move(block->data));
        }
        return bytes;
    }

    TempDir dir;
    std::atomic<int> wakes{0};
    std::function<void()> wake = [this] { wakes.fetch_add(1); };
};

}  // namespace

TEST_F(PassSchedulerTest, EveryPassComesBackWholeAndInOrder)
{
    std::deque<ZipFile> queue;
    queue.push_back(entry(dir.write("a.bin", randomBytes(5 * 1024 * 1024 + 5, 1)), 5 * 1024 * 1024 + 5));
    queue.push_back(entry(dir.write("whole.bin", randomBytes(3 * 1024 * 1024, 5)), 3 * 1024 * 1024));
    queue.push_back(entry(dir.write("empty.bin", ""), 0));
    queue.push_back(entry(dir.write("secret.bin", randomBytes(300000, 2)), 300000, 0, true));
    PassScheduler scheduler(queue, 2, K, wake);
    const struct {
        CompressionJob::Kind kind;
        int64_t bytes;
        bool leavesQueue;
    } passes[] = {{CompressionJob::Kind::DeflateByJob, 5 * 1024 * 1024 + 5, true},
                  {CompressionJob::Kind::DeflateWhole, 3 * 1024 * 1024, true},
                  {CompressionJob::Kind::Deflate, 0, true},
                  {CompressionJob::Kind::Crc, 300000, false},
                  {CompressionJob::Kind::Store, 300000, true}};
    for (const auto& pass : passes) {
        ASSERT_NE(scheduler.Upcoming(), nullptr);
        EXPECT_EQ(scheduler.Upcoming()->kind, pass.kind);
        scheduler.BeginNext(pass.leavesQueue);
        if (pass.leavesQueue)
            queue.pop_front();
        EXPECT_EQ(takeAll(scheduler), pass.bytes);
        scheduler.EndCurrent();
    }
    EXPECT_EQ(scheduler.Upcoming(), nullptr);
}

// A pass cut short (a cancel) and a queue cleared under way: no job of what
// was dropped is handed back, and nothing more is planned.
TEST_F(PassSchedulerTest, CutsAndClearedQueuesDropTheirJobs)
{
    std::deque<ZipFile> queue;
    queue.push_back(entry(dir.write("a.bin", randomBytes(4 * 1024 * 1024, 3)), 4 * 1024 * 1024));
    queue.push_back(entry(dir.write("b.bin", randomBytes(1000, 4)), 1000));
    PassScheduler scheduler(queue, 2, K, wake);
    scheduler.Upcoming();
    scheduler.BeginNext(true);
    queue.pop_front();
    ASSERT_TRUE(waitReady(scheduler, 0, 0));
    ASSERT_TRUE(scheduler.Take(0).has_value());
    scheduler.StopCurrentAt(1);
    EXPECT_EQ(scheduler.Current()->jobs, 1);
    EXPECT_FALSE(scheduler.Take(1).has_value());
    queue.clear();
    scheduler.DropQueued();
    scheduler.EndCurrent();
    EXPECT_EQ(scheduler.Upcoming(), nullptr);
}

// The workers read ahead of the window's thread only as far as the bound on
// bytes in flight (16 MiB with two workers), not as far as the bound on jobs
// would let them: what they read of a large file while nothing is taken is
// counted by the kernel.
TEST_F(PassSchedulerTest, WorkersReadAheadNoFurtherThanTheByteBound)
{
    constexpr int64_t kMiB = 1024 * 1024;
    constexpr int64_t kSize = 64 * kMiB;
    const fs::path big = dir / "big.bin";
    {
        std::ofstream out(big, std::ios::binary);
        const std::string block = randomBytes(size_t(kMiB), 5);
        for (int i = 0; i < kSize / kMiB; ++i)
            out << block;
    }
    std::deque<ZipFile> queue{entry(big, kSize, 0)};
    const uint64_t before = bytesRead();
    PassScheduler scheduler(queue, 2, K, wake);
    scheduler.Upcoming();
    scheduler.BeginNext(true);
    ASSERT_TRUE(waitReady(scheduler, 0, 0));
    // Until the workers have stopped reading (reading the count itself adds
    // a few hundred bytes each time).
    uint64_t read = 0;
    for (uint64_t last = 0; read == 0 || read - last > 65536;) {
        last = read;
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        read = bytesRead() - before;
    }
    EXPECT_GE(read, uint64_t(15 * kMiB));
    EXPECT_LE(read, uint64_t(16 * kMiB + kMiB / 2)) << read / double(kMiB) << " MiB read ahead";
}
