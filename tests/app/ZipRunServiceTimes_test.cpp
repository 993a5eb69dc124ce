// Entries keep their files' own times: a run over files of four years, staged
// by link and by copy, read back by Python, unzip -Z and 7z, and restored by
// unzip on extraction, in a zone with summer time so local and UTC differ.
#include "Process.h"
#include "TempDir.h"
#include "ZipRunService.h"

#include <QSignalSpy>
#include <gtest/gtest.h>

#include <ctime>
#include <fcntl.h>
#include <fstream>
#include <map>
#include <memory>
#include <regex>
#include <sstream>
#include <sys/stat.h>

namespace fs = std::filesystem;

namespace {

using Times = std::map<std::string, std::string>;  // entry -> "YYYY-MM-DD hh:mm:ss", local

// A reader's listing: one line per entry with its time (as 2003-02-14 08:30:40
// or 20030214.083040) and the name last.
Times listedTimes(const std::vector<std::string>& argv)
{
    const ProcessResult r = runProcess(argv);
    EXPECT_EQ(r.exitCode, 0) << r.out;
    static const std::regex line(R"((\d{4})-?(\d\d)-?(\d\d)[ .](\d\d):?(\d\d):?(\d\d)\s.*?(\S+)$)");
    Times times;
    std::istringstream lines(r.out);
    std::smatch m;
    for (std::string text; std::getline(lines, text);)
        if (std::regex_search(text, m, line))
            times[m[7]] = m[1].str() + "-" + m[2].str() + "-" + m[3].str() + " " + m[4].str() + ":" + m[5].str() + ":"
                          + m[6].str();
    return times;
}

Times extractedTimes(const fs::path& archive, const fs::path& into)
{
    const ProcessResult r = runProcess({"unzip", "-qq", "-o", archive.string(), "-d", into.string()});
    EXPECT_EQ(r.exitCode, 0) << r.out;
    Times times;
    for (const auto& file : fs::directory_iterator(into)) {
        struct stat st {};
        ::stat(file.path().c_str(), &st);
        std::tm tm{};
        localtime_r(&st.st_mtim.tv_sec, &tm);
        char text[32];
        std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", &tm);
        times[file.path().filename().string()] = text;
    }
    return times;
}

const char* const kPythonTimes = "import sys, zipfile\n"
                                 "for i in zipfile.ZipFile(sys.argv[1]).infolist():\n"
                                 "    print('%04d-%02d-%02d %02d:%02d:%02d' % i.date_time, i.filename)\n";

}  // namespace

TEST(ZipRunServiceTimes, EntriesKeepTheirFilesTimesHoweverStaged)
{
    for (const char* program : {"python3", "unzip", "7z"})
        if (!haveProgram(program))
            GTEST_SKIP() << program << " is not installed";
    // A zone with summer time, for this test (and the readers it starts) only.
    const char* oldZone = std::getenv("TZ");
    const std::string restoreZone = oldZone ? oldZone : "";
    ::setenv("TZ", "Europe/Berlin", 1);
    TempDir temp;
    // Another file system than the staging folder's: neither clone nor link works.
    char shm[] = "/dev/shm/volarin-times-XXXXXX";
    const fs::path otherFileSystem = ::mkdtemp(shm) ? fs::path(shm) : fs::path();
    const std::shared_ptr<void> restore(nullptr, [&](void*) {
        std::error_code ec;
        if (!otherFileSystem.empty())
            fs::remove_all(otherFileSystem, ec);
        oldZone ? ::setenv("TZ", restoreZone.c_str(), 1) : ::unsetenv("TZ");
        ::tzset();
    });

    // Local times with odd seconds and a fraction: the archive keeps them to
    // DOS's two seconds, in the local time of the file's own date.
    struct Dated {
        const char* name;
        int year, month, day, hour, minute, second;
        long nanoseconds;
        // Seconds since 1970 instead, past any local time (a tmpfs keeps
        // them; another file system keeps what it can): the file cannot be
        // measured when staged and is queued with its own date all the same.
        int64_t unixSeconds = 0;
    };
    const Dated dates[] = {
        {"y2003.txt", 2003, 2, 14, 8, 30, 41, 999999999}, {"y2011.txt", 2011, 7, 1, 23, 59, 59, 500000000},
        {"y2019.txt", 2019, 6, 15, 12, 5, 14, 0},         {"y2024.txt", 2024, 2, 29, 0, 0, 7, 1},
        {"far.txt", 0, 0, 0, 0, 0, 0, 0, 100000000000000000},
    };
    const Times expected{{"y2003.txt", "2003-02-14 08:30:40"}, {"y2011.txt", "2011-07-01 23:59:58"},
                         {"y2019.txt", "2019-06-15 12:05:14"}, {"y2024.txt", "2024-02-29 00:00:06"},
                         {"far.txt", "2107-12-31 23:59:58"}};

    const struct Staging {
        const char* how;
        FileCopyMethod method;
        bool elsewhere;  // the sources on another file system
        nlink_t links;   // links of each source while its staged file exists
    } stagings[] = {
        {"link", FileCopyMethod::Clone, false, 2},
        {"copy_file_range copy", FileCopyMethod::CopyRange, false, 1},
        {"read/write copy", FileCopyMethod::ReadWrite, false, 1},
        {"copy from another file system", FileCopyMethod::Clone, true, 1},
    };
    for (const Staging& staging : stagings) {
        SCOPED_TRACE(staging.how);
        ASSERT_FALSE(staging.elsewhere && otherFileSystem.empty()) << "no folder in /dev/shm";
        const fs::path folder = (staging.elsewhere ? otherFileSystem : temp.path()) / staging.how;
        fs::create_directories(folder);
        std::vector<fs::path> files;
        std::vector<timespec> before;
        for (const Dated& dated : dates) {
            files.push_back(folder / dated.name);
            std::ofstream(files.back()) << dated.name;
            std::tm local{};
            local.tm_year = dated.year - 1900;
            local.tm_mon = dated.month - 1;
            local.tm_mday = dated.day;
            local.tm_hour = dated.hour;
            local.tm_min = dated.minute;
            local.tm_sec = dated.second;
            local.tm_isdst = -1;
            const std::time_t seconds = dated.unixSeconds ? std::time_t(dated.unixSeconds) : std::mktime(&local);
            const timespec times[2] = {{0, UTIME_OMIT}, {seconds, dated.nanoseconds}};
            ASSERT_EQ(::utimensat(AT_FDCWD, files.back().c_str(), times, 0), 0);
            struct stat set {};
            ::stat(files.back().c_str(), &set);
            before.push_back(set.st_mtim);
        }

        ZipRunService service(temp / "staging");
        service.SetStagingMethod(staging.method);
        ASSERT_TRUE(service.PrepareStaging(QStringLiteral("times")).ok());
        const fs::path archive = temp / "times.zip";
        QSignalSpy ended(&service, &ZipRunService::Ended);
        service.Start({std::vector<std::string>(files.begin(), files.end()), QStringLiteral("times"), archive});
        ASSERT_TRUE(ended.wait(30000));
        ASSERT_EQ(ended.at(0).at(0).value<RunOutcome>().end, RunOutcome::End::Completed);

        EXPECT_EQ(listedTimes({"python3", "-c", kPythonTimes, archive.string()}), expected);
        EXPECT_EQ(listedTimes({"unzip", "-Z", "-T", archive.string()}), expected);
        EXPECT_EQ(listedTimes({"7z", "l", "-ba", archive.string()}), expected);
        // unzip restores the last DOS second a day late: that entry is read by the listings only.
        Times restored = extractedTimes(archive, folder / "restored");
        Times restorable = expected;
        restored.erase("far.txt");
        restorable.erase("far.txt");
        EXPECT_EQ(restored, restorable);
        for (size_t i = 0; i < files.size(); ++i) {
            struct stat st {};
            ::stat(files[i].c_str(), &st);
            EXPECT_EQ(st.st_mtim.tv_sec, before[i].tv_sec) << files[i];
            EXPECT_EQ(st.st_mtim.tv_nsec, before[i].tv_nsec) << files[i];
            EXPECT_EQ(st.st_nlink, staging.links) << files[i];
        }
        EXPECT_TRUE(service.Shutdown().ok());
    }
}
