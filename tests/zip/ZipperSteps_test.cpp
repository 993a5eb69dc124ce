// The run's step rules, checked on the recorded timeline of events and writer
// calls, one string per step.
#include <gtest/gtest.h>

#include <zlib.h>

#include <QCoreApplication>
#include <QDeadlineTimer>

#include <chrono>
#include <cstdio>
#include <future>
#include <thread>
#include <filesystem>
#include <ostream>
#include <tuple>

#include "ZipperRecorder.h"

namespace fs = std::filesystem;

namespace {

// "WriteBytes(n) Progress" for each chunk size, space-separated.
std::string chunks(const char* call, std::initializer_list<size_t> sizes)
{
    std::string s;
    for (size_t n : sizes)
        s += std::string(s.empty() ? "" : " ") + call + "(" + std::to_string(n) + ") Progress";
    return s;
}

std::string writes(std::initializer_list<size_t> sizes) { return chunks("WriteBytes", sizes); }

constexpr size_t K = 131072;

struct StepCase {
    const char* label;
    size_t size;
    std::vector<std::string> steps;
};

// Test names and failure messages show the case's label, not its bytes.
void PrintTo(const StepCase& c, std::ostream* os) { *os << c.label; }

class ZipperStepRules : public ::testing::TestWithParam<std::tuple<StepCase, int>> {};

TEST_P(ZipperStepRules, OneFileGivesTheseSteps)
{
    const StepCase& c = std::get<0>(GetParam());
    ZipperRecorder r(std::get<1>(GetParam()));
    ASSERT_FALSE(r.zipper.AddFile(r.file("a.bin", c.size)));
    EXPECT_EQ(r.zipper.BytesToZip(), int64_t(c.size));
    ASSERT_FALSE(r.zipper.Zip(r.dir / "out.zip"));
    EXPECT_EQ(r.runToEnd(), c.steps);
    EXPECT_EQ(r.zipper.BytesZipped(), int64_t(c.size));
    EXPECT_EQ(r.zipper.BytesToZip(), 0);
    EXPECT_EQ(r.script->entries["a.bin"], patternBytes(c.size));
    // The writer learns the entry's size up front, so big entries get Zip64.
    EXPECT_EQ(r.script->expectedSizes["a.bin"], c.size);
}

const std::string kOpen = "StartFile OpenFileInZip(a.bin) ";
const std::string kClose = "CloseFileInZip EndFile";
const std::string kTen = writes({K, K, K, K, K, K, K, K, K, K});

INSTANTIATE_TEST_SUITE_P(
    Sizes, ZipperStepRules,
    ::testing::Combine(::testing::Values(
        StepCase{"threeChunksInOneStep", 300000,
                 {kOpen + writes({K, K, 37856}) + " " + kClose, "CloseZip Complete(false)"}},
        StepCase{"exactlyOneChunk", K, {kOpen + writes({K}) + " " + kClose, "CloseZip Complete(false)"}},
        StepCase{"emptyFileHasNoProgress", 0, {kOpen + kClose, "CloseZip Complete(false)"}},
        // Ten full chunks use up the step; the close comes in the next one.
        StepCase{"exactlyTenChunks", 10 * K, {kOpen + kTen, kClose, "CloseZip Complete(false)"}},
        StepCase{"spreadOverSteps", 3000000,
                 {kOpen + kTen, kTen, writes({K, K, 3000000 - 22 * K}) + " " + kClose,
                  "CloseZip Complete(false)"}}),
                       ::testing::ValuesIn(kEngines)),
    [](const auto& info) {
        return std::string(std::get<0>(info.param).label) + "_" + engineName(std::get<1>(info.param));
    });

// The rules of steps on each engine.
class ZipperSteps : public ::testing::TestWithParam<int> {
protected:
    ZipperRecorder r{GetParam()};
};

INSTANTIATE_TEST_SUITE_P(Engines, ZipperSteps, ::testing::ValuesIn(kEngines),
                         [](const auto& info) { return engineName(info.param); });

// A CRC pass as the step shows it: on workers the writer takes no part.
std::string crcPass(const ZipperRecorder& r, std::initializer_list<size_t> sizes)
{
    if (!r.parallel())
        return "OpenCrc " + chunks("CrcBytes", sizes) + " CloseCrc";
    std::string s;
    for (size_t i = 0; i < sizes.size(); ++i)
        s += std::string(s.empty() ? "" : " ") + "Progress";
    return s;
}

// Sizes and counters are 64-bit: a file past 4 GiB (sparse, so it costs no
// disk) is counted and written whole, and the writer is told its size. Reading
// 4 GiB takes from several to tens of seconds, so it is one of the long tests.
TEST(ZipperLong, FilePastFourGiBIsCountedIn64Bits)
{
    ZipperRecorder r;
    r.script->keepData = false;
    const int64_t size = (int64_t(1) << 32) + 300000;
    fs::path big = r.dir / "big.bin";
    r.dir.write("big.bin");
    fs::resize_file(big, uintmax_t(size));
    r.zipper.AddFile(big);
    EXPECT_EQ(r.zipper.BytesToZip(), size);
    r.zipper.Zip(r.dir / "out.zip");
    std::vector<std::string> steps = r.runToEnd(100000);
    EXPECT_EQ(steps.back(), "CloseZip Complete(false)");
    EXPECT_EQ(r.zipper.BytesZipped(), size);
    EXPECT_EQ(r.script->bytesWritten["big.bin"], uint64_t(size));
    EXPECT_EQ(r.script->expectedSizes["big.bin"], uint64_t(size));
}

TEST_P(ZipperSteps, PasswordEntryHasACrcPassThenAWritePassWithThatCrc)
{
    ASSERT_FALSE(r.zipper.AddFile(r.file("a.bin", 300000), {}, 8, -1, 0, {}, false, "secret"));
    ASSERT_FALSE(r.zipper.Zip(r.dir / "out.zip"));
    std::vector<std::string> steps = r.runToEnd();
    ASSERT_EQ(steps.size(), 3u);
    EXPECT_EQ(steps[0], "StartFile " + crcPass(r, {K, K, 37856}));
    char crc[16];
    uLong expected = crc32(0L, reinterpret_cast<const Bytef*>(patternBytes(300000).data()), 300000);
    std::snprintf(crc, sizeof crc, "%08lx", expected);
    EXPECT_EQ(steps[1], "StartFile OpenFileInZip(a.bin, crc=" + std::string(crc) + ") " +
                            writes({K, K, 37856}) + " " + kClose);
    EXPECT_EQ(steps[2], "CloseZip Complete(false)");
    EXPECT_EQ(r.zipper.BytesZipped(), 300000);
}

TEST_P(ZipperSteps, EmptyQueueClosesTheArchiveInTheFirstStep)
{
    ASSERT_FALSE(r.zipper.Zip(r.dir / "out.zip"));
    EXPECT_EQ(r.script->timeline, std::vector<std::string>{"OpenZip(0)"});
    EXPECT_EQ(r.runToEnd(), std::vector<std::string>{"CloseZip Complete(false)"});
    EXPECT_TRUE(fs::exists(r.dir / "out.zip"));
}

TEST_P(ZipperSteps, CancelDuringAnEntryClosesItWithTheDataSoFar)
{
    r.zipper.AddFile(r.file("a.bin", 3000000));
    r.zipper.AddFile(r.file("b.bin", 10));
    r.zipper.Zip(r.dir / "out.zip");
    EXPECT_EQ(r.step(), kOpen + kTen);
    r.zipper.Cancel();
    EXPECT_EQ(r.step(), kClose);
    EXPECT_EQ(r.step(), "CloseZip Complete(true)");
    EXPECT_FALSE(r.zipper.Zipping());
    EXPECT_EQ(r.script->entries["a.bin"], patternBytes(10 * K));
    EXPECT_EQ(r.script->entries.count("b.bin"), 0u);
}

TEST_P(ZipperSteps, CancelBetweenEntriesClosesTheNextOneEmpty)
{
    for (const char* name : {"a.bin", "b.bin", "c.bin"})
        r.zipper.AddFile(r.file(name, 100));
    r.zipper.Zip(r.dir / "out.zip");
    EXPECT_EQ(r.step(), kOpen + writes({100}) + " " + kClose);
    r.zipper.Cancel();
    EXPECT_EQ(r.step(), "StartFile OpenFileInZip(b.bin) " + kClose);
    EXPECT_EQ(r.step(), "CloseZip Complete(true)");
    EXPECT_EQ(r.script->entries["b.bin"], "");
    EXPECT_EQ(r.script->entries.count("c.bin"), 0u);
}

TEST_P(ZipperSteps, CancelDuringACrcPassWritesNothingOfThatEntry)
{
    r.zipper.AddFile(r.file("a.bin", 3000000), {}, 8, -1, 0, {}, false, "pw");
    r.zipper.Zip(r.dir / "out.zip");
    r.step();
    r.zipper.Cancel();
    // On workers the pass's end shows nothing, so the archive's end comes with it.
    if (!r.parallel()) {
        EXPECT_EQ(r.step(), "CloseCrc");
    }
    EXPECT_EQ(r.step(), "CloseZip Complete(true)");
    EXPECT_TRUE(r.script->entries.empty());
}

// An encrypted entry cut short could not be opened with its password, so a
// cancel lets it finish and stops the run after it.
TEST_P(ZipperSteps, CancelDuringAnEncryptedWriteFinishesThatEntry)
{
    r.zipper.AddFile(r.file("a.bin", 1500000), {}, 8, -1, 0, {}, false, "pw");
    r.zipper.AddFile(r.file("b.bin", 10));
    r.zipper.Zip(r.dir / "out.zip");
    r.step();  // CRC pass, ten chunks
    r.step();  // rest of the CRC pass
    r.step();  // write pass, ten chunks
    r.zipper.Cancel();
    EXPECT_EQ(r.step(), writes({K, 1500000 - 11 * K}) + " " + kClose);
    EXPECT_EQ(r.step(), "CloseZip Complete(true)");
    EXPECT_EQ(r.script->entries["a.bin"], patternBytes(1500000));
    EXPECT_EQ(r.script->entries.count("b.bin"), 0u);
}

TEST_P(ZipperSteps, ZipDuringARunFailsWithoutDisturbingIt)
{
    r.zipper.AddFile(r.file("a.bin", 300000));
    r.zipper.Zip(r.dir / "out.zip");
    r.script->timeline.clear();
    EXPECT_TRUE(r.zipper.Zip(r.dir / "other.zip"));
    EXPECT_EQ(r.zipper.Failed(), "Already mZipping");
    EXPECT_EQ(r.zipper.Result(), 0);
    EXPECT_TRUE(r.script->timeline.empty());
    EXPECT_EQ(r.runToEnd().back(), "CloseZip Complete(false)");
    EXPECT_FALSE(fs::exists(r.dir / "other.zip"));
}

TEST_P(ZipperSteps, FilesAddedDuringARunAreWrittenInIt)
{
    r.zipper.AddFile(r.file("a.bin", 10));
    r.zipper.Zip(r.dir / "out.zip");
    r.step();
    r.zipper.AddFile(r.file("b.bin", 20));
    EXPECT_EQ(r.zipper.BytesToZip(), 30);
    EXPECT_EQ(r.runToEnd(), (std::vector<std::string>{"StartFile OpenFileInZip(b.bin) " + writes({20}) + " " + kClose,
                                                      "CloseZip Complete(false)"}));
}

TEST_P(ZipperSteps, TimerIsOffDuringAStepAndAfterTheRun)
{
    r.zipper.AddFile(r.file("a.bin", 300000));
    EXPECT_FALSE(r.zipper.tmrNext().isActive());
    r.zipper.Zip(r.dir / "out.zip");
    EXPECT_TRUE(r.zipper.tmrNext().isActive());
    EXPECT_EQ(r.zipper.tmrNext().interval(), 0);
    std::vector<bool> activeInEvents;
    auto probe = [&] { activeInEvents.push_back(r.zipper.tmrNext().isActive()); };
    QObject::connect(&r.zipper, &Zipper::Progress, probe);
    QObject::connect(&r.zipper, &Zipper::Complete, probe);
    r.step();
    EXPECT_TRUE(r.zipper.tmrNext().isActive());
    r.step();
    EXPECT_FALSE(r.zipper.tmrNext().isActive());
    EXPECT_EQ(activeInEvents, std::vector<bool>(4, false));
}

TEST_P(ZipperSteps, CurrentFileIsTheEntryTakenUp)
{
    fs::path source = r.file("a.bin", 10);
    r.zipper.AddFile(source, "docs/renamed.bin", 0, 9, 0x21, "note", true);
    r.zipper.Zip(r.dir / "out.zip");
    r.step();
    const ZipFile& f = r.zipper.CurrentFile();
    EXPECT_EQ(f.SourceFile, source);
    EXPECT_EQ(f.AsFile, "docs/renamed.bin");
    EXPECT_EQ(f.ZMethod, 0);
    EXPECT_EQ(f.ZLevel, 9);
    EXPECT_EQ(f.Attrs, 0x21);
    EXPECT_EQ(f.Comment, "note");
    EXPECT_GT(f.FileDate, 40000.0);  // a last-modified date, days since 1899
    EXPECT_EQ(f.ByteCount, 10);
}

TEST_P(ZipperSteps, AddFileDefaultsNameAndAttributes)
{
    fs::path plain = r.file("plain.txt", 1);
    fs::path locked = r.file("locked.txt", 1);
    fs::permissions(locked, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
    r.zipper.AddFile(plain);
    r.zipper.AddFile(locked);
    r.zipper.AddFile(r.file(".hidden", 1));
    r.zipper.Zip(r.dir / "out.zip");
    r.step();
    EXPECT_EQ(r.zipper.CurrentFile().AsFile, "plain.txt");
    EXPECT_EQ(r.zipper.CurrentFile().Attrs, 0x20);
    EXPECT_EQ(r.zipper.CurrentFile().FileDate, 0.0);
    r.step();
    EXPECT_EQ(r.zipper.CurrentFile().AsFile, "locked.txt");
    EXPECT_EQ(r.zipper.CurrentFile().Attrs, 0x21);
    r.step();
    EXPECT_EQ(r.zipper.CurrentFile().AsFile, ".hidden");
    EXPECT_EQ(r.zipper.CurrentFile().Attrs, 0x22);
}

}  // namespace

// Closing writes the central directory, which for a million entries takes the
// file system a few hundred milliseconds: it happens off the window's thread,
// which goes on turning, and Complete comes after it from the event loop.
TEST_P(ZipperSteps, ArchiveIsClosedOffTheWindowsThread)
{
    ZipperRecorder r(GetParam());
    r.zipper.tmrNext().blockSignals(false);  // the run goes by its own timer here
    std::promise<std::thread::id> closedOn;
    std::promise<void> release;
    std::shared_future<void> released = release.get_future().share();
    r.script->duringCloseZip = [&] {
        closedOn.set_value(std::this_thread::get_id());
        released.wait_for(std::chrono::seconds(5));  // a close on this thread would wait for nobody
    };
    r.zipper.AddFile(r.file("a.bin", 1000));
    ASSERT_FALSE(r.zipper.Zip(r.dir / "out.zip"));
    std::future<std::thread::id> closer = closedOn.get_future();
    while (closer.wait_for(std::chrono::milliseconds(0)) != std::future_status::ready)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    EXPECT_NE(closer.get(), std::this_thread::get_id());
    EXPECT_TRUE(r.zipper.Zipping());
    bool completed = false;
    QObject::connect(&r.zipper, &Zipper::Complete, [&] { completed = true; });
    release.set_value();
    QDeadlineTimer deadline(10000);
    while (!completed && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    EXPECT_TRUE(completed);
    EXPECT_FALSE(r.zipper.Zipping());
}
