#include <gtest/gtest.h>

#include <random>

#include "ArchiveReader.h"
#include "TempDir.h"
#include "TraditionalZipCipher.h"
#include "ZipWriterTestHelpers.h"

namespace {

int32_t crcOf(const std::string& data)
{
    ZipWriter crc;
    crc.OpenCrc();
    crc.CrcBytes(bytesOf(data));
    return crc.CloseCrc();
}

std::string mixedData()
{
    std::mt19937 random(7);
    std::string data;
    for (int i = 0; i < 300000; ++i)
        data.push_back(i % 3 == 0 ? static_cast<char>(random()) : static_cast<char>('a' + i % 26));
    return data;
}

}  // namespace

TEST(ZipWriterPassword, CipherRoundTripsAndHeaderEndsInTheCrc)
{
    TraditionalZipCipher encrypt("secret");
    std::array<unsigned char, 12> header{};
    ASSERT_TRUE(encrypt.MakeHeader(0xCBF43926u, header));
    std::string text = "hello world hello world";
    std::vector<unsigned char> bytes(text.begin(), text.end());
    encrypt.Encrypt(bytes);
    EXPECT_NE(std::string(bytes.begin(), bytes.end()), text);

    TraditionalZipCipher decrypt("secret");
    decrypt.Decrypt(header);
    EXPECT_EQ(header[10], 0xF4);
    EXPECT_EQ(header[11], 0xCB);
    decrypt.Decrypt(bytes);
    EXPECT_EQ(std::string(bytes.begin(), bytes.end()), text);
}

TEST(ZipWriterPassword, EncryptedEntriesOpenWithThePasswordOnly)
{
    TempDir dir;
    const auto archive = dir / "secret.zip";
    const std::string text = "hello world hello world";
    const std::string mixed = mixedData();
    ZipWriter writer;
    ASSERT_FALSE(writer.OpenZip(archive.string()));
    writeEntry(writer, "hello.txt", text, 1, 0, "pw", crcOf(text));
    writeEntry(writer, "empty.txt", "", 1, 0, "pw", crcOf(""));
    // A bigger entry written in chunks, and one stored rather than deflated.
    ASSERT_FALSE(writer.OpenFileInZip("mixed.bin", 8, 9, 0, {}, 1, "pw", crcOf(mixed)));
    for (size_t at = 0; at < mixed.size(); at += 131072)
        ASSERT_FALSE(writer.WriteBytes(bytesOf(mixed.substr(at, 131072))));
    ASSERT_FALSE(writer.CloseFileInZip());
    ASSERT_FALSE(writer.OpenFileInZip("stored.txt", 0, -1, 0, {}, 1, "pw", crcOf(text)));
    ASSERT_FALSE(writer.WriteBytes(bytesOf(text)));
    ASSERT_FALSE(writer.CloseFileInZip());
    ASSERT_FALSE(writer.CloseZip());

    const auto entries = storedEntries(archive);
    ASSERT_EQ(entries.size(), 4u);
    for (const auto& e : entries)
        EXPECT_EQ(e.flags & 1, 1u) << e.name;
    EXPECT_EQ(entries[3].method, 0);

    const UnzipCheck good = unzipTest(archive, "pw");
    EXPECT_TRUE(good.ok) << good.output;
    const PyZipRead read = pythonReadZip(archive, "pw");
    ASSERT_TRUE(read.ok) << read.error;
    EXPECT_EQ(read.entries, (std::map<std::string, std::string>{
                                {"hello.txt", text}, {"empty.txt", ""}, {"mixed.bin", mixed}, {"stored.txt", text}}));
    const ProcessResult seven = runProcess({"7z", "t", "-ppw", archive.string()});
    EXPECT_EQ(seven.exitCode, 0) << seven.out;

    const UnzipCheck wrong = unzipTest(archive, "wrong");
    EXPECT_FALSE(wrong.ok);
    EXPECT_NE(wrong.output.find("incorrect password"), std::string::npos) << wrong.output;
    EXPECT_FALSE(pythonReadZip(archive, "wrong").ok);
}

TEST(ZipWriterPassword, DataNotMatchingTheGivenCrcIsReported)
{
    TempDir dir;
    const auto archive = dir / "changed.zip";
    ZipWriter writer;
    ASSERT_FALSE(writer.OpenZip(archive.string()));
    ASSERT_FALSE(writer.OpenFileInZip("changed.txt", 8, -1, 0, {}, 1, "pw", crcOf("what the file held")));
    ASSERT_FALSE(writer.WriteBytes(bytesOf("what it holds now")));
    EXPECT_TRUE(writer.CloseFileInZip());
    EXPECT_EQ(writer.Result(), ZIP_PARAMERROR);
    // The entry is closed and the archive can be finished.
    EXPECT_TRUE(writer.CloseFileInZip());
    EXPECT_EQ(writer.Result(), ZipWriter::NotOpen);
    EXPECT_FALSE(writer.CloseZip());
    EXPECT_FALSE(unzipTest(archive, "pw").ok);
}
