#include <gtest/gtest.h>

#include <sys/mman.h>

#include <cmath>
#include <cstdlib>
#include <fstream>
#include <optional>

#include "ArchiveReader.h"
#include "OleDate.h"
#include "TempDir.h"
#include "ZipWriterTestHelpers.h"

namespace {

double dateOf(int y, int mo, int d, int h, int mi, int s)
{
    return OleDate::FromFields(OleDate::Fields{y, mo, d, h, mi, s});
}

std::string fileBytes(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Tools print names in the locale's encoding; run them in a UTF-8 one.
class Utf8Locale {
public:
    Utf8Locale()
    {
        if (const char* old = std::getenv("LC_ALL"))
            old_ = old;
        setenv("LC_ALL", "C.UTF-8", 1);
    }
    ~Utf8Locale()
    {
        if (old_)
            setenv("LC_ALL", old_->c_str(), 1);
        else
            unsetenv("LC_ALL");
    }

private:
    std::optional<std::string> old_;
};

}  // namespace

TEST(ZipWriter, CallsOutOfOrderAreRefusedWithTheirCodes)
{
    TempDir dir;
    ZipWriter writer;
    EXPECT_EQ(writer.Result(), 0);

    EXPECT_TRUE(writer.WriteBytes(bytesOf("x")));
    EXPECT_EQ(writer.Result(), ZipWriter::NotOpen);
    EXPECT_TRUE(writer.OpenFileInZip("a.txt"));
    EXPECT_EQ(writer.Result(), ZipWriter::NotOpen);
    EXPECT_TRUE(writer.CloseFileInZip());
    EXPECT_EQ(writer.Result(), ZipWriter::NotOpen);
    EXPECT_TRUE(writer.CloseZip());
    EXPECT_EQ(writer.Result(), ZipWriter::NotOpen);

    const auto archive = dir / "a.zip";
    ASSERT_FALSE(writer.OpenZip(archive.string()));
    EXPECT_EQ(writer.Result(), 0);
    EXPECT_TRUE(writer.OpenZip((dir / "b.zip").string()));
    EXPECT_EQ(writer.Result(), ZipWriter::AlreadyOpen);
    EXPECT_FALSE(std::filesystem::exists(dir / "b.zip"));

    EXPECT_TRUE(writer.WriteBytes(bytesOf("x")));  // archive open, entry not
    EXPECT_EQ(writer.Result(), ZipWriter::NotOpen);
    EXPECT_TRUE(writer.CloseFileInZip());
    EXPECT_EQ(writer.Result(), ZipWriter::NotOpen);

    ASSERT_FALSE(writer.OpenFileInZip("a.txt"));
    EXPECT_TRUE(writer.OpenFileInZip("b.txt"));
    EXPECT_EQ(writer.Result(), ZipWriter::AlreadyOpen);
    ASSERT_FALSE(writer.WriteBytes(bytesOf("first archive")));

    // Closing the archive with the entry still open closes the entry first.
    EXPECT_FALSE(writer.CloseZip());
    EXPECT_EQ(writer.Result(), 0);
    EXPECT_TRUE(writer.CloseZip());
    EXPECT_EQ(writer.Result(), ZipWriter::NotOpen);
    EXPECT_TRUE(unzipTest(archive).ok);
    const PyZipRead read = pythonReadZip(archive);
    ASSERT_TRUE(read.ok) << read.error;
    EXPECT_EQ(read.entries, (std::map<std::string, std::string>{{"a.txt", "first archive"}}));

    // The same writer goes on to the next archive.
    const auto second = dir / "second.zip";
    ASSERT_FALSE(writer.OpenZip(second.string()));
    writeEntry(writer, "dir/b.txt", "second");
    writeEntry(writer, "empty", "");
    ASSERT_FALSE(writer.CloseZip());
    EXPECT_EQ(pythonReadZip(second).entries,
              (std::map<std::string, std::string>{{"dir/b.txt", "second"}, {"empty", ""}}));
}

TEST(ZipWriter, OpenZipFailsWithMinusOneWhereNoFileCanBeMade)
{
    TempDir dir;
    ZipWriter writer;
    EXPECT_TRUE(writer.OpenZip((dir / "no-such-folder" / "a.zip").string()));
    EXPECT_EQ(writer.Result(), ZipWriter::NoHandle);
    EXPECT_TRUE(writer.OpenZip(""));
    EXPECT_EQ(writer.Result(), ZipWriter::NoHandle);
    // Still idle: a good path works afterwards.
    EXPECT_FALSE(writer.OpenZip((dir / "a.zip").string()));
}

TEST(ZipWriter, RunningCrcAccumulatesAcrossChunks)
{
    ZipWriter writer;
    writer.OpenCrc();
    EXPECT_EQ(writer.CloseCrc(), 0);
    writer.CrcBytes(bytesOf("12345"));
    writer.CrcBytes(bytesOf(""));
    writer.CrcBytes(bytesOf("6789"));
    // CRC-32 of "123456789" is 0xCBF43926, handed out as a signed value.
    EXPECT_EQ(writer.CloseCrc(), static_cast<int32_t>(0xCBF43926u));
    EXPECT_EQ(writer.CloseCrc(), static_cast<int32_t>(0xCBF43926u));  // not reset
    writer.OpenCrc();
    writer.CrcBytes(bytesOf("hello world"));
    EXPECT_EQ(writer.CloseCrc(), 0x0D4A1185);
    EXPECT_EQ(writer.Result(), 0);
}

TEST(ZipWriter, StoresDatesInDosFormAndKeepsOnlyFourAttributes)
{
    TempDir dir;
    const auto archive = dir / "dates.zip";
    ZipWriter writer;
    ASSERT_FALSE(writer.OpenZip(archive.string()));
    const double before = OleDate::LocalNow();
    writeEntry(writer, "march", "", dateOf(2024, 3, 15, 14, 7, 9), 0x21);
    writeEntry(writer, "dir-attr", "", dateOf(2024, 3, 15, 14, 7, 10), 0x10);
    writeEntry(writer, "normal-attr", "", dateOf(2024, 3, 15, 14, 7, 10), 0x80);
    writeEntry(writer, "all-attrs", "", dateOf(2024, 3, 15, 14, 7, 10), 0xFF);
    writeEntry(writer, "1970", "", dateOf(1970, 6, 1, 12, 0, 0));
    writeEntry(writer, "1899", "", -1000.5);
    writeEntry(writer, "2110", "", dateOf(2110, 1, 1, 0, 0, 0));
    writeEntry(writer, "last-second", "", dateOf(2107, 12, 31, 23, 59, 59));
    writeEntry(writer, "now", "", 0);
    ASSERT_FALSE(writer.CloseZip());
    const double after = OleDate::LocalNow();

    const auto entries = storedEntries(archive);
    ASSERT_EQ(entries.size(), 9u);
    struct Expected {
        int y, mo, d, h, mi, s;
        unsigned long attr;
    };
    const Expected expected[] = {
        {2024, 3, 15, 14, 7, 8, 0x21},       // seconds kept in steps of two
        {2024, 3, 15, 14, 7, 10, 0},         // directory bit dropped
        {2024, 3, 15, 14, 7, 10, 0},         // "normal" bit dropped
        {2024, 3, 15, 14, 7, 10, 0x27},      // only read-only, hidden, system, archive
        {1980, 1, 1, 0, 0, 0, 0},            // before the DOS range
        {1980, 1, 1, 0, 0, 0, 0},
        {2107, 12, 31, 23, 59, 58, 0},       // after the DOS range
        {2107, 12, 31, 23, 59, 58, 0},
    };
    for (size_t i = 0; i < std::size(expected); ++i) {
        SCOPED_TRACE(entries[i].name);
        const auto& e = entries[i];
        const auto& x = expected[i];
        EXPECT_EQ(std::tie(e.year, e.month, e.day, e.hour, e.minute, e.second),
                  std::tie(x.y, x.mo, x.d, x.h, x.mi, x.s));
        EXPECT_EQ(e.externalAttr, x.attr);
    }
    const auto& now = entries[8];
    const double stamped = dateOf(now.year, now.month, now.day, now.hour, now.minute, now.second);
    EXPECT_GE(stamped, before - 2.5 / 86400);
    EXPECT_LE(stamped, after + 1.0 / 86400);
    EXPECT_TRUE(unzipTest(archive).ok);
}

TEST(ZipWriter, StoredAndDeflatedEntriesReadBack)
{
    TempDir dir;
    const auto archive = dir / "methods.zip";
    std::string data;
    for (int i = 0; i < 20000; ++i)
        data += "line " + std::to_string(i) + "\n";
    ZipWriter writer;
    ASSERT_FALSE(writer.OpenZip(archive.string()));
    for (auto [name, method, level] : {std::tuple{"stored", 0, -1}, {"fast", 8, 1}, {"best", 8, 9}, {"zero", 8, 0}}) {
        ASSERT_FALSE(writer.OpenFileInZip(name, method, level, 0, "a comment")) << name << writer.Result();
        // Written in uneven pieces, as a caller reading a file would.
        for (size_t at = 0; at < data.size(); at += 70001)
            ASSERT_FALSE(writer.WriteBytes(bytesOf(data.substr(at, 70001))));
        ASSERT_FALSE(writer.CloseFileInZip());
    }
    ASSERT_FALSE(writer.CloseZip());
    const PyZipRead read = pythonReadZip(archive);
    ASSERT_TRUE(read.ok) << read.error;
    ASSERT_EQ(read.entries.size(), 4u);
    for (const auto& [name, contents] : read.entries)
        EXPECT_EQ(contents, data) << name;
    const auto entries = storedEntries(archive);
    EXPECT_EQ(entries[0].method, 0);
    EXPECT_EQ(entries[1].method, 8);
    EXPECT_TRUE(unzipTest(archive).ok);
}

TEST(ZipWriter, BadEntryArgumentsAreRefusedAndTheArchiveStaysUsable)
{
    TempDir dir;
    const auto archive = dir / "refused.zip";
    ZipWriter writer;
    ASSERT_FALSE(writer.OpenZip(archive.string()));
    struct Case {
        const char* what;
        std::string name;
        int32_t method;
        int32_t level;
        std::string comment;
        double date;
    };
    const Case cases[] = {
        {"empty name", "", 8, -1, "", 1},
        {"NUL in name", std::string("a\0b", 3), 8, -1, "", 1},
        {"name over 65,535 bytes", std::string(65536, 'n'), 8, -1, "", 1},
        {"comment over 65,535 bytes", "a", 8, -1, std::string(65536, 'c'), 1},
        {"NUL in comment", "a", 8, -1, std::string("x\0y", 3), 1},
        {"unknown method", "a", 12, -1, "", 1},
        {"level past 9", "a", 8, 10, "", 1},
        {"date not a number", "a", 8, -1, "", std::nan("")},
    };
    for (const Case& c : cases) {
        EXPECT_TRUE(writer.OpenFileInZip(c.name, c.method, c.level, 0, c.comment, c.date)) << c.what;
        EXPECT_EQ(writer.Result(), ZIP_PARAMERROR) << c.what;
        EXPECT_TRUE(writer.WriteBytes(bytesOf("x"))) << c.what;  // no entry was opened
        EXPECT_EQ(writer.Result(), ZipWriter::NotOpen) << c.what;
    }
    writeEntry(writer, "good.txt", "still fine");
    ASSERT_FALSE(writer.CloseZip());
    EXPECT_TRUE(unzipTest(archive).ok);
    EXPECT_EQ(pythonReadZip(archive).entries, (std::map<std::string, std::string>{{"good.txt", "still fine"}}));
}

TEST(ZipWriter, NonAsciiNamesAreMarkedUtf8AndCarryTheUnicodePathField)
{
    Utf8Locale utf8;
    TempDir dir;
    const auto archive = dir / "names.zip";
    const std::string unicode = "été_日本.txt";
    const std::string invalid = "bad\xff.txt";
    ZipWriter writer;
    ASSERT_FALSE(writer.OpenZip(archive.string()));
    writeEntry(writer, unicode, "unicode");
    writeEntry(writer, "plain.txt", "ascii");
    writeEntry(writer, invalid, "raw bytes");
    ASSERT_FALSE(writer.CloseZip());

    const auto entries = storedEntries(archive);
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_EQ(entries[0].name, unicode);
    EXPECT_EQ(entries[0].flags & 0x800, 0x800u);
    EXPECT_EQ(entries[0].extraHex.substr(0, 4), "7570");  // 0x7075, little-endian
    EXPECT_EQ(entries[1].flags & 0x800, 0u);
    EXPECT_EQ(entries[1].extraHex, "-");
    EXPECT_EQ(entries[2].flags & 0x800, 0u);
    EXPECT_EQ(entries[2].extraHex, "-");

    const PyZipRead read = pythonReadZip(archive);
    ASSERT_TRUE(read.ok) << read.error;
    EXPECT_EQ(read.entries.at(unicode), "unicode");

    const ProcessResult unzipList = runProcess({"unzip", "-l", archive.string()});
    EXPECT_NE(unzipList.out.find(unicode), std::string::npos) << unzipList.out;
    const ProcessResult sevenList = runProcess({"7z", "l", archive.string()});
    EXPECT_NE(sevenList.out.find(unicode), std::string::npos) << sevenList.out;
    const ProcessResult tarList = runProcess({"bsdtar", "-tf", archive.string()});
    EXPECT_EQ(tarList.exitCode, 0) << tarList.out;
    EXPECT_NE(tarList.out.find(unicode), std::string::npos) << tarList.out;
    EXPECT_TRUE(unzipTest(archive).ok);
}

TEST(ZipWriter, EntriesThatCouldReachFourGiBAreOpenedWithZip64)
{
    TempDir dir;
    const auto archive = dir / "zip64.zip";
    ZipWriter writer;
    ASSERT_FALSE(writer.OpenZip(archive.string()));
    ASSERT_FALSE(writer.OpenFileInZip("small", 8, -1, 0, {}, 1, {}, 0, 1000));
    ASSERT_FALSE(writer.CloseFileInZip());
    // Just under 4 GiB, but incompressible data could deflate to more.
    ASSERT_FALSE(writer.OpenFileInZip("maybe-big", 8, -1, 0, {}, 1, {}, 0, 0xFFFFFFFFull - 100));
    ASSERT_FALSE(writer.CloseFileInZip());
    ASSERT_FALSE(writer.CloseZip());
    const std::string bytes = fileBytes(archive);
    const size_t second = bytes.find(std::string("PK\x03\x04", 4), 4);
    ASSERT_NE(second, std::string::npos);
    auto versionNeeded = [&](size_t header) {
        return static_cast<unsigned char>(bytes[header + 4]) | static_cast<unsigned char>(bytes[header + 5]) << 8;
    };
    EXPECT_EQ(versionNeeded(0), 20);
    EXPECT_EQ(versionNeeded(second), 45);
    const UnzipCheck unzip = unzipTest(archive);
    EXPECT_TRUE(unzip.ok) << unzip.output;
    EXPECT_TRUE(pythonReadZip(archive).ok);
}

TEST(ZipWriter, EntryWithoutZip64RefusesDataPastFourGiB)
{
    TempDir dir;
    const auto archive = dir / "limit.zip";
    // Reserved but never touched: the write is refused before any byte is read.
    const size_t size = 0x100000000ull;
    void* memory = mmap(nullptr, size, PROT_READ, MAP_PRIVATE | MAP_ANONYMOUS | MAP_NORESERVE, -1, 0);
    ASSERT_NE(memory, MAP_FAILED);
    ZipWriter writer;
    ASSERT_FALSE(writer.OpenZip(archive.string()));
    ASSERT_FALSE(writer.OpenFileInZip("unknown-size"));
    EXPECT_TRUE(writer.WriteBytes({static_cast<const unsigned char*>(memory), size}));
    EXPECT_EQ(writer.Result(), ZIP_PARAMERROR);
    // The failed entry spoils the archive: nothing more is written as if fine.
    EXPECT_TRUE(writer.WriteBytes(bytesOf("more")));
    EXPECT_TRUE(writer.CloseFileInZip());
    EXPECT_EQ(writer.Result(), ZIP_PARAMERROR);
    EXPECT_TRUE(writer.OpenFileInZip("next"));
    EXPECT_TRUE(writer.CloseZip());
    EXPECT_EQ(writer.Result(), ZIP_PARAMERROR);
    munmap(memory, size);
}

TEST(ZipWriter, DestructionClosesTheOpenEntryAndArchive)
{
    TempDir dir;
    const auto archive = dir / "dropped.zip";
    {
        ZipWriter writer;
        ASSERT_FALSE(writer.OpenZip(archive.string()));
        writeEntry(writer, "one", "1");
        ASSERT_FALSE(writer.OpenFileInZip("two"));
        ASSERT_FALSE(writer.WriteBytes(bytesOf("22")));
    }
    EXPECT_TRUE(unzipTest(archive).ok);
    EXPECT_EQ(pythonReadZip(archive).entries, (std::map<std::string, std::string>{{"one", "1"}, {"two", "22"}}));
}

TEST(ZipWriter, AppendModeAddsToAnExistingArchive)
{
    TempDir dir;
    const auto archive = dir / "grow.zip";
    ZipWriter writer;
    ASSERT_FALSE(writer.OpenZip(archive.string()));
    writeEntry(writer, "first.txt", "one");
    ASSERT_FALSE(writer.CloseZip());
    ASSERT_FALSE(writer.OpenZip(archive.string(), APPEND_STATUS_ADDINZIP));
    writeEntry(writer, "second.txt", "two");
    ASSERT_FALSE(writer.CloseZip());
    EXPECT_TRUE(unzipTest(archive).ok);
    EXPECT_EQ(pythonReadZip(archive).entries,
              (std::map<std::string, std::string>{{"first.txt", "one"}, {"second.txt", "two"}}));
}
