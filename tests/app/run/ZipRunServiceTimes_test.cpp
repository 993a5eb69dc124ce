// Entries keep their files' own times: a run over files dated on odd seconds,
// in summer and winter, before 1980, past 2038 and 2106 and after 2107, with
// nanoseconds, staged by link (zipped on worker threads) and by copy (on the
// window's thread), in a zone with summer time. Each reader's time for each
// file: unzip, bsdtar and 7-Zip restore it on extraction, 7-Zip lists it in
// two zones, Go reads it, Python finds the raw fields and the DOS date beside
// them. The files the DOS date cannot hold are named after the run.
#include "EntryTimeReaders.h"
#include "Process.h"
#include "TempDir.h"
#include "UserMessage.h"
#include "ZipRunService.h"
#include "ZipWriter.h"

#include <QLocale>
#include <QSignalSpy>
#include <gtest/gtest.h>

#include <ctime>
#include <fcntl.h>
#include <fstream>
#include <memory>
#include <sys/stat.h>

namespace fs = std::filesystem;

namespace {

constexpr int64_t kSecondsFrom1601 = 11644473600;

uint64_t ticks(const timespec& time)
{
    return static_cast<uint64_t>(time.tv_sec + kSecondsFrom1601) * 10'000'000 +
           static_cast<uint64_t>(time.tv_nsec) / 100;
}

// "YYYY-MM-DD hh:mm:ss" of `seconds` shifted by `offset` seconds.
std::string shifted(int64_t seconds, long offset)
{
    const std::time_t time = static_cast<std::time_t>(seconds + offset);
    std::tm tm{};
    gmtime_r(&time, &tm);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", &tm);
    return text;
}

// The zone's offset from UTC at this moment, which is what 7-Zip converts
// every UTC time with.
long offsetNow(const char* zone)
{
    const std::string old = std::getenv("TZ") ? std::getenv("TZ") : "";
    ::setenv("TZ", zone, 1);
    ::tzset();
    const std::time_t now = std::time(nullptr);
    std::tm tm{};
    localtime_r(&now, &tm);
    ::setenv("TZ", old.c_str(), 1);
    ::tzset();
    return tm.tm_gmtoff;
}

// A local time in the process's zone, to the second.
std::time_t localTime(const char* text)
{
    std::tm tm{};
    ::strptime(text, "%Y-%m-%d %H:%M:%S", &tm);
    tm.tm_isdst = -1;
    return std::mktime(&tm);
}

struct Dated {
    const char* name;
    const char* local;  // its modification time, Europe/Berlin
    long nanoseconds;
    // What each reader gives (UTC unless said).
    const char* dos;     // Python's DOS date: local, two-second steps, 1980-2107
    const char* unzip;   // unzip's extracted file
    const char* bsdtar;  // bsdtar's extracted file
    const char* go;      // Go's Modified
    bool unixField;      // the file's time fits the 0x5455 field
};

// Without a 0x5455 field unzip and bsdtar fall back to the DOS date; unzip
// counts 2100 as a leap year, so past it its DOS dates come a day late.
const Dated kDated[] = {
    {"winter.txt", "2023-01-15 10:11:13", 123456789, "2023-01-15 10:11:12", "2023-01-15 09:11:13",
     "2023-01-15 09:11:13", "2023-01-15T09:11:13.1234567Z", true},
    {"summer.txt", "2023-07-15 10:11:13", 987654321, "2023-07-15 10:11:12", "2023-07-15 08:11:13",
     "2023-07-15 08:11:13", "2023-07-15T08:11:13.9876543Z", true},
    {"y1979.txt", "1979-07-01 12:00:01", 500000000, "1980-01-01 00:00:00", "1979-07-01 11:00:01",
     "1979-07-01 11:00:01", "1979-07-01T11:00:01.5Z", true},
    {"y2040.txt", "2040-03-01 12:00:01", 1, "2040-03-01 12:00:00", "2040-03-01 11:00:01", "2040-03-01 11:00:01",
     "2040-03-01T11:00:01Z", true},
    {"y2106.txt", "2106-02-07 07:28:15", 999999999, "2106-02-07 07:28:14", "2106-02-07 06:28:15",
     "2106-02-07 06:28:15", "2106-02-07T06:28:15.9999999Z", true},
    {"y2106b.txt", "2106-02-07 07:28:17", 100000000, "2106-02-07 07:28:16", "2106-02-08 06:28:16",
     "2106-02-07 06:28:16", "2106-02-07T06:28:17.1Z", false},
    {"y2110.txt", "2110-07-01 12:00:01", 250000000, "2107-12-31 23:59:58", "2108-01-01 22:59:58",
     "2107-12-31 22:59:58", "2110-07-01T10:00:01.25Z", false},
};

}  // namespace

TEST(ZipRunServiceTimes, EveryReaderShowsEachFilesExactTime)
{
    for (const char* program : {"python3", "unzip", "7z", "bsdtar", "go"})
        if (!haveProgram(program))
            GTEST_SKIP() << program << " is not installed";
    // A zone with summer time, for this test (and the readers it starts) only.
    const char* oldZone = std::getenv("TZ");
    const std::string restoreZone = oldZone ? oldZone : "";
    ::setenv("TZ", "Europe/Berlin", 1);
    ::tzset();
    const QLocale oldLocale;
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    const std::shared_ptr<void> restore(nullptr, [&](void*) {
        oldZone ? ::setenv("TZ", restoreZone.c_str(), 1) : ::unsetenv("TZ");
        ::tzset();
        QLocale::setDefault(oldLocale);
    });
    TempDir temp;
    const char* const zones[] = {"Europe/Berlin", "America/New_York"};
    const fs::path goWork = std::getenv("VOLARIN_BUILD_DIR") ? fs::path(std::getenv("VOLARIN_BUILD_DIR")) / "go-reader"
                                                             : temp / "go-reader";

    // Another file system than the staging folder's: neither clone nor link works.
    char shm[] = "/dev/shm/volarin-times-XXXXXX";
    const fs::path otherFileSystem = ::mkdtemp(shm) ? fs::path(shm) : fs::path();
    const std::shared_ptr<void> removeOther(nullptr, [&](void*) {
        std::error_code ec;
        if (!otherFileSystem.empty())
            fs::remove_all(otherFileSystem, ec);
    });

    const struct Staging {
        const char* how;
        StagingLinks links;
        int workers;
        bool elsewhere;  // the sources on another file system
    } stagings[] = {
        {"link", StagingLinks::Every(), 2, false},
        {"hard link", StagingLinks::Every(FileCopyMethod::HardLink), 1, false},
        {"read in place", StagingLinks::None(), 2, false},
        {"read in place from another file system", StagingLinks::Every(), 1, true},
    };
    for (const Staging& staging : stagings) {
        SCOPED_TRACE(staging.how);
        ASSERT_FALSE(staging.elsewhere && otherFileSystem.empty()) << "no folder in /dev/shm";
        const fs::path folder = (staging.elsewhere ? otherFileSystem : temp.path()) / staging.how;
        fs::create_directories(folder);
        std::vector<std::string> files;
        std::map<std::string, struct statx> before;
        for (const Dated& dated : kDated) {
            const fs::path file = folder / dated.name;
            files.push_back(file.string());
            std::ofstream(file) << dated.name;
            const std::time_t modified = localTime(dated.local);
            // Accessed a day and a little later, so its slot cannot pass for the modification time.
            const timespec times[2] = {{modified + 86400, 42}, {modified, dated.nanoseconds}};
            ASSERT_EQ(::utimensat(AT_FDCWD, file.c_str(), times, 0), 0) << dated.name;
            ASSERT_EQ(::statx(AT_FDCWD, file.c_str(), 0, STATX_BASIC_STATS | STATX_BTIME, &before[dated.name]), 0);
        }

        auto zipper = std::make_unique<Zipper>(staging.workers,
                                               [] { return std::unique_ptr<ZipWriterInterface>(new ZipWriter); });
        ZipRunService service(temp / "staging", std::move(zipper));
        service.SetStagingLinks(staging.links);
        const fs::path archive = temp / (std::string(staging.how) + ".zip");
        QSignalSpy ended(&service, &ZipRunService::Ended);
        service.Start({std::vector<std::string>(files.begin(), files.end()), archive});
        ASSERT_TRUE(ended.wait(30000));
        const RunOutcome outcome = ended.at(0).at(0).value<RunOutcome>();
        ASSERT_EQ(outcome.end, RunOutcome::End::Completed);
        ASSERT_TRUE(outcome.failure);
        // The files the DOS date cannot hold, named once each after the run.
        EXPECT_EQ(UserMessage::For(*outcome.failure).text.toStdString(),
                  "The archive \"" + archive.string() + "\" keeps the exact dates of 2 files dated outside the years "
                  "1980 to 2107:\n" + (folder / "y1979.txt").string() + ": dated 1 July 1979: readers that know "
                  "only ZIP's own dates show 1 January 1980\n" + (folder / "y2110.txt").string() + ": dated 1 July "
                  "2110: readers that know only ZIP's own dates show 31 December 2107");

        const EntryTimes unzip = extractedTimes(Extractor::Unzip, archive, temp / staging.how / "unzip");
        const EntryTimes bsdtar = extractedTimes(Extractor::Bsdtar, archive, temp / staging.how / "bsdtar");
        const EntryTimes sevenZipExtracted = extractedTimes(Extractor::SevenZip, archive, temp / staging.how / "7z");
        const EntryTimes go = goModifiedTimes(archive, goWork);
        const std::map<std::string, TimeFields> fields = pythonTimeFields(archive);
        std::map<std::string, EntryTimes> sevenZip;
        for (const char* zone : zones)
            sevenZip[zone] = sevenZipListedTimes(archive, zone);

        for (const Dated& dated : kDated) {
            SCOPED_TRACE(dated.name);
            const struct statx& source = before[dated.name];
            const timespec modified{static_cast<std::time_t>(source.stx_mtime.tv_sec),
                                    static_cast<long>(source.stx_mtime.tv_nsec)};
            const timespec accessed{static_cast<std::time_t>(source.stx_atime.tv_sec),
                                    static_cast<long>(source.stx_atime.tv_nsec)};
            // Without a birth time the modification time stands in for it.
            const timespec created = (source.stx_mask & STATX_BTIME)
                                         ? timespec{static_cast<std::time_t>(source.stx_btime.tv_sec),
                                                    static_cast<long>(source.stx_btime.tv_nsec)}
                                         : modified;
            EXPECT_EQ(modified.tv_nsec, dated.nanoseconds);
            const TimeFields& raw = fields.at(dated.name);
            EXPECT_EQ(raw.dos, dated.dos);
            EXPECT_EQ(unzip.at(dated.name), dated.unzip);
            EXPECT_EQ(bsdtar.at(dated.name), dated.bsdtar);
            EXPECT_EQ(go.at(dated.name), dated.go);
            // 7-Zip lists in UTC shifted by the zone's offset of today, and
            // restores the exact time.
            for (const char* zone : zones)
                EXPECT_EQ(sevenZip[zone].at(dated.name), shifted(modified.tv_sec, offsetNow(zone))) << zone;
            EXPECT_EQ(sevenZipExtracted.at(dated.name), shifted(modified.tv_sec, 0));

            EXPECT_EQ(raw.localHex, raw.centralHex);
            EXPECT_EQ(raw.unixSeconds, dated.unixField ? std::optional<int64_t>(modified.tv_sec) : std::nullopt);
            EXPECT_EQ(raw.ntfsModified, ticks(modified));
            EXPECT_EQ(raw.ntfsAccessed, ticks(accessed));
            EXPECT_EQ(raw.ntfsCreated, ticks(created));
        }
        service.Shutdown();
        EXPECT_TRUE(service.FinishCleanUp().ok());
        // The run's links went with it; the files keep their times.
        for (const Dated& dated : kDated) {
            struct statx after {};
            ASSERT_EQ(::statx(AT_FDCWD, (folder / dated.name).c_str(), 0, STATX_BASIC_STATS, &after), 0);
            EXPECT_EQ(after.stx_nlink, 1u) << dated.name;
            EXPECT_EQ(after.stx_mtime.tv_sec, before[dated.name].stx_mtime.tv_sec) << dated.name;
            EXPECT_EQ(after.stx_mtime.tv_nsec, before[dated.name].stx_mtime.tv_nsec) << dated.name;
        }
    }
}
