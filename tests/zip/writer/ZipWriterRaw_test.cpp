// Entries handed over already deflated (or stored) and closed with their size
// and CRC; names with backslashes; the system's reason behind a failure.
#include <gtest/gtest.h>

#include <zlib.h>

#include <atomic>

#include "BlockCompressor.h"
#include "ArchiveReader.h"
#include "IndependentReaders.h"
#include "TempDir.h"
#include "ZipWriterTestHelpers.h"
#include "ZipperRecorder.h"

namespace {

constexpr int64_t K = 131072;

uint32_t crcOf(const std::string& data)
{
    return static_cast<uint32_t>(crc32(0L, reinterpret_cast<const Bytef*>(data.data()), uInt(data.size())));
}

// Deflates `data` the way the parallel run does: jobs of up to 8 chunks from
// one file, each primed with what comes before it.
std::string blockDeflate(const TempDir& dir, const std::string& data, int level = -1)
{
    const auto file = dir.write("block-source.bin", data);
    auto source = std::make_shared<SharedSource>(file);
    BlockCompressor compressor;
    std::atomic<bool> stop{false};
    std::string out;
    const int64_t perJob = 8 * K;
    for (int64_t offset = 0; offset < int64_t(data.size()) || offset == 0; offset += perJob) {
        CompressionJob job;
        job.source = source;
        job.level = level;
        job.offset = offset;
        job.length = std::min<int64_t>(perJob, int64_t(data.size()) - offset);
        job.chunkSize = K;
        job.finish = offset + job.length == int64_t(data.size()) && !data.empty();
        const CompressedBlock block = compressor.Run(job, stop);
        EXPECT_EQ(block.status, CompressedBlock::Status::Ok);
        out.append(block.data.begin(), block.data.end());
        if (data.empty())
            break;
    }
    if (data.empty())
        out.append(reinterpret_cast<const char*>(BlockCompressor::kEndOfStream), 2);
    return out;
}

void writeRaw(ZipWriter& writer, const std::string& name, int method, const std::string& raw,
              const std::string& plain, const std::string& password = {})
{
    const int32_t crc = static_cast<int32_t>(crcOf(plain));
    ASSERT_FALSE(writer.OpenRawFileInZip(name, method, -1, 0, {}, 45000, password, crc, plain.size()))
        << writer.Result();
    for (size_t at = 0; at < raw.size(); at += 100000)
        ASSERT_FALSE(writer.WriteBytes(bytesOf(raw.substr(at, 100000)))) << writer.Result();
    ASSERT_FALSE(writer.CloseRawFileInZip(plain.size(), crc)) << writer.Result();
}

}  // namespace

TEST(ZipWriterRaw, BlockDeflatedStoredAndEncryptedEntriesReadBackEverywhere)
{
    TempDir dir;
    const std::string text = patternBytes(40000, 3) + std::string(3 * 1024 * 1024, 'x') + patternBytes(5 * K + 17, 4);
    const std::string oneJob = patternBytes(8 * K, 5);
    const std::string small = "a small file\n";
    const auto archive = dir / "raw.zip";
    ZipWriter writer;
    ASSERT_FALSE(writer.OpenZip(archive.string()));
    writeRaw(writer, "many-jobs.bin", 8, blockDeflate(dir, text), text);
    writeRaw(writer, "one-job.bin", 8, blockDeflate(dir, oneJob, 9), oneJob);
    writeRaw(writer, "empty.txt", 8, blockDeflate(dir, ""), "");
    writeRaw(writer, "stored.txt", 0, small, small);
    writeRaw(writer, "secret.bin", 8, blockDeflate(dir, text), text, "pw");
    writeRaw(writer, "secret-stored.txt", 0, small, small, "pw");
    ASSERT_FALSE(writer.CloseZip()) << writer.Result();

    const auto stored = storedEntries(archive);
    ASSERT_EQ(stored.size(), 6u);
    EXPECT_EQ(stored[3].method, 0);
    EXPECT_EQ(stored[4].flags & 1, 1u);
    expectReadersAgree(archive,
                       {{"many-jobs.bin", text}, {"one-job.bin", oneJob}, {"empty.txt", ""}, {"stored.txt", small},
                        {"secret.bin", text}, {"secret-stored.txt", small}},
                       "pw");
}

TEST(ZipWriterRaw, RawAndPlainClosesAreNotInterchangeable)
{
    TempDir dir;
    const auto archive = dir / "mixed.zip";
    ZipWriter writer;
    ASSERT_FALSE(writer.OpenZip(archive.string()));
    EXPECT_TRUE(writer.CloseRawFileInZip(0, 0));
    EXPECT_EQ(writer.Result(), ZipWriter::NotOpen);
    ASSERT_FALSE(writer.OpenFileInZip("plain.txt"));
    EXPECT_TRUE(writer.CloseRawFileInZip(5, 0));
    EXPECT_EQ(writer.Result(), ZIP_PARAMERROR);
    ASSERT_FALSE(writer.WriteBytes(bytesOf("plain")));
    ASSERT_FALSE(writer.CloseFileInZip());
    ASSERT_FALSE(writer.OpenRawFileInZip("raw.txt", 0));
    EXPECT_TRUE(writer.CloseFileInZip());  // a raw entry's sizes come from its caller
    EXPECT_EQ(writer.Result(), ZIP_PARAMERROR);
    ASSERT_FALSE(writer.WriteBytes(bytesOf("raw")));
    ASSERT_FALSE(writer.CloseRawFileInZip(3, int32_t(crcOf("raw"))));
    ASSERT_FALSE(writer.CloseZip());
    const PyZipRead read = pythonReadZip(archive);
    ASSERT_TRUE(read.ok) << read.error;
    EXPECT_EQ(read.entries.at("plain.txt"), "plain");
    EXPECT_EQ(read.entries.at("raw.txt"), "raw");

    // An encrypted raw entry closed with another CRC than its header promised.
    ASSERT_FALSE(writer.OpenZip((dir / "bad.zip").string()));
    ASSERT_FALSE(writer.OpenRawFileInZip("bad.txt", 0, -1, 0, {}, 0, "pw", int32_t(crcOf("abc")), 3));
    ASSERT_FALSE(writer.WriteBytes(bytesOf("xyz")));
    EXPECT_TRUE(writer.CloseRawFileInZip(3, int32_t(crcOf("xyz"))));
    EXPECT_EQ(writer.Result(), ZIP_PARAMERROR);
    EXPECT_FALSE(writer.CloseZip());
}

// Entries are marked as made on MS-DOS: a Windows extractor would take a
// backslash as a folder separator and could write outside its target folder.
TEST(ZipWriterNames, BackslashesAreStoredAsUnderscores)
{
    TempDir dir;
    const auto archive = dir / "names.zip";
    ZipWriter writer;
    ASSERT_FALSE(writer.OpenZip(archive.string()));
    writeEntry(writer, "x\\..\\..\\tmp\\evil.txt", "evil");
    writeEntry(writer, "d\xc3\xa9j\xc3\xa0\\vu.txt", "unicode");  // also in the Unicode Path field
    ASSERT_FALSE(writer.OpenRawFileInZip("raw\\name.txt", 0, -1, 0, {}, 0, {}, int32_t(crcOf("r")), 1));
    ASSERT_FALSE(writer.WriteBytes(bytesOf("r")));
    ASSERT_FALSE(writer.CloseRawFileInZip(1, int32_t(crcOf("r"))));
    ASSERT_FALSE(writer.CloseZip());

    const std::vector<std::string> expected = {"x_.._.._tmp_evil.txt", "d\xc3\xa9j\xc3\xa0_vu.txt", "raw_name.txt"};
    EXPECT_EQ(pythonNames(archive), expected);
    const std::string unzip = unzipListing(archive);
    const std::string seven = sevenZipListing(archive);
    for (const std::string& name : expected) {
        EXPECT_NE(unzip.find(name), std::string::npos) << unzip;
        EXPECT_NE(seven.find(name), std::string::npos) << seven;
    }
    EXPECT_EQ(unzip.find('\\'), std::string::npos) << unzip;
    expectReadersAgree(archive, {{expected[0], "evil"}, {expected[1], "unicode"}, {expected[2], "r"}});
}

TEST(ZipWriterSystemError, FailuresKeepTheSystemsReason)
{
    TempDir dir;
    ZipWriter writer;
    EXPECT_TRUE(writer.OpenZip((dir / "no-such-folder" / "a.zip").string()));
    EXPECT_EQ(writer.SystemError(), std::errc::no_such_file_or_directory);
    // A refused call has no system reason.
    EXPECT_TRUE(writer.CloseZip());
    EXPECT_FALSE(writer.SystemError());

    ASSERT_FALSE(writer.OpenZip("/dev/full"));
    EXPECT_FALSE(writer.SystemError());
    ASSERT_FALSE(writer.OpenFileInZip("a.bin", 0));
    const std::string chunk = patternBytes(1 << 20);
    bool failed = false;
    for (int i = 0; i < 8 && !failed; ++i)
        failed = writer.WriteBytes(bytesOf(chunk));
    ASSERT_TRUE(failed);
    EXPECT_EQ(writer.SystemError(), std::errc::no_space_on_device) << writer.SystemError().message();
    // Later calls report the first failure with its reason.
    EXPECT_TRUE(writer.WriteBytes(bytesOf("x")));
    EXPECT_EQ(writer.SystemError(), std::errc::no_space_on_device);
    EXPECT_TRUE(writer.CloseZip());
    EXPECT_EQ(writer.SystemError(), std::errc::no_space_on_device);
}

// A file already at the archive's path is replaced whole, not written over.
TEST(ZipWriterArchiveFile, ReplacesWhatTheFileHeld)
{
    TempDir dir;
    const auto archive = dir.write("old.zip", patternBytes(1 << 20, 9));
    ZipWriter writer;
    ASSERT_FALSE(writer.OpenZip(archive.string()));
    writeEntry(writer, "new.txt", "new");
    ASSERT_FALSE(writer.CloseZip());
    EXPECT_LT(std::filesystem::file_size(archive), 1000u);
    expectReadersAgree(archive, {{"new.txt", "new"}});
}
