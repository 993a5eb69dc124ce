// A run whose files are still being staged: the Zipper zips what it has,
// waits while its queue is dry instead of closing the archive, takes files
// added during the run, and ends once told no more are coming; on one
// thread and on workers alike.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>

#include "ArchiveReader.h"
#include "ParallelRun.h"
#include "TempDir.h"
#include "ZipWriter.h"
#include "Zipper.h"

namespace fs = std::filesystem;

namespace {

ZipFile measured(const fs::path& file)
{
    ZipFile entry;
    entry.SourceFile = file.string();
    entry.AsFile = file.filename().string();
    entry.ByteCount = static_cast<int64_t>(fs::file_size(file));
    return entry;
}

// Runs the event loop until `done` or 20 s.
template <typename Done>
bool spinUntil(Done done)
{
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < 20000)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 20);
    return done();
}

}  // namespace

class ZipperMoreToCome : public ::testing::TestWithParam<int> {};

TEST_P(ZipperMoreToCome, WaitsForLaterFilesAndEndsWhenToldNoMoreCome)
{
    TempDir temp;
    const std::string big = textLike(3 * 1024 * 1024 + 5, 3);
    const std::vector<fs::path> files = {temp.write("a.txt", "first"), temp.write("b.txt", big),
                                         temp.write("c.txt", ""), temp.write("d.txt", textLike(70000, 4))};
    const fs::path archive = temp / "out.zip";
    Zipper zipper(GetParam(), [] { return std::unique_ptr<ZipWriterInterface>(new ZipWriter); });
    QStringList events;
    int ended = 0;
    QObject::connect(&zipper, &Zipper::EndFile, [&] { events << QString::fromStdString(zipper.CurrentFile().AsFile); });
    QObject::connect(&zipper, &Zipper::Complete, [&](bool canceled) { ended = canceled ? 2 : 1; });
    QObject::connect(&zipper, &Zipper::Error, [&] { ended = 3; });

    zipper.SetMoreToCome(true);
    zipper.AddMeasuredFile(measured(files[0]));
    ASSERT_FALSE(zipper.Zip(archive));
    ASSERT_TRUE(spinUntil([&] { return events.size() == 1; }));
    // The queue is dry: the run waits with the archive open.
    QCoreApplication::processEvents(QEventLoop::AllEvents, 100);
    EXPECT_TRUE(zipper.Zipping());
    EXPECT_EQ(ended, 0);
    for (size_t i = 1; i < files.size(); ++i)
        zipper.AddMeasuredFile(measured(files[i]));
    EXPECT_EQ(zipper.BytesToZip(), static_cast<int64_t>(5 + big.size() + 70000));
    ASSERT_TRUE(spinUntil([&] { return events.size() == 4; }));
    EXPECT_EQ(ended, 0);
    zipper.SetMoreToCome(false);
    ASSERT_TRUE(spinUntil([&] { return ended != 0; }));
    EXPECT_EQ(ended, 1);
    EXPECT_EQ(events, (QStringList{"a.txt", "b.txt", "c.txt", "d.txt"}));
    EXPECT_EQ(zipper.BytesZipped(), static_cast<int64_t>(5 + big.size() + 70000));
    const auto read = entriesReadBack(archive);
    ASSERT_EQ(read.size(), 4u);
    EXPECT_EQ(read.at("b.txt"), big);
    EXPECT_EQ(read.at("a.txt"), "first");

    // A cancel ends a waiting run at once, and the next run does not wait.
    events.clear();
    ended = 0;
    zipper.SetMoreToCome(true);
    ASSERT_FALSE(zipper.Zip(temp / "second.zip"));
    zipper.Cancel();
    ASSERT_TRUE(spinUntil([&] { return ended != 0; }));
    EXPECT_EQ(ended, 2);
    ended = 0;
    zipper.AddMeasuredFile(measured(files[0]));
    ASSERT_FALSE(zipper.Zip(temp / "third.zip"));
    ASSERT_TRUE(spinUntil([&] { return ended != 0; }));
    EXPECT_EQ(ended, 1);
}

INSTANTIATE_TEST_SUITE_P(Engines, ZipperMoreToCome, ::testing::Values(1, 3),
                         [](const auto& info) { return info.param == 1 ? "OneThread" : "ThreeWorkers"; });
