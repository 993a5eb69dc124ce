// Entries the workers deflate whole with libdeflate: every reader reads them,
// they are no larger than zlib makes them at the level asked for, and a
// cancel inside one leaves what one core leaves.
#include <gtest/gtest.h>

#include <QObject>

#include <optional>

#include "ArchiveReader.h"
#include "DeflatedEntryForm.h"
#include "IndependentReaders.h"
#include "ParallelRun.h"
#include "TempDir.h"
#include "WholeEntryDeflater.h"
#include "ZipWriter.h"
#include "ZipperRecorder.h"

namespace fs = std::filesystem;

namespace {

constexpr size_t K = 131072;

Zipper::WriterFactory realWriter()
{
    return [] { return std::unique_ptr<ZipWriterInterface>(new ZipWriter); };
}

struct WholeCase {
    const char* name;
    std::string bytes;
    int level;
    std::string password;
    // Checked against zlib's size: not for pieces joined by sync flushes
    // (a few bytes each) nor for a few dozen bytes (a byte either way).
    bool noLarger = true;
    // The stored stream is libdeflate's of the whole file in one call, not
    // pieces joined (checked where it must be so, or must not).
    std::optional<bool> oneStream = std::nullopt;
};

std::string text(size_t size)
{
    return textLike(size, unsigned(size));
}

class ZipperWholeEntry : public ::testing::TestWithParam<WholeCase> {};

TEST_P(ZipperWholeEntry, ReadersReadItAndItIsNoLargerThanZlibMakesIt)
{
    const WholeCase& c = GetParam();
    TempDir dir;
    Zipper zipper(4, realWriter());
    ASSERT_FALSE(zipper.AddFile(dir.write(std::string("src/") + c.name, c.bytes), {}, 8, c.level, 0, {}, false,
                                c.password));
    ASSERT_FALSE(zipper.Zip(dir / "out.zip"));
    StepLog log(zipper);
    ASSERT_EQ(log.RunToEnd().back(), "Complete(false)");
    expectReadersAgree(dir / "out.zip", {{c.name, c.bytes}}, c.password);
    const auto [method, compressed] = storedForm(dir / "out.zip");
    EXPECT_EQ(method, 8);
    // An encrypted entry carries its 12-byte header in the compressed size.
    const size_t header = c.password.empty() ? 0 : 12;
    if (c.noLarger) {
        EXPECT_LE(compressed, zlibSize(c.bytes, c.level) + header) << "level " << c.level;
    }
    if (c.oneStream) {
        std::vector<unsigned char> whole;
        WholeEntryDeflater deflater;
        ASSERT_TRUE(deflater.Deflate(
            {reinterpret_cast<const unsigned char*>(c.bytes.data()), c.bytes.size()}, c.level, whole));
        EXPECT_EQ(storedBytes(dir / "out.zip") == std::string(whole.begin(), whole.end()), *c.oneStream);
    }
}

INSTANTIATE_TEST_SUITE_P(
    LevelsAndSizes, ZipperWholeEntry,
    ::testing::Values(WholeCase{"default.txt", text(600000), -1, {}},
                      WholeCase{"level1.txt", text(300000), 1, {}},
                      WholeCase{"level5.txt", text(300000), 5, {}},
                      WholeCase{"level9.txt", text(300000), 9, {}},
                      // Stored blocks in a deflate entry, as zlib's level 0 makes.
                      WholeCase{"level0.txt", text(200000), 0, {}},
                      WholeCase{"random.bin", patternBytes(3 << 20, 41), -1, {}},
                      WholeCase{"one-chunk.txt", text(K), -1, {}},
                      // Tiny ones keep zlib's fixed codes.
                      WholeCase{"one-byte.txt", "x", -1, {}},
                      WholeCase{"just-whole.txt", text(size_t(WholeEntryDeflater::kMinimum)), -1, {}, false},
                      WholeCase{"at-the-limit.txt", text(size_t(WholeEntryDeflater::kLimit)), -1, {}, true, true},
                      // One byte more is deflated a job at a time.
                      WholeCase{"past-the-limit.txt", text(size_t(WholeEntryDeflater::kLimit) + 1), -1, {}, false,
                                false},
                      WholeCase{"secret.txt", text(900000), -1, "pw"}),
    [](const ::testing::TestParamInfo<WholeCase>& info) {
        std::string name = info.param.name;
        for (char& ch : name)
            if (!std::isalnum(static_cast<unsigned char>(ch)))
                ch = '_';
        return name;
    });

// Cancelled a few chunks into an entry made whole: the entry holds exactly
// the chunks the events reported, as on one core, and the events match. Those
// chunks are read again at the cancel (the whole entry's piece was made for
// all of it): a source changed since the workers read it, its length the same,
// fails the run there and the older archive stays.
TEST(ZipperWholeEntryCancel, EntryHoldsWhatWasReportedAsOnOneCore)
{
    TempDir dir;
    const std::string bytes = text(3500000);
    const fs::path source = dir.write("src/cut.txt", bytes);
    const struct {
        const char* name;
        bool changed;
    } cases[] = {{"unchanged", false}, {"changedSameLength", true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        dir.write("src/cut.txt", bytes);
        std::string written[2];
        std::vector<std::string> steps[2];
        for (int i = c.changed ? 1 : 0; i < 2; ++i) {
            Zipper zipper(i == 0 ? 1 : 4, realWriter());
            ASSERT_FALSE(zipper.AddFile(source));
            ASSERT_FALSE(zipper.AddFile(dir.write("src/after.txt", "after")));
            StepLog log(zipper);
            int progress = 0;
            QObject::connect(&zipper, &Zipper::Progress, [&] {
                if (++progress != 12)
                    return;
                // The workers have read the whole entry before its first chunk is written.
                if (c.changed)
                    dir.write("src/cut.txt", std::string(bytes.size(), 'z'));
                zipper.Cancel();
            });
            const fs::path archive = dir / ("out" + std::to_string(i) + ".zip");
            dir.write(archive.filename().string(), "OLD ARCHIVE");
            ASSERT_FALSE(zipper.Zip(archive));
            steps[i] = log.RunToEnd();
            if (c.changed) {
                EXPECT_NE(steps[i].back().find("Error(ReadFile)"), std::string::npos) << steps[i].back();
                EXPECT_TRUE(readFileBytes(archive) == "OLD ARCHIVE") << "the older archive was replaced";
                continue;
            }
            ASSERT_EQ(steps[i].back(), "Complete(true)");
            const PyZipRead read = pythonReadZip(archive);
            ASSERT_TRUE(read.ok) << read.error;
            ASSERT_EQ(read.entries.size(), 1u);
            written[i] = read.entries.at("cut.txt");
            EXPECT_TRUE(unzipTest(archive).ok);
        }
        if (c.changed)
            continue;
        EXPECT_EQ(steps[0], steps[1]);
        EXPECT_EQ(written[0].size(), 20 * K);  // the step that saw the cancel ran to its tenth chunk
        EXPECT_TRUE(written[1] == written[0]);
        EXPECT_TRUE(written[1] == bytes.substr(0, written[1].size()));
    }
}

}  // namespace
