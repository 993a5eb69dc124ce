// Entries keep their files' own times: a run over files of four years, staged
// by link and by copy, read back by Python, unzip -Z and 7z, and restored by
// unzip on extraction, in a zone with summer time so local and UTC differ.
#include "Process.h"
#include "TempDir.h"
#include "ZipRunService.h"

#include <QSignalSpy>
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <optional>
#include <cstdlib>
#include <ctime>
#include <fcntl.h>
#include <map>
#include <sstream>
#include <sys/stat.h>

namespace fs = std::filesystem;

namespace {

// Local date and time as "YYYY-MM-DD hh:mm:ss".
using Stamp = std::string;

Stamp stampOf(std::time_t t)
{
    std::tm tm{};
    localtime_r(&t, &tm);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", &tm);
    return text;
}

// Each reader's view of the archive: entry name -> its date and time.
std::map<std::string, Stamp> pythonTimes(const fs::path& archive)
{
    const ProcessResult r = runProcess(
        {"python3", "-c",
         "import sys, zipfile\n"
         "for i in zipfile.ZipFile(sys.argv[1]).infolist():\n"
         "    print(i.filename, '%04d-%02d-%02d %02d:%02d:%02d' % i.date_time)\n",
         archive.string()});
    EXPECT_EQ(r.exitCode, 0) << r.out;
    std::map<std::string, Stamp> times;
    std::istringstream lines(r.out);
    std::string name, date, time;
    while (lines >> name >> date >> time)
        times[name] = date + " " + time;
    return times;
}

// `unzip -Z -T` prints the time as yyyymmdd.hhmmss before the name.
std::map<std::string, Stamp> zipinfoTimes(const fs::path& archive)
{
    const ProcessResult r = runProcess({"unzip", "-Z", "-T", archive.string()});
    EXPECT_EQ(r.exitCode, 0) << r.out;
    std::map<std::string, Stamp> times;
    std::istringstream lines(r.out);
    for (std::string line; std::getline(lines, line);) {
        std::istringstream words(line);
        std::string word;
        std::vector<std::string> all;
        while (words >> word)
            all.push_back(word);
        if (all.size() < 2 || all[all.size() - 2].size() != 15 || all[all.size() - 2][8] != '.')
            continue;
        const std::string& t = all[all.size() - 2];
        times[all.back()] = t.substr(0, 4) + "-" + t.substr(4, 2) + "-" + t.substr(6, 2) + " " + t.substr(9, 2) + ":"
                            + t.substr(11, 2) + ":" + t.substr(13, 2);
    }
    return times;
}

// `7z l -slt` gives "Path = name" and then "Modified = YYYY-MM-DD hh:mm:ss".
std::map<std::string, Stamp> sevenZipTimes(const fs::path& archive)
{
    const ProcessResult r = runProcess({"7z", "l", "-slt", archive.string()});
    EXPECT_EQ(r.exitCode, 0) << r.out;
    std::map<std::string, Stamp> times;
    std::istringstream lines(r.out);
    std::string path;
    for (std::string line; std::getline(lines, line);) {
        if (line.rfind("Path = ", 0) == 0)
            path = line.substr(7);
        else if (line.rfind("Modified = ", 0) == 0 && !path.empty())
            times[path] = line.substr(11, 19);
    }
    return times;
}

// The times unzip gives the extracted files.
std::map<std::string, Stamp> extractedTimes(const fs::path& archive, const fs::path& into)
{
    const ProcessResult r = runProcess({"unzip", "-qq", "-o", archive.string(), "-d", into.string()});
    EXPECT_EQ(r.exitCode, 0) << r.out;
    std::map<std::string, Stamp> times;
    for (const auto& file : fs::directory_iterator(into)) {
        struct stat st {};
        ::stat(file.path().c_str(), &st);
        times[file.path().filename().string()] = stampOf(st.st_mtim.tv_sec);
    }
    return times;
}

// A zone with summer time for the test's length, so an entry dated in UTC
// (or by the offset of today) would show.
class ZoneForTest {
public:
    explicit ZoneForTest(const char* zone)
    {
        if (const char* old = std::getenv("TZ"))
            previous_ = old;
        ::setenv("TZ", zone, 1);
        ::tzset();
    }
    ~ZoneForTest()
    {
        if (previous_)
            ::setenv("TZ", previous_->c_str(), 1);
        else
            ::unsetenv("TZ");
        ::tzset();
    }

private:
    std::optional<std::string> previous_;
};

// A folder on another file system than the staging folder (tmpfs), for a
// staging that can neither clone nor link.
class ShmDir {
public:
    ShmDir()
    {
        char name[] = "/dev/shm/volarin-times-XXXXXX";
        if (::mkdtemp(name) != nullptr)
            path_ = name;
    }
    ~ShmDir()
    {
        std::error_code ec;
        if (!path_.empty())
            fs::remove_all(path_, ec);
    }
    const fs::path& path() const { return path_; }

private:
    fs::path path_;
};

}  // namespace

TEST(ZipRunServiceTimes, EntriesKeepTheirFilesTimesHoweverStaged)
{
    for (const char* program : {"python3", "unzip", "7z"})
        if (!haveProgram(program))
            GTEST_SKIP() << program << " is not installed";
    ZoneForTest zone("Europe/Berlin");
    TempDir temp;
    ShmDir otherFileSystem;

    // Local times with odd seconds and a fraction: the archive keeps them to
    // DOS's two seconds (the odd second dropped), in the local time of the
    // file's own date (winter and summer).
    struct Dated {
        const char* name;
        int year, month, day, hour, minute, second;
        long nanoseconds;
    };
    const Dated dates[] = {
        {"y2003.txt", 2003, 2, 14, 8, 30, 41, 999999999},
        {"y2011.txt", 2011, 7, 1, 23, 59, 59, 500000000},
        {"y2019.txt", 2019, 6, 15, 12, 5, 14, 0},
        {"y2024.txt", 2024, 2, 29, 0, 0, 7, 1},
    };
    const std::map<std::string, Stamp> expected{{"y2003.txt", "2003-02-14 08:30:40"},
                                                {"y2011.txt", "2011-07-01 23:59:58"},
                                                {"y2019.txt", "2019-06-15 12:05:14"},
                                                {"y2024.txt", "2024-02-29 00:00:06"}};

    struct Staging {
        const char* how;
        FileCopyMethod method;
        bool elsewhere;  // the sources on another file system
        nlink_t links;   // links of each source while its staged file exists
    };
    const Staging stagings[] = {
        {"link", FileCopyMethod::Clone, false, 2},
        {"copy_file_range copy", FileCopyMethod::CopyRange, false, 1},
        {"read/write copy", FileCopyMethod::ReadWrite, false, 1},
        {"copy from another file system", FileCopyMethod::Clone, true, 1},
    };
    for (const Staging& staging : stagings) {
        SCOPED_TRACE(staging.how);
        if (staging.elsewhere && otherFileSystem.path().empty()) {
            ADD_FAILURE() << "no folder could be made in /dev/shm";
            continue;
        }
        const fs::path folder = staging.elsewhere ? otherFileSystem.path() / "src" : temp / "src";
        fs::remove_all(folder);
        fs::create_directories(folder);
        std::vector<fs::path> files;
        std::map<fs::path, timespec> before;
        for (const Dated& dated : dates) {
            std::ofstream(folder / dated.name) << dated.name;
            std::tm local{};
            local.tm_year = dated.year - 1900;
            local.tm_mon = dated.month - 1;
            local.tm_mday = dated.day;
            local.tm_hour = dated.hour;
            local.tm_min = dated.minute;
            local.tm_sec = dated.second;
            local.tm_isdst = -1;
            const timespec times[2] = {{0, UTIME_OMIT}, {std::mktime(&local), dated.nanoseconds}};
            ASSERT_EQ(::utimensat(AT_FDCWD, (folder / dated.name).c_str(), times, 0), 0);
            struct stat st {};
            ::stat((folder / dated.name).c_str(), &st);
            before[folder / dated.name] = st.st_mtim;
            files.push_back(folder / dated.name);
        }

        ZipRunService service(temp / "staging");
        service.SetStagingMethod(staging.method);
        ASSERT_TRUE(service.PrepareStaging(QStringLiteral("times")).ok());
        const fs::path archive = temp / "times.zip";
        QSignalSpy ended(&service, &ZipRunService::Ended);
        service.Start({files, QStringLiteral("times"), archive});
        ASSERT_TRUE(ended.wait(30000));
        ASSERT_EQ(ended.at(0).at(0).value<RunOutcome>().end, RunOutcome::End::Completed);

        EXPECT_EQ(pythonTimes(archive), expected);
        EXPECT_EQ(zipinfoTimes(archive), expected);
        EXPECT_EQ(sevenZipTimes(archive), expected);
        fs::remove_all(temp / "restored");
        EXPECT_EQ(extractedTimes(archive, temp / "restored"), expected);
        for (const auto& [file, mtime] : before) {
            struct stat st {};
            ::stat(file.c_str(), &st);
            EXPECT_EQ(st.st_mtim.tv_sec, mtime.tv_sec) << file;
            EXPECT_EQ(st.st_mtim.tv_nsec, mtime.tv_nsec) << file;
            EXPECT_EQ(st.st_nlink, staging.links) << file;
        }
        EXPECT_TRUE(service.Shutdown().ok());
        fs::remove(archive);
    }
}
