// Entries over the whole-entry limit, which the workers deflate a job at a
// time with libdeflate and join into one stream: every reader reads them
// whatever their content and wherever they end, they are no larger than
// zlib's blocks made them, and a cancel or a failed read inside a job ends
// the run as on one core.
#include <gtest/gtest.h>

#include <QObject>

#include <filesystem>

#include "ArchiveReader.h"
#include "DeflatedEntryForm.h"
#include "IndependentReaders.h"
#include "ParallelRun.h"
#include "PassPlan.h"
#include "Process.h"
#include "RandomBytes.h"
#include "TempDir.h"
#include "WholeEntryDeflater.h"
#include "ZipWriter.h"
#include "ZipperRecorder.h"

namespace fs = std::filesystem;

namespace {

constexpr size_t K = 131072;
constexpr size_t kJob = PassPlan::kChunksPerPiece * K;  // a piece: the job of a large entry
constexpr size_t kOverWhole = size_t(WholeEntryDeflater::kLimit);

Zipper::WriterFactory realWriter()
{
    return [] { return std::unique_ptr<ZipWriterInterface>(new ZipWriter); };
}

struct LargeCase {
    const char* name;
    std::string bytes;
    int level = -1;
    std::string password = {};
};

// The archive with `bytes` as its only entry, made by four workers.
fs::path zipped(const TempDir& dir, const LargeCase& c, bool zlibBlocksOnly)
{
    const fs::path archive = dir / (zlibBlocksOnly ? "zlib.zip" : "out.zip");
    Zipper zipper(4, realWriter());
    zipper.SetZlibBlocksOnly(zlibBlocksOnly);
    EXPECT_FALSE(zipper.AddFile(dir / "src" / c.name, {}, 8, c.level, 0, {}, false, c.password));
    EXPECT_FALSE(zipper.Zip(archive));
    StepLog log(zipper);
    EXPECT_EQ(log.RunToEnd().back(), "Complete(false)");
    return archive;
}

class ZipperLargeEntry : public ::testing::TestWithParam<LargeCase> {};

TEST_P(ZipperLargeEntry, ReadersReadItAndItIsNoLargerThanZlibsBlocks)
{
    const LargeCase& c = GetParam();
    TempDir dir;
    dir.write(std::string("src/") + c.name, c.bytes);
    const fs::path archive = zipped(dir, c, false);
    expectReadersAgree(archive, {{c.name, c.bytes}}, c.password);
    const auto [method, compressed] = storedForm(archive);
    EXPECT_EQ(method, 8);
    EXPECT_LE(compressed, storedForm(zipped(dir, c, true)).second);
}

INSTANTIATE_TEST_SUITE_P(
    ContentsAndEnds, ZipperLargeEntry,
    ::testing::Values(
        // Its last job is one byte.
        LargeCase{"just-over.txt", textLike(kOverWhole + 1, 1)},
        LargeCase{"random.bin", randomBytes(5 * kJob + 3 * K + 7, 2)},
        // Ends with a whole job, and so with a whole chunk.
        LargeCase{"zeros.bin", std::string(6 * kJob, '\0')},
        LargeCase{"whole-chunks.txt", textLike(kOverWhole + 3 * K, 3)},
        // Its kinds change inside jobs and chunks.
        LargeCase{"mix.bin", textLike(2 * kJob + 300000, 4) + randomBytes(kJob + 77777, 5) +
                                 std::string(kJob + 5, '\0') + textLike(700001, 6)},
        LargeCase{"fastest.txt", textLike(kOverWhole + 99999, 7), 1},
        LargeCase{"smallest.txt", textLike(kOverWhole + 99999, 8), 9},
        LargeCase{"stored-blocks.txt", textLike(kOverWhole + 12345, 9), 0},
        LargeCase{"secret.txt", textLike(kOverWhole + 2 * K + 1, 10), -1, "pw"}),
    [](const ::testing::TestParamInfo<LargeCase>& info) {
        std::string name = info.param.name;
        for (char& ch : name)
            if (!std::isalnum(static_cast<unsigned char>(ch)))
                ch = '_';
        return name;
    });

// The steps of one run on one core and on four workers.
struct RunPair {
    std::vector<std::string> steps[2];
    fs::path archives[2];
};

// `makeSource` writes the file afresh for each run.
RunPair runOnBoth(const TempDir& dir, const std::function<fs::path()>& makeSource,
                  const std::function<void(Zipper&, int)>& onProgress, const std::function<void()>& beforeZip = {})
{
    RunPair run;
    for (int i = 0; i < 2; ++i) {
        Zipper zipper(i == 0 ? 1 : 4, realWriter());
        EXPECT_FALSE(zipper.AddFile(makeSource()));
        EXPECT_FALSE(zipper.AddFile(dir.write("src/after.txt", "after")));
        if (beforeZip)
            beforeZip();
        StepLog log(zipper);
        int progress = 0;
        QObject::connect(&zipper, &Zipper::Progress, [&] { onProgress(zipper, ++progress); });
        run.archives[i] = dir / ("out" + std::to_string(i) + ".zip");
        EXPECT_FALSE(zipper.Zip(run.archives[i]));
        run.steps[i] = log.RunToEnd();
    }
    return run;
}

// Cancelled at a chunk inside a job, or at a job's end (a step ends after its
// tenth chunk): the entry holds exactly the chunks the events reported, as on
// one core, and the events match.
TEST(ZipperLargeEntryCancel, EntryHoldsWhatWasReportedAsOnOneCore)
{
    const struct {
        int cancelAt;        // the Progress event that cancels
        size_t chunksWritten;
    } cases[] = {{3, 10}, {12, 20}, {33, 40}};
    for (const auto& c : cases) {
        TempDir dir;
        const std::string bytes = textLike(9 * kJob + 5, 11);
        const auto cancelAt = [&](Zipper& zipper, int progress) {
            if (progress == c.cancelAt)
                zipper.Cancel();
        };
        const RunPair run = runOnBoth(dir, [&] { return dir.write("src/cut.txt", bytes); }, cancelAt);
        EXPECT_EQ(run.steps[0], run.steps[1]) << c.cancelAt;
        for (const fs::path& archive : run.archives) {
            const PyZipRead read = pythonReadZip(archive);
            ASSERT_TRUE(read.ok) << read.error;
            ASSERT_EQ(read.entries.size(), 1u);
            const std::string& written = read.entries.at("cut.txt");
            EXPECT_EQ(written.size(), c.chunksWritten * K) << c.cancelAt;
            EXPECT_TRUE(written == bytes.substr(0, written.size())) << c.cancelAt;
            EXPECT_TRUE(unzipTest(archive).ok) << c.cancelAt;
            EXPECT_EQ(runProcess({"7z", "t", archive.string()}).exitCode, 0) << c.cancelAt;
        }
    }
}

// The file is cut short after it was queued, at a job's first chunk or inside
// a job: the chunks before the cut are reported, then the read fails, as on
// one core, and an older archive of the name stays.
TEST(ZipperLargeEntryReadFailure, FailsAtTheChunkTheFileEndsInAsOnOneCore)
{
    for (const size_t cut : {5 * kJob + 100000, 5 * kJob + 2 * K + 100000}) {
        TempDir dir;
        const std::string bytes = textLike(9 * kJob, 12);
        const fs::path source = dir / "src" / "shrinks.txt";
        dir.write("out0.zip", "OLD ARCHIVE");
        dir.write("out1.zip", "OLD ARCHIVE");
        const RunPair run = runOnBoth(
            dir, [&] { return dir.write("src/shrinks.txt", bytes); }, [](Zipper&, int) {},
            [&] { fs::resize_file(source, cut); });
        EXPECT_EQ(run.steps[0], run.steps[1]) << cut;
        ASSERT_FALSE(run.steps[1].empty());
        const std::string& last = run.steps[1].back();
        EXPECT_EQ(last.substr(last.size() - std::min(last.size(), size_t(15))), "Error(ReadFile)") << cut;
        std::string all;
        for (const std::string& step : run.steps[1])
            all += step + " ";
        EXPECT_NE(all.find("Progress(" + std::to_string(cut / K * K) + ") "), std::string::npos) << cut;
        EXPECT_EQ(all.find("Progress(" + std::to_string(cut / K * K + K) + ") "), std::string::npos) << cut;
        for (const fs::path& archive : run.archives)
            EXPECT_TRUE(readFileBytes(archive) == "OLD ARCHIVE") << cut;
    }
}

}  // namespace
