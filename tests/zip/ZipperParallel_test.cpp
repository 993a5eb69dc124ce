// The run with compression workers: what the archive holds, what the events
// say (the same as on one core), and how cancels, failures and changing
// sources end it.
#include <gtest/gtest.h>

#include <QEventLoop>
#include <QTimer>

#include <algorithm>
#include <filesystem>

#include "ArchiveProof.h"
#include "ArchiveReader.h"
#include "IndependentReaders.h"
#include "ParallelRun.h"
#include "Process.h"
#include "TempDir.h"
#include "ThreadNames.h"
#include "ZipWriter.h"
#include "ZipperRecorder.h"

namespace fs = std::filesystem;

namespace {

constexpr size_t K = 131072;

Zipper::WriterFactory realWriter()
{
    return [] { return std::unique_ptr<ZipWriterInterface>(new ZipWriter); };
}

std::vector<std::string> namesIn(const fs::path& folder)
{
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(folder))
        names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

// Runs the zipper's own timer in an event loop until Complete or Error.
// `onProgress` may act in the middle of the run.
bool runLoop(Zipper& zipper, const std::function<void(int)>& onProgress = {}, bool* canceled = nullptr)
{
    bool completed = false;
    int progress = 0;
    QEventLoop loop;
    QObject::connect(&zipper, &Zipper::Progress, &loop, [&] {
        if (onProgress)
            onProgress(++progress);
    });
    QObject::connect(&zipper, &Zipper::Complete, &loop, [&](bool wasCanceled) {
        completed = true;
        if (canceled)
            *canceled = wasCanceled;
        loop.quit();
    });
    QObject::connect(&zipper, &Zipper::Error, &loop, &QEventLoop::quit);
    QTimer::singleShot(120000, &loop, &QEventLoop::quit);
    loop.exec();
    return completed;
}

// A fixed queue with every kind of entry and size that shapes the steps.
struct FixedQueue {
    explicit FixedQueue(const TempDir& dir)
    {
        add(dir, "empty.txt", "");
        add(dir, "one-chunk.bin", patternBytes(K, 1));
        add(dir, "three-chunks.txt", textLike(300000, 2));
        add(dir, "ten-chunks.txt", textLike(10 * K, 3));
        add(dir, "one-job.bin", patternBytes(8 * K, 4));
        add(dir, "large.txt", textLike(3000000, 5) + patternBytes(700001, 6));
        add(dir, "stored.bin", patternBytes(200000, 7), 0);
        add(dir, "secret.txt", textLike(1500000, 8), 8, "pw");
        for (int i = 0; i < 6; ++i)
            add(dir, "tiny" + std::to_string(i) + ".log", textLike(10 + i * 37, 9 + i));
        add(dir, "level9.txt", textLike(2 * K + 5, 20), 8, {}, 9);
    }
    void add(const TempDir& dir, const std::string& name, const std::string& bytes, int method = 8,
             const std::string& password = {}, int level = -1)
    {
        files.push_back({dir.write("src/" + name, bytes), method, password, level});
        expected.push_back({name, bytes});
    }
    void queueIn(Zipper& zipper) const
    {
        for (const Source& f : files)
            ASSERT_FALSE(zipper.AddFile(f.path, {}, f.method, f.level, 0, {}, false, f.password));
    }
    struct Source {
        fs::path path;
        int method;
        std::string password;
        int level;
    };
    std::vector<Source> files;
    ExpectedEntries expected;
};

TEST(ZipperParallel, EventsStepByStepAreTheSameWithOneAndFourWorkers)
{
    TempDir dir;
    FixedQueue queue(dir);
    std::vector<std::string> byWorkers[2];
    for (int i = 0; i < 2; ++i) {
        Zipper zipper(i == 0 ? 1 : 4, realWriter());
        StepLog log(zipper);
        queue.queueIn(zipper);
        ASSERT_FALSE(zipper.Zip(dir / ("out" + std::to_string(i) + ".zip")));
        byWorkers[i] = log.RunToEnd();
        ASSERT_FALSE(byWorkers[i].empty());
        EXPECT_EQ(byWorkers[i].back(), "Complete(false)");
    }
    EXPECT_EQ(byWorkers[0], byWorkers[1]);
    // Read back only now: ThreadSanitizer loses track of this process after
    // the readers are started (Qt starts them with a vfork-like clone).
    for (int i = 0; i < 2; ++i)
        expectReadersAgree(dir / ("out" + std::to_string(i) + ".zip"), queue.expected, "pw");
}

TEST(ZipperParallel, ManyTinyFilesAndEdgeSizesReadBack)
{
    TempDir dir;
    Zipper zipper(4, realWriter());
    ExpectedEntries expected;
    for (int i = 0; i < 300; ++i) {
        const std::string name = "f" + std::to_string(i) + ".log";
        const std::string bytes = i % 50 == 0 ? std::string() : textLike(size_t(i * 13 % 900), unsigned(i));
        ASSERT_FALSE(zipper.AddFile(dir.write("src/" + name, bytes)));
        expected.push_back({name, bytes});
    }
    ASSERT_FALSE(zipper.Zip(dir / "many.zip"));
    ASSERT_TRUE(runLoop(zipper)) << zipper.Failed();
    expectReadersAgree(dir / "many.zip", expected);
}

// Cancelled while the workers are far ahead in a large file: the entry is
// closed with what was written, the rest of the queue never comes, and the
// workers stop.
TEST(ZipperParallel, CancelInTheMiddleOfALargeFile)
{
    TempDir dir;
    const std::string large = textLike(24 << 20, 31);
    Zipper zipper(4, realWriter());
    ASSERT_FALSE(zipper.AddFile(dir.write("src/large.txt", large)));
    ASSERT_FALSE(zipper.AddFile(dir.write("src/after.txt", "after")));
    ASSERT_FALSE(zipper.Zip(dir / "out.zip"));
    bool canceled = false;
    ASSERT_TRUE(runLoop(zipper, [&](int progress) { if (progress == 15) zipper.Cancel(); }, &canceled));
    EXPECT_TRUE(canceled);
    const PyZipRead read = pythonReadZip(dir / "out.zip");
    ASSERT_TRUE(read.ok) << read.error;
    ASSERT_EQ(read.entries.size(), 1u);
    const std::string& written = read.entries.at("large.txt");
    EXPECT_GE(written.size(), 15 * K);
    EXPECT_LT(written.size(), large.size());
    EXPECT_EQ(written.size() % K, 0u);
    EXPECT_TRUE(written == large.substr(0, written.size()));
    EXPECT_TRUE(unzipTest(dir / "out.zip").ok);
    EXPECT_EQ(namesIn(dir.path()), (std::vector<std::string>{"out.zip", "src"}));
}

TEST(ZipperParallel, StopRunAndDestructionWithWorkersBusyLeaveNothing)
{
    TempDir dir;
    const fs::path large = dir.write("src/large.bin", patternBytes(16 << 20, 32));
    {
        Zipper zipper(4, realWriter());
        for (const char* archive : {"stopped.zip", "destroyed.zip"}) {
            zipper.AddFile(large);
            ASSERT_FALSE(zipper.Zip(dir / archive));
            QEventLoop loop;
            int progress = 0;
            QObject::connect(&zipper, &Zipper::Progress, &loop, [&] {
                if (++progress == 3)
                    loop.quit();
            });
            loop.exec();
            QObject::disconnect(&zipper, &Zipper::Progress, &loop, nullptr);
            EXPECT_EQ(threadsNamed(ArchiveProof::kThreadName), 1u);
            if (std::string(archive) == "stopped.zip") {
                zipper.StopRun();  // the second run ends with the zipper
                EXPECT_EQ(threadsNamed(ArchiveProof::kThreadName), 0u);
            }
            EXPECT_EQ(zipper.Zipping(), std::string(archive) != "stopped.zip");
        }
    }
    EXPECT_EQ(threadsNamed(ArchiveProof::kThreadName), 0u);
    EXPECT_EQ(namesIn(dir.path()), std::vector<std::string>{"src"});
}

// A source cut short while the workers read it fails the run: nothing is
// written short as if whole, and an older archive of the name stays.
TEST(ZipperParallel, SourceThatShrinksWhileReadFailsTheRun)
{
    TempDir dir;
    dir.write("out.zip", "OLD ARCHIVE");
    const fs::path source = dir.write("src/shrinks.bin", patternBytes(48 << 20, 33));
    Zipper zipper(4, realWriter());
    ASSERT_FALSE(zipper.AddFile(source));
    ASSERT_FALSE(zipper.Zip(dir / "out.zip"));
    // The workers are at most a few megabytes ahead of the first chunk.
    EXPECT_FALSE(runLoop(zipper, [&](int progress) { if (progress == 1) fs::resize_file(source, 32 << 20); }));
    EXPECT_EQ(zipper.FailedStep(), ZipFailure::ReadFile);
    EXPECT_EQ(zipper.Failed(), "ReadFile");
    EXPECT_FALSE(zipper.SystemError());  // the file ended early: no system error behind it
    EXPECT_FALSE(zipper.Zipping());
    EXPECT_EQ(readFileBytes(dir / "out.zip"), "OLD ARCHIVE");
    EXPECT_EQ(namesIn(dir.path()), (std::vector<std::string>{"out.zip", "src"}));
}

TEST(ZipperParallel, VanishedSourceFailsWithTheSystemsReason)
{
    for (int workers : {1, 4}) {
        TempDir dir;
        Zipper zipper(workers, realWriter());
        zipper.AddFile(dir.write("a.txt", "aaa"));
        const fs::path gone = dir.write("b.txt", "bbb");
        zipper.AddFile(gone);
        fs::remove(gone);
        ASSERT_FALSE(zipper.Zip(dir / "out.zip"));
        EXPECT_FALSE(runLoop(zipper));
        EXPECT_EQ(zipper.FailedStep(), ZipFailure::ReadFile) << workers;
        EXPECT_EQ(zipper.SystemError(), std::errc::no_such_file_or_directory) << workers;
        EXPECT_FALSE(fs::exists(dir / "out.zip"));
    }
}

}  // namespace

namespace {

// The CRC-32 and size of a file as cksum-like tools see it, via Python.
std::string pythonCheck(const std::string& script, const std::string& archive, const std::string& extra = {})
{
    const ProcessResult r = runProcess({"python3", "-c", script, archive, extra});
    return r.exitCode == 0 ? r.out : "FAILED: " + r.out;
}

}  // namespace

// A sparse file past 4 GiB through the workers: one deflate stream of many
// jobs in a Zip64 entry, which every reader accepts. Long: gigabytes are
// compressed and read back four times.
TEST(ZipperLong, ParallelRunWritesAZip64EntryPastFourGiB)
{
    TempDir dir;
    const uint64_t size = (uint64_t(1) << 32) + 300001;
    const fs::path big = dir.write("src/big.bin", "start");
    fs::resize_file(big, size);
    {
        FILE* f = std::fopen(big.c_str(), "r+b");
        ASSERT_NE(f, nullptr);
        std::fseek(f, long(size - 4), SEEK_SET);
        std::fwrite("end!", 1, 4, f);
        std::fclose(f);
    }
    Zipper zipper(4, realWriter());
    ASSERT_FALSE(zipper.AddFile(dir.write("src/before.txt", "before")));
    ASSERT_FALSE(zipper.AddFile(big));
    ASSERT_FALSE(zipper.AddFile(dir.write("src/after.txt", "after")));
    ASSERT_FALSE(zipper.Zip(dir / "big.zip"));
    int64_t lastZipped = 0;
    bool behind = true;
    QEventLoop loop;
    QObject::connect(&zipper, &Zipper::Progress, &loop, [&] {
        behind = behind && zipper.BytesZipped() > lastZipped;
        lastZipped = zipper.BytesZipped();
    });
    QObject::connect(&zipper, &Zipper::Complete, &loop, &QEventLoop::quit);
    QObject::connect(&zipper, &Zipper::Error, &loop, &QEventLoop::quit);
    loop.exec();
    ASSERT_EQ(zipper.FailedStep(), ZipFailure::None) << zipper.Failed();
    EXPECT_TRUE(behind);
    EXPECT_EQ(lastZipped, int64_t(size) + 11);

    const std::string archive = (dir / "big.zip").string();
    const std::string expectedCrc =
        pythonCheck("import sys, zlib\nc = 0\nwith open(sys.argv[1], 'rb') as f:\n"
                    "    while b := f.read(1 << 22): c = zlib.crc32(b, c)\nprint(c)",
                    big.string());
    EXPECT_EQ(pythonCheck("import sys, zipfile\nz = zipfile.ZipFile(sys.argv[1])\n"
                          "print([(i.filename, i.file_size, i.CRC) for i in z.infolist()][1][1:], z.testzip())",
                          archive),
              "(" + std::to_string(size) + ", " + expectedCrc.substr(0, expectedCrc.size() - 1) + ") None\n");
    EXPECT_TRUE(unzipTest(dir / "big.zip").ok);
    EXPECT_EQ(runProcess({"7z", "t", archive}).exitCode, 0);
    const ProcessResult tar = runProcess({"sh", "-c", "bsdtar -xOf \"$1\" | wc -c", "sh", archive});
    EXPECT_EQ(tar.out, std::to_string(size + 11) + "\n");
}
