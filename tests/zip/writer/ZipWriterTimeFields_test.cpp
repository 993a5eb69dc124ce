// The time extra fields of each kind of entry, byte for byte in both
// headers, beside the fields minizip and the writer add themselves (Zip64,
// Unicode Path), and each archive still read by every reader, password
// entries included.
#include <gtest/gtest.h>

#include <QSignalSpy>

#include <fcntl.h>
#include <sys/stat.h>
#include <zlib.h>

#include <optional>

#include "EntryTimeReaders.h"
#include "IndependentReaders.h"
#include "OleDate.h"
#include "TempDir.h"
#include "ZipWriter.h"
#include "ZipWriterTestHelpers.h"
#include "Zipper.h"

namespace fs = std::filesystem;

namespace {

constexpr int kUnix = 0x5455, kNtfs = 0x000a, kZip64 = 0x0001, kUnicodePath = 0x7075;

FileTimes same(int64_t seconds, uint32_t nanoseconds)
{
    return {{seconds, nanoseconds}, {seconds, nanoseconds}, {seconds, nanoseconds}, true};
}

const FileTimes kTimes{{1700000001, 123456789}, {1700003600, 500000000}, {1600000000, 0}, true};
const FileTimes kNoBirth{{1700000001, 123456789}, {1700003600, 500000000}, {}, false};

// 0x5455 with 1700000001; 0x000A with its three times.
const char* const kUnixHex = "555405000101f15365";
const char* const kNtfsHex =
    "0a0020000000000001001800076d18c74717da0140b37d285017da010080a621c989d601";

struct Row {
    const char* what;
    std::string name;
    std::optional<FileTimes> times;
    std::string password;
    bool raw;               // written through OpenRawFileInZip, stored
    uint64_t expectedSize;  // what the writer is told; 4 GiB or more makes a Zip64 entry
    std::string hex;        // the time fields, in the local and the central header alike
    std::vector<int> localIds;
};

const Row kRows[] = {
    {"file times", "a.txt", kTimes, "", false, 0, std::string(kUnixHex) + kNtfsHex, {kUnix, kNtfs}},
    // The modification time stands in for a creation time the file system does not keep.
    {"no birth time", "a.txt", kNoBirth, "", false, 0,
     std::string(kUnixHex) + "0a0020000000000001001800076d18c74717da0140b37d285017da01076d18c74717da01",
     {kUnix, kNtfs}},
    {"password", "a.txt", kTimes, "secret", false, 0, std::string(kUnixHex) + kNtfsHex, {kUnix, kNtfs}},
    {"raw, stored, password", "a.txt", kTimes, "secret", true, 0, std::string(kUnixHex) + kNtfsHex,
     {kUnix, kNtfs}},
    {"Zip64", "a.txt", kTimes, "", false, 5ull << 30, std::string(kUnixHex) + kNtfsHex, {kUnix, kNtfs, kZip64}},
    {"Zip64, password", "a.txt", kTimes, "secret", false, 5ull << 30, std::string(kUnixHex) + kNtfsHex,
     {kUnix, kNtfs, kZip64}},
    {"UTF-8 name", "\xc3\xa9t\xc3\xa9.txt", kTimes, "", false, 0, std::string(kUnixHex) + kNtfsHex,
     {kUnix, kNtfs, kUnicodePath}},
    {"last second of 0x5455", "a.txt", same(4294967295, 0), "", false, 0,
     "5554050001ffffffff0a002000000000000100180080e9a5d45e48360280e9a5d45e48360280e9a5d45e483602",
     {kUnix, kNtfs}},
    {"past 0x5455 (2106)", "a.txt", same(4294967296, 0), "", false, 0,
     "0a002000000000000100180000803ed55e48360200803ed55e48360200803ed55e483602", {kNtfs}},
    {"before 1970", "a.txt", same(-1, 999999999), "", false, 0,
     "0a0020000000000001001800ff7f3ed5deb19d01ff7f3ed5deb19d01ff7f3ed5deb19d01", {kNtfs}},
    {"before 1601", "a.txt", same(-11644473601, 0), "", false, 0, "", {}},
    // No file behind the date: the DOS date alone.
    {"no times", "a.txt", std::nullopt, "", false, 0, "", {}},
};

uint32_t crcOf(const std::string& data)
{
    return static_cast<uint32_t>(
        crc32(0L, reinterpret_cast<const Bytef*>(data.data()), static_cast<uInt>(data.size())));
}

}  // namespace

TEST(ZipWriterTimeFields, EachEntryKindCarriesItsFieldsInBothHeaders)
{
    for (const char* program : {"python3", "unzip", "7z", "bsdtar"})
        if (!haveProgram(program))
            GTEST_SKIP() << program << " is not installed";
    TempDir dir;
    const std::string data = "the entry's data, the entry's data, the entry's data\n";
    const int32_t crc = static_cast<int32_t>(crcOf(data));
    const double date = OleDate::FromFields({2023, 11, 14, 23, 13, 21});
    for (const Row& row : kRows) {
        SCOPED_TRACE(row.what);
        const fs::path archive = dir / (std::string(row.what) + ".zip");
        ZipWriter writer;
        ASSERT_FALSE(writer.OpenZip(archive.string()));
        if (row.raw) {
            ASSERT_FALSE(writer.OpenRawFileInZip(row.name, 0, -1, 0, {}, date, row.password, crc, data.size(),
                                                 row.times));
            ASSERT_FALSE(writer.WriteBytes(bytesOf(data)));
            ASSERT_FALSE(writer.CloseRawFileInZip(data.size(), crc));
        } else {
            ASSERT_FALSE(writer.OpenFileInZip(row.name, 8, -1, 0, {}, date, row.password, crc, row.expectedSize,
                                              row.times));
            ASSERT_FALSE(writer.WriteBytes(bytesOf(data)));
            ASSERT_FALSE(writer.CloseFileInZip());
        }
        ASSERT_FALSE(writer.CloseZip());

        const std::map<std::string, TimeFields> fields = pythonTimeFields(archive);
        ASSERT_EQ(fields.size(), 1u);
        const TimeFields& found = fields.begin()->second;
        EXPECT_EQ(found.localHex, row.hex);
        EXPECT_EQ(found.centralHex, row.hex);
        EXPECT_EQ(found.localIds, row.localIds);
        // minizip adds its Zip64 field to the central header only where a size or offset needs it.
        std::vector<int> central = row.localIds;
        std::erase(central, kZip64);
        EXPECT_EQ(found.centralIds, central);
        EXPECT_EQ(found.dos, "2023-11-14 23:13:20");
        expectReadersAgree(archive, {{row.name, data}}, row.password);
    }
}

// A Zipper entry dated by its file carries the file's own times; one that
// keeps the Zipper's default date (the time it is written) carries none.
TEST(ZipWriterTimeFields, ZipperEntriesCarryTheirFilesTimesOnlyWhenDatedByThem)
{
    if (!haveProgram("python3"))
        GTEST_SKIP() << "python3 is not installed";
    TempDir dir;
    const fs::path file = dir.write("src/dated.txt", "dated by its file");
    const timespec times[2] = {{1700003600, 500000000}, {1700000001, 123456789}};
    ASSERT_EQ(::utimensat(AT_FDCWD, file.c_str(), times, 0), 0);
    struct statx source {};
    ASSERT_EQ(::statx(AT_FDCWD, file.c_str(), 0, STATX_BTIME, &source), 0);
    const uint64_t modified = (1700000001ull + 11644473600ull) * 10'000'000 + 1234567;
    const uint64_t created = (source.stx_mask & STATX_BTIME)
                                 ? (static_cast<uint64_t>(source.stx_btime.tv_sec) + 11644473600ull) * 10'000'000 +
                                       source.stx_btime.tv_nsec / 100
                                 : modified;
    const struct {
        bool useLastModified;
        std::optional<int64_t> unixSeconds;
        std::optional<uint64_t> ntfsModified, ntfsCreated;
    } rows[] = {
        {true, 1700000001, modified, created},
        {false, std::nullopt, std::nullopt, std::nullopt},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.useLastModified);
        Zipper zipper(1, [] { return std::unique_ptr<ZipWriterInterface>(new ZipWriter); });
        ASSERT_FALSE(zipper.AddFile(file, "dated.txt", 8, -1, 0, {}, row.useLastModified));
        const fs::path archive = dir / (row.useLastModified ? "file-date.zip" : "default-date.zip");
        QSignalSpy complete(&zipper, &Zipper::Complete);
        ASSERT_FALSE(zipper.Zip(archive));
        ASSERT_TRUE(complete.wait(30000));
        const TimeFields found = pythonTimeFields(archive).at("dated.txt");
        EXPECT_EQ(found.unixSeconds, row.unixSeconds);
        EXPECT_EQ(found.ntfsModified, row.ntfsModified);
        EXPECT_EQ(found.ntfsCreated, row.ntfsCreated);
    }
}
