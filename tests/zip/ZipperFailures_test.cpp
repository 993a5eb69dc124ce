// How a run fails and what it leaves behind: the archive is released, no half
// archive takes the archive's name, and the next run works.
#include <gtest/gtest.h>

#include <filesystem>
#include <ostream>
#include <tuple>
#include <fstream>

#include <sys/stat.h>

#include "ZipperRecorder.h"

namespace fs = std::filesystem;

namespace {

// Names in the folder other than the sources the test made (archives, leftovers).
std::vector<std::string> archivesIn(const fs::path& folder)
{
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(folder))
        if (e.path().extension() != ".bin")
            names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

TEST(ZipperAddFile, RefusedFilesLeaveQueueAndTotalAlone)
{
    ZipperRecorder r;
    r.zipper.AddFile(r.file("a.bin", 5));
    fs::create_directory(r.dir / "folder");
    struct Case {
        fs::path path;
        const char* failed;
    } cases[] = {
        {r.dir / "missing.bin", "File does not exist"},
        {r.dir / "folder", "FileLen"},
    };
    for (const Case& c : cases) {
        EXPECT_TRUE(r.zipper.AddFile(c.path)) << c.path;
        EXPECT_EQ(r.zipper.Failed(), c.failed);
        EXPECT_EQ(r.zipper.BytesToZip(), 5);
    }
    r.zipper.Zip(r.dir / "out.zip");
    EXPECT_EQ(r.runToEnd().size(), 2u);  // only a.bin, then the end
}

struct BadSourceCase {
    const char* label;
    void (*spoil)(const fs::path& file);
};

// Test names and failure messages show the case's label, not its bytes.
void PrintTo(const BadSourceCase& c, std::ostream* os) { *os << c.label; }

class ZipperBadSource : public ::testing::TestWithParam<std::tuple<BadSourceCase, int>> {};

// A source that is gone or shorter than measured is never written short as if
// whole: the run fails, and an older archive of the name survives.
TEST_P(ZipperBadSource, FailsTheRunWithReadFile)
{
    ZipperRecorder r(std::get<1>(GetParam()));
    r.dir.write("out.zip", "OLD ARCHIVE");
    r.zipper.AddFile(r.file("a.bin", 50));
    fs::path b = r.file("b.bin", 300000);
    r.zipper.AddFile(b);
    // Workers read ahead of the steps: for them the file is spoiled before
    // the run starts, for the window's thread alone while it runs.
    if (r.parallel())
        std::get<0>(GetParam()).spoil(b);
    r.zipper.Zip(r.dir / "out.zip");
    r.step();
    if (!r.parallel())
        std::get<0>(GetParam()).spoil(b);
    std::vector<std::string> steps = r.runToEnd();
    ASSERT_EQ(steps.size(), 1u);
    EXPECT_EQ(steps[0].rfind("StartFile OpenFileInZip(b.bin)", 0), 0u) << steps[0];
    EXPECT_NE(steps[0].find("CloseZip Error"), std::string::npos) << steps[0];
    EXPECT_EQ(steps[0].find("EndFile"), std::string::npos) << steps[0];
    EXPECT_EQ(r.zipper.Failed(), "ReadFile");
    EXPECT_FALSE(r.zipper.Zipping());
    EXPECT_EQ(r.zipper.BytesToZip(), 0);
    EXPECT_FALSE(r.zipper.tmrNext().isActive());
    EXPECT_EQ(archivesIn(r.dir.path()), std::vector<std::string>{"out.zip"});
    EXPECT_EQ(readFileBytes(r.dir / "out.zip"), "OLD ARCHIVE");
}

INSTANTIATE_TEST_SUITE_P(
    Spoilers, ZipperBadSource,
    ::testing::Combine(::testing::Values(BadSourceCase{"vanished", [](const fs::path& f) { fs::remove(f); }},
                      BadSourceCase{"shrank", [](const fs::path& f) { fs::resize_file(f, 200000); }},
                      BadSourceCase{"becameAFolder",
                                    [](const fs::path& f) {
                                        fs::remove(f);
                                        fs::create_directory(f);
                                    }},
                      // Reading a FIFO would block the window; it is refused instead.
                      BadSourceCase{"becameAFifo",
                                    [](const fs::path& f) {
                                        fs::remove(f);
                                        ASSERT_EQ(mkfifo(f.c_str(), 0600), 0);
                                    }}),
                       ::testing::ValuesIn(kEngines)),
    [](const auto& info) {
        return std::string(std::get<0>(info.param).label) + "_" + engineName(std::get<1>(info.param));
    });

TEST(ZipperBadSource, GrownFileIsWrittenUpToItsMeasuredLength)
{
    ZipperRecorder r;
    fs::path a = r.file("a.bin", 1000);
    r.zipper.AddFile(a);
    std::ofstream(a, std::ios::app | std::ios::binary) << std::string(5000, 'x');
    r.zipper.Zip(r.dir / "out.zip");
    EXPECT_EQ(r.runToEnd().back(), "CloseZip Complete(false)");
    EXPECT_EQ(r.script->entries["a.bin"], patternBytes(1000));
}

TEST(ZipperBadSource, EncryptedFileChangedAfterItsCrcPassFails)
{
    ZipperRecorder r;
    fs::path a = r.file("a.bin", 1000);
    r.zipper.AddFile(a, {}, 8, -1, 0, {}, false, "pw");
    r.zipper.Zip(r.dir / "out.zip");
    r.step();  // CRC pass
    r.dir.write("a.bin", patternBytes(1000, 99));
    std::string step = r.step();
    EXPECT_NE(step.find("WriteBytes(1000) Progress CloseZip Error"), std::string::npos) << step;
    EXPECT_EQ(r.zipper.Failed(), "ReadFile");
    EXPECT_FALSE(r.zipper.Zipping());
}

struct WriterFailureCase {
    const char* label;
    const char* call;
    const char* failed;
};

// Test names and failure messages show the case's label, not its bytes.
void PrintTo(const WriterFailureCase& c, std::ostream* os) { *os << c.label; }

class ZipperWriterFailure : public ::testing::TestWithParam<std::tuple<WriterFailureCase, int>> {};

// A failure at each call of the writer, on each engine.
TEST_P(ZipperWriterFailure, EndsWithErrorThenTheNextRunWorks)
{
    const WriterFailureCase& c = std::get<0>(GetParam());
    ZipperRecorder r(std::get<1>(GetParam()));
    r.dir.write("out.zip", "OLD ARCHIVE");
    r.zipper.AddFile(r.file("a.bin", 300000));
    r.script->failNext[c.call] = -105;
    ASSERT_FALSE(r.zipper.Zip(r.dir / "out.zip"));
    std::vector<std::string> steps = r.runToEnd();
    ASSERT_FALSE(steps.empty());
    EXPECT_EQ(steps.back().substr(steps.back().size() - 5), "Error") << steps.back();
    EXPECT_EQ(r.zipper.Failed(), c.failed);
    EXPECT_EQ(r.zipper.Result(), -105);
    EXPECT_FALSE(r.zipper.Zipping());
    EXPECT_EQ(readFileBytes(r.dir / "out.zip"), "OLD ARCHIVE");
    EXPECT_EQ(archivesIn(r.dir.path()), std::vector<std::string>{"out.zip"});

    r.zipper.AddFile(r.file("b.bin", 10));
    ASSERT_FALSE(r.zipper.Zip(r.dir / "out.zip"));
    EXPECT_EQ(r.runToEnd().back(), "CloseZip Complete(false)");
    EXPECT_EQ(r.script->entries["b.bin"], patternBytes(10));
    EXPECT_EQ(archivesIn(r.dir.path()), std::vector<std::string>{"out.zip"});
}

INSTANTIATE_TEST_SUITE_P(
    Calls, ZipperWriterFailure,
    ::testing::Combine(::testing::Values(WriterFailureCase{"openEntry", "OpenFileInZip", "OpenFileInZip"},
                                         WriterFailureCase{"write", "WriteBytes", "WriteBytes"},
                                         WriterFailureCase{"closeEntry", "CloseFileInZip", "CloseFileInZip"},
                                         WriterFailureCase{"closeArchive", "CloseZip", "CloseZip"}),
                       ::testing::ValuesIn(kEngines)),
    [](const auto& info) {
        return std::string(std::get<0>(info.param).label) + "_" + engineName(std::get<1>(info.param));
    });

TEST(ZipperOpen, FailedOpenReportsAndEmptiesTheQueue)
{
    ZipperRecorder r;
    r.zipper.AddFile(r.file("a.bin", 10));
    r.script->failNext["OpenZip"] = -1;
    EXPECT_TRUE(r.zipper.Zip(r.dir / "out.zip"));
    EXPECT_EQ(r.zipper.Failed(), "OpenZip");
    EXPECT_EQ(r.zipper.Result(), -1);
    EXPECT_FALSE(r.zipper.Zipping());
    EXPECT_TRUE(archivesIn(r.dir.path()).empty());
    ASSERT_FALSE(r.zipper.Zip(r.dir / "out.zip"));
    EXPECT_EQ(r.runToEnd(), std::vector<std::string>{"CloseZip Complete(false)"});
}

TEST(ZipperOpen, ArchiveInAMissingFolderOrOnAFolderFailsToOpen)
{
    ZipperRecorder r;
    fs::create_directory(r.dir / "taken.zip");
    for (fs::path target : {r.dir / "nowhere" / "out.zip", r.dir / "taken.zip"}) {
        r.script->timeline.clear();
        EXPECT_TRUE(r.zipper.Zip(target)) << target;
        EXPECT_EQ(r.zipper.Failed(), "OpenZip");
        EXPECT_EQ(r.zipper.Result(), -1);
        EXPECT_TRUE(r.script->timeline.empty());
    }
}

TEST(ZipperOpen, ArchiveTakesItsNameOnlyWhenTheRunCompletes)
{
    ZipperRecorder r;
    r.dir.write("out.zip", "OLD ARCHIVE");
    r.zipper.AddFile(r.file("a.bin", 10));
    r.zipper.Zip(r.dir / "out.zip");
    std::vector<std::string> during = archivesIn(r.dir.path());
    ASSERT_EQ(during.size(), 2u);
    EXPECT_EQ(during[0], "out.zip");
    EXPECT_EQ(during[1].rfind("out.zip.", 0), 0u);
    EXPECT_EQ(readFileBytes(r.dir / "out.zip"), "OLD ARCHIVE");
    r.runToEnd();
    EXPECT_EQ(archivesIn(r.dir.path()), std::vector<std::string>{"out.zip"});
    EXPECT_NE(readFileBytes(r.dir / "out.zip"), "OLD ARCHIVE");
}

// The finished archive cannot take its name (a folder appeared there): the run
// fails rather than reporting an archive that is not where it was asked for.
TEST(ZipperOpen, ArchiveThatCannotTakeItsNameFailsTheRun)
{
    ZipperRecorder r;
    r.zipper.AddFile(r.file("a.bin", 10));
    r.zipper.Zip(r.dir / "out.zip");
    r.step();
    r.dir.write("out.zip/blocker", "x");
    EXPECT_EQ(r.step(), "CloseZip Error");
    EXPECT_EQ(r.zipper.Failed(), "RenameZip");
    EXPECT_FALSE(r.zipper.Zipping());
    EXPECT_EQ(archivesIn(r.dir.path()), std::vector<std::string>{"out.zip"});
    EXPECT_TRUE(fs::is_directory(r.dir / "out.zip"));
}

TEST(ZipperOpen, CancelLeftFromAFailedRunDoesNotCancelTheNext)
{
    ZipperRecorder r;
    r.zipper.AddFile(r.file("a.bin", 3000000));
    r.zipper.Zip(r.dir / "out.zip");
    r.step();
    r.zipper.Cancel();
    r.script->failNext["CloseFileInZip"] = -105;
    EXPECT_EQ(r.step(), "CloseFileInZip CloseZip Error");
    r.zipper.AddFile(r.file("b.bin", 10));
    r.zipper.Zip(r.dir / "out.zip");
    EXPECT_EQ(r.runToEnd().back(), "CloseZip Complete(false)");
}

TEST(ZipperStop, StopRunEndsQuietlyAndKeepsTheOlderArchive)
{
    ZipperRecorder r;
    r.dir.write("out.zip", "OLD ARCHIVE");
    r.zipper.AddFile(r.file("a.bin", 3000000));
    r.zipper.Zip(r.dir / "out.zip");
    r.step();
    r.script->timeline.clear();
    r.zipper.StopRun();
    EXPECT_EQ(r.script->timeline, std::vector<std::string>{"CloseZip"});
    EXPECT_FALSE(r.zipper.Zipping());
    EXPECT_FALSE(r.zipper.tmrNext().isActive());
    EXPECT_EQ(archivesIn(r.dir.path()), std::vector<std::string>{"out.zip"});
    EXPECT_EQ(readFileBytes(r.dir / "out.zip"), "OLD ARCHIVE");
    r.script->timeline.clear();
    r.zipper.StopRun();  // idle: nothing happens
    EXPECT_TRUE(r.script->timeline.empty());
}

TEST(ZipperStop, DestroyingDuringARunClosesAndDiscards)
{
    TempDir dir;
    dir.write("out.zip", "OLD ARCHIVE");
    dir.write("a.bin", patternBytes(3000000));
    auto script = std::make_shared<WriterScript>();
    {
        Zipper zipper([script] { return std::make_unique<RecordingZipWriter>(script); });
        zipper.tmrNext().blockSignals(true);
        int events = 0;
        QObject::connect(&zipper, &Zipper::Error, [&] { ++events; });
        QObject::connect(&zipper, &Zipper::Complete, [&] { ++events; });
        zipper.AddFile(dir / "a.bin");
        zipper.Zip(dir / "out.zip");
        zipper.tmrNext_Timer();
        script->timeline.clear();
        EXPECT_EQ(events, 0);
    }
    EXPECT_EQ(script->timeline, std::vector<std::string>{"CloseZip"});
    EXPECT_EQ(script->writersAlive, 0);
    EXPECT_EQ(archivesIn(dir.path()), std::vector<std::string>{"out.zip"});
    EXPECT_EQ(readFileBytes(dir / "out.zip"), "OLD ARCHIVE");
}

TEST(ZipperStop, HandlerStoppingTheRunEndsTheStep)
{
    ZipperRecorder r;
    r.zipper.AddFile(r.file("a.bin", 3000000));
    QObject::connect(&r.zipper, &Zipper::Progress, [&] { r.zipper.StopRun(); });
    r.zipper.Zip(r.dir / "out.zip");
    EXPECT_EQ(r.step(), "StartFile OpenFileInZip(a.bin) WriteBytes(131072) Progress CloseZip");
    EXPECT_FALSE(r.zipper.Zipping());
    EXPECT_FALSE(r.zipper.tmrNext().isActive());
}

}  // namespace
