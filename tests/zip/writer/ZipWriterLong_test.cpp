#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>

#include <chrono>
#include <vector>

#include "ArchiveReader.h"
#include "IndependentReaders.h"
#include "TempDir.h"
#include "ZipWriterTestHelpers.h"

// Archives past the limits of the original ZIP format: each must still be
// read by unzip and 7-Zip.

namespace {

void expectReadersAccept(const std::filesystem::path& archive)
{
    const UnzipCheck unzip = unzipTest(archive);
    EXPECT_TRUE(unzip.ok) << unzip.output.substr(unzip.output.size() > 2000 ? unzip.output.size() - 2000 : 0);
    const ProcessResult seven = runProcess({"7z", "t", archive.string()});
    EXPECT_EQ(seven.exitCode, 0) << seven.out.substr(seven.out.size() > 2000 ? seven.out.size() - 2000 : 0);
}

}  // namespace

TEST(ZipWriterLong, FourGiBEntry)
{
    TempDir dir;
    // A sparse file of 4 GiB + 1 byte, read in chunks like any file.
    const auto source = dir / "big.bin";
    const uint64_t size = 0x100000001ull;
    {
        const int fd = ::open(source.c_str(), O_CREAT | O_WRONLY | O_TRUNC, 0644);
        ASSERT_GE(fd, 0);
        ASSERT_EQ(pwrite(fd, "!", 1, static_cast<off_t>(size - 1)), 1);
        ::close(fd);
    }
    const auto archive = dir / "big.zip";
    ZipWriter writer;
    ASSERT_FALSE(writer.OpenZip(archive.string()));
    writeEntry(writer, "before.txt", "small entry before");
    ASSERT_FALSE(writer.OpenFileInZip("big.bin", 8, 1, 0, {}, 1, {}, 0, size));
    {
        const int fd = ::open(source.c_str(), O_RDONLY);
        ASSERT_GE(fd, 0);
        std::vector<unsigned char> chunk(4 << 20);
        uint64_t total = 0;
        for (;;) {
            const ssize_t got = ::read(fd, chunk.data(), chunk.size());
            ASSERT_GE(got, 0);
            if (got == 0)
                break;
            total += static_cast<uint64_t>(got);
            ASSERT_FALSE(writer.WriteBytes({chunk.data(), static_cast<size_t>(got)})) << writer.Result();
        }
        ::close(fd);
        ASSERT_EQ(total, size);
    }
    ASSERT_FALSE(writer.CloseFileInZip()) << writer.Result();
    writeEntry(writer, "after.txt", "small entry after");
    ASSERT_FALSE(writer.CloseZip()) << writer.Result();

    const auto entries = storedEntries(archive);
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_EQ(entries[1].size, size);
    expectReadersAccept(archive);
}

// The 16-bit entry counts of the end record hold 65,535 at most: from 65,536
// entries on the Zip64 end records carry the count, and every reader finds
// each entry on either side of that line.
TEST(ZipWriterLong, EntryCountsAroundTheSixteenBitLimit)
{
    for (const int count : {65535, 65536, 70000}) {
        SCOPED_TRACE(count);
        TempDir dir;
        const auto archive = dir / "many.zip";
        ZipWriter writer;
        ASSERT_FALSE(writer.OpenZip(archive.string()));
        for (int i = 0; i < count; ++i) {
            ASSERT_FALSE(writer.OpenFileInZip("e" + std::to_string(i), 8, -1, 0, {}, 45000)) << i;
            ASSERT_FALSE(writer.CloseFileInZip()) << i;
        }
        ASSERT_FALSE(writer.CloseZip()) << writer.Result();

        EXPECT_EQ(storedEntries(archive).size(), static_cast<size_t>(count));
        expectReadersAccept(archive);
        EXPECT_EQ(pythonNames(archive).size(), static_cast<size_t>(count));
        const ProcessResult tar = runProcess({"bsdtar", "-tf", archive.string()});
        EXPECT_EQ(tar.exitCode, 0);
    }
}

// An entry declared small (so without Zip64) is refused once its running
// total would pass what the format can hold, though every single write is
// far under it: 64 MiB writes of zeros, deflated to almost nothing.
TEST(ZipWriterLong, EntryWithoutZip64IsRefusedOnItsRunningTotal)
{
    TempDir dir;
    ZipWriter writer;
    ASSERT_FALSE(writer.OpenZip((dir / "limit.zip").string()));
    ASSERT_FALSE(writer.OpenFileInZip("zeros.bin", 8, 1, 0, {}, 1, {}, 0, 1000));
    const std::vector<unsigned char> zeros(64u << 20, 0);
    uint64_t accepted = 0;
    bool refused = false;
    while (!refused && accepted < (5ull << 30)) {
        refused = writer.WriteBytes(zeros);
        if (!refused)
            accepted += zeros.size();
    }
    ASSERT_TRUE(refused) << "accepted " << accepted << " bytes into an entry without Zip64";
    EXPECT_LT(accepted, 0xFFFFFFFFull);
    EXPECT_GT(accepted + zeros.size(), 0xFFFFFFFFull - (64ull << 20)) << "refused too early";
    EXPECT_EQ(writer.Result(), -102);
    EXPECT_TRUE(writer.CloseZip());
}
