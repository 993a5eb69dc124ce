// Whole runs through the real writer and Qt's event loop, read back by
// Info-ZIP's unzip and by Python's zipfile.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

#include <filesystem>
#include <map>

#include "ArchiveReader.h"
#include "LeftoverArchive.h"
#include "TempDir.h"
#include "TemporaryArchive.h"
#include "Zipper.h"
#include "ZipperRecorder.h"

namespace fs = std::filesystem;

namespace {

struct RunOutcome {
    bool completed = false;
    bool canceled = false;
    bool failed = false;
    int progress = 0;
    int startFile = 0;
    int endFile = 0;
};

// The end of a long reader message (the reader prints whole entries first).
std::string tail(const std::string& text)
{
    return text.size() > 1500 ? "..." + text.substr(text.size() - 1500) : text;
}

// Runs the zipper's timer in a local event loop until Complete or Error.
RunOutcome runLoop(Zipper& zipper, const std::function<void(RunOutcome&)>& onProgress = {})
{
    RunOutcome out;
    QEventLoop loop;
    QObject::connect(&zipper, &Zipper::StartFile, &loop, [&] { ++out.startFile; });
    QObject::connect(&zipper, &Zipper::EndFile, &loop, [&] { ++out.endFile; });
    QObject::connect(&zipper, &Zipper::Progress, &loop, [&] {
        ++out.progress;
        if (onProgress)
            onProgress(out);
    });
    QObject::connect(&zipper, &Zipper::Complete, &loop, [&](bool canceled) {
        out.completed = true;
        out.canceled = canceled;
        loop.quit();
    });
    QObject::connect(&zipper, &Zipper::Error, &loop, [&] {
        out.failed = true;
        loop.quit();
    });
    QTimer::singleShot(60000, &loop, &QEventLoop::quit);
    loop.exec();
    return out;
}

TEST(ZipperArchive, EventLoopRunGivesAnArchiveOthersReadIdentically)
{
    TempDir dir;
    const std::map<std::string, std::string> plain = {
        {"empty.txt", ""},
        {"small.txt", "hello, archive\n"},
        {"chunk.bin", patternBytes(131072, 3)},
        {"large.bin", patternBytes(3000000, 4)},
        {"text.txt", std::string(400000, 'a') + "tail"},
    };
    Zipper zipper;
    for (const auto& [name, bytes] : plain)
        ASSERT_FALSE(zipper.AddFile(dir.write("src/" + name, bytes)));
    std::string secret = patternBytes(1500000, 5);
    ASSERT_FALSE(zipper.AddFile(dir.write("src/secret.bin", secret), "inner/secret.bin", 8, 9, 0, "c",
                                true, "pässwort"));
    ASSERT_FALSE(zipper.AddFile(dir.write("src/stored.bin", "stored bytes"), "stored.bin", 0));
    const int64_t total = zipper.BytesToZip();

    ASSERT_FALSE(zipper.Zip(dir / "out.zip"));
    int64_t lastZipped = -1;
    RunOutcome out = runLoop(zipper, [&](RunOutcome&) { lastZipped = zipper.BytesZipped(); });
    ASSERT_TRUE(out.completed) << zipper.Failed() << " " << zipper.Result();
    EXPECT_FALSE(out.canceled);
    EXPECT_EQ(lastZipped, total);
    EXPECT_EQ(out.startFile, 8);  // seven files, the encrypted one twice
    EXPECT_EQ(out.endFile, 7);

    UnzipCheck check = unzipTest(dir / "out.zip", "pässwort");
    EXPECT_TRUE(check.ok) << tail(check.output);
    PyZipRead read = pythonReadZip(dir / "out.zip", "pässwort");
    ASSERT_TRUE(read.ok) << tail(read.error);
    std::map<std::string, std::string> expected = plain;
    expected["inner/secret.bin"] = secret;
    expected["stored.bin"] = "stored bytes";
    EXPECT_EQ(read.entries.size(), expected.size());
    for (const auto& [name, bytes] : expected)
        EXPECT_TRUE(read.entries[name] == bytes) << name;
}

TEST(ZipperArchive, CancelledRunKeepsAReadableArchive)
{
    TempDir dir;
    Zipper zipper;
    std::string secret = patternBytes(2000000, 6);
    zipper.AddFile(dir.write("a.bin", patternBytes(3000000, 7)));
    zipper.AddFile(dir.write("b.bin", secret), {}, 8, -1, 0, {}, false, "pw");
    zipper.AddFile(dir.write("c.bin", "never"));
    ASSERT_FALSE(zipper.Zip(dir / "out.zip"));
    // Cancel while the encrypted entry is being written: it is finished whole.
    RunOutcome out = runLoop(zipper, [&](RunOutcome& o) {
        if (o.startFile == 3)
            zipper.Cancel();
    });
    ASSERT_TRUE(out.completed);
    EXPECT_TRUE(out.canceled);
    EXPECT_TRUE(unzipTest(dir / "out.zip", "pw").ok);
    PyZipRead read = pythonReadZip(dir / "out.zip", "pw");
    ASSERT_TRUE(read.ok) << tail(read.error);
    EXPECT_EQ(read.entries.size(), 2u);
    EXPECT_TRUE(read.entries["a.bin"] == patternBytes(3000000, 7));
    EXPECT_TRUE(read.entries["b.bin"] == secret);
}

TEST(ZipperArchive, FailedRunLeavesTheOldArchiveAndTheNextRunWorks)
{
    TempDir dir;
    dir.write("out.zip", "OLD ARCHIVE");
    Zipper zipper;
    zipper.AddFile(dir.write("a.bin", "aaa"));
    fs::path b = dir.write("b.bin", "bbb");
    zipper.AddFile(b);
    fs::remove(b);
    ASSERT_FALSE(zipper.Zip(dir / "out.zip"));
    RunOutcome out = runLoop(zipper);
    ASSERT_TRUE(out.failed);
    EXPECT_EQ(zipper.Failed(), "ReadFile");
    EXPECT_EQ(readFileBytes(dir / "out.zip"), "OLD ARCHIVE");

    zipper.AddFile(dir.write("c.bin", "ccc"));
    ASSERT_FALSE(zipper.Zip(dir / "out.zip"));
    ASSERT_TRUE(runLoop(zipper).completed);
    PyZipRead read = pythonReadZip(dir / "out.zip");
    ASSERT_TRUE(read.ok) << tail(read.error);
    EXPECT_EQ(read.entries, (std::map<std::string, std::string>{{"c.bin", "ccc"}}));
    for (const auto& e : fs::directory_iterator(dir.path()))
        EXPECT_EQ(e.path().extension() == ".part", false) << e.path();
}

// An archive name as long as a file name may be, in one-byte and in two-byte
// characters, over an older archive of that name: the run's temporary file
// beside it takes a shortened name, and the archive its own.
TEST(ZipperArchive, LongestNamesAreWritten)
{
    const std::string names[] = {std::string(251, 'n') + ".zip", [] {
                                     std::string s;
                                     for (int i = 0; i < 125; ++i)
                                         s += "\u00fc";
                                     return s + "x.zip";
                                 }()};
    for (const std::string& name : names) {
        TempDir dir;
        ASSERT_EQ(name.size(), 255u);
        dir.write(name, "OLD ARCHIVE");
        TemporaryArchive temporary;
        ASSERT_TRUE(temporary.Reserve(dir / name, nullptr).ok());
        const std::string part = temporary.Path().filename().string();
        EXPECT_LE(part.size(), 255u);
        EXPECT_TRUE(QString::fromUtf8(part).toUtf8() == QByteArray::fromStdString(part)) << "cut inside a character";
        EXPECT_TRUE(LeftoverArchive::IsTemporaryArchiveName(temporary.Path())) << part;
        temporary.Discard();
        Zipper zipper;
        zipper.AddFile(dir.write("a.txt", "aaa"));
        ASSERT_FALSE(zipper.Zip(dir / name)) << zipper.SystemError().message();
        ASSERT_TRUE(runLoop(zipper).completed) << zipper.Failed() << " " << zipper.SystemError().message();
        EXPECT_TRUE(unzipTest(dir / name).ok) << name.size();
        EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 2) << "nothing left";
    }
}

// The rename over an existing archive runs off the window's thread; Complete
// comes once the archive has its name. A StopRun meanwhile says whether the
// archive took its name before the stop, and the disk agrees.
TEST(ZipperArchive, ReplacedArchiveHasItsNameWhenCompleteComesAndStopRunSaysWhetherItDid)
{
    TempDir dir;
    for (const bool stopAtEnd : {false, true}) {
        dir.write("out.zip", "OLD ARCHIVE");
        Zipper zipper;
        zipper.AddFile(dir.write("a.bin", patternBytes(300000, 7)));
        ASSERT_FALSE(zipper.Zip(dir / "out.zip"));
        bool namedAtComplete = false;
        QObject::connect(&zipper, &Zipper::Complete, [&] {
            namedAtComplete = pythonReadZip(dir / "out.zip").entries.count("a.bin") == 1;
        });
        bool written = true;
        if (stopAtEnd) {
            while (!zipper.Publishing() && zipper.Zipping())
                QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 20);
            const Zipper::Stopped stopped = zipper.StopRun();
            EXPECT_NE(stopped, Zipper::Stopped::NoRun);
            written = stopped == Zipper::Stopped::Written;
            EXPECT_FALSE(zipper.Zipping());
        } else {
            ASSERT_TRUE(runLoop(zipper).completed);
            EXPECT_TRUE(namedAtComplete);
        }
        EXPECT_FALSE(zipper.Publishing());
        if (written) {
            EXPECT_TRUE(unzipTest(dir / "out.zip").ok) << stopAtEnd;
        } else {
            EXPECT_EQ(readFileBytes(dir / "out.zip"), "OLD ARCHIVE");
        }
        for (const auto& e : fs::directory_iterator(dir.path()))
            EXPECT_NE(e.path().extension(), ".part") << e.path();
    }
}

}  // namespace
