// Zipping from and onto drives formatted for Windows, mounted as a desktop
// mounts a stick (exFAT, NTFS and FAT32 images made here), with a home that
// is short of space or lies on the stick itself. Each case skips with its
// reason where this machine cannot mount.
#include "AppFixture.h"
#include "ArchiveReader.h"
#include "ChildProcess.h"
#include "MountedDrive.h"
#include "OutputNameDialog.h"
#include "Process.h"
#include "RandomBytes.h"
#include "SizeText.h"
#include "UserMessage.h"
#include "chameleonButton.h"

#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

#include <algorithm>
#include <csignal>
#include <ctime>
#include <fcntl.h>
#include <fstream>
#include <sstream>
#include <sys/stat.h>

namespace fs = std::filesystem;
using Kind = MountedDrive::Kind;

namespace {

constexpr uint64_t kMiB = 1024 * 1024;

#define MOUNT_OR_SKIP(drive)                                                                                          \
    if (!(drive).Mounted())                                                                                            \
    GTEST_SKIP() << "cannot mount " << MountedDrive::Name(kind) << " here: " << (drive).Why()

// Every name on the drive, folders included, relative to its top.
std::vector<std::string> Everything(const fs::path& top)
{
    std::vector<std::string> names;
    std::error_code ec;
    for (fs::recursive_directory_iterator it(top, ec), end; !ec && it != end; it.increment(ec))
        names.push_back(it->path().lexically_relative(top).string());
    std::sort(names.begin(), names.end());
    return names;
}

// What FUSE (and NFS) leave for a file that was unlinked while open.
std::vector<std::string> HiddenLeftovers(const fs::path& top)
{
    std::vector<std::string> hidden;
    for (const std::string& name : Everything(top))
        if (name.find(".fuse_hidden") != std::string::npos || name.find(".nfs") != std::string::npos)
            hidden.push_back(name);
    return hidden;
}

std::string Shown(const fs::path& path)
{
    return path.string();
}

class RemovableDrivesTest : public AppTest, public ::testing::WithParamInterface<Kind> {
protected:
    // Runs the files into `archive` through the service until the run has ended.
    RunOutcome Run(ZipRunService& service, const std::vector<fs::path>& files, const fs::path& archive,
                   const std::function<void()>& onProgress = {})
    {
        QSignalSpy ended(&service, &ZipRunService::Ended);
        QMetaObject::Connection progress;
        if (onProgress)
            progress = QObject::connect(&service, &ZipRunService::Progress, onProgress);
        service.Start({std::vector<std::string>(files.begin(), files.end()), archive});
        if (ended.isEmpty()) {
            EXPECT_TRUE(ended.wait(180000));
        }
        QObject::disconnect(progress);
        return ended.isEmpty() ? RunOutcome{} : ended.back().at(0).value<RunOutcome>();
    }

    // The run driver, as the program runs, with its per-user folders under `cache`.
    std::unique_ptr<ChildProcess> Driver(const std::vector<std::string>& arguments, const fs::path& cache)
    {
        std::vector<std::string> argv{DriverPath()};
        argv.insert(argv.end(), arguments.begin(), arguments.end());
        return std::make_unique<ChildProcess>(argv, DriverEnvironment(temp, cache));
    }

public:
    static std::string DriverPath()
    {
        return (fs::read_symlink("/proc/self/exe").parent_path() / "volarin_run_driver").string();
    }
    static std::map<std::string, std::string> DriverEnvironment(const TempDir& temp, const fs::path& cache)
    {
        return {{"XDG_CACHE_HOME", cache.string()},
                {"HOME", (temp / "home").string()},
                {"QT_QPA_PLATFORM", "offscreen"}};
    }
};

std::string KindName(const ::testing::TestParamInfo<Kind>& info)
{
    return info.param == Kind::ExFat ? "ExFat" : info.param == Kind::Ntfs ? "Ntfs" : "Fat32";
}

}  // namespace

// Clips on the stick, the cache on a small tmpfs with less room than one clip,
// the archive next to the clips: every clip goes in, read where it lies, and
// the cache gets nothing but bookkeeping, before, during or after the run;
// nothing hidden is left on the stick.
TEST_P(RemovableDrivesTest, SourcesOnTheStickWithTheCacheShortOfSpace)
{
    const Kind kind = GetParam();
    MountedDrive stick(kind, 64 * kMiB);
    MOUNT_OR_SKIP(stick);
    MountedDrive cache(Kind::Tmpfs, kMiB);
    MOUNT_OR_SKIP(cache);
    std::vector<fs::path> clips;
    std::map<std::string, std::string> expected;
    fs::create_directories(stick / "DCIM");
    for (int i = 1; i <= 6; ++i) {
        const std::string name = "clip" + std::to_string(i) + ".mkv";
        expected[name] = randomBytes(3 * kMiB, static_cast<unsigned>(i));
        clips.push_back(stick / ("DCIM/" + name));
        std::ofstream(clips.back(), std::ios::binary) << expected[name];
    }
    ZipRunService service(cache / "Volarin/Volarin Z/staging");
    const uint64_t before = cache.UsedBytes();
    uint64_t during = before;
    const RunOutcome outcome =
        Run(service, clips, stick / "DCIM/clips.zip", [&] { during = std::max(during, cache.UsedBytes()); });
    EXPECT_EQ(outcome.end, RunOutcome::End::Completed)
        << (outcome.failure ? UserMessage::For(*outcome.failure).text.toStdString() : "");
    EXPECT_FALSE(outcome.failure);
    EXPECT_EQ(entriesReadBack(stick / "DCIM/clips.zip"), expected);
    service.Shutdown();
    EXPECT_TRUE(service.FinishCleanUp().ok());
    // A marker and the list of unfinished archives: a few pages at most.
    EXPECT_LE(during - before, 64 * 1024u);
    EXPECT_LE(cache.UsedBytes() - before, 8 * 1024u);
    EXPECT_TRUE(HiddenLeftovers(stick.Path()).empty());
    std::vector<std::string> onStick{"DCIM", "DCIM/clips.zip"};
    for (int i = 1; i <= 6; ++i)
        onStick.push_back("DCIM/clip" + std::to_string(i) + ".mkv");
    std::sort(onStick.begin(), onStick.end());
    std::vector<std::string> found = Everything(stick.Path());
    std::erase_if(found, [](const std::string& name) { return name.rfind("DCIM", 0) != 0; });  // the drive's own
    EXPECT_EQ(found, onStick);
}

// The cache itself on the stick (a home on a FUSE drive), the files too, each
// linked into the staging folder where the drive can: the program ends at
// close with nothing of its own left on the drive, nothing hidden, nothing
// said, and the next run of the same name goes as the first.
TEST_P(RemovableDrivesTest, CacheOnTheStickLeavesNothingAndTheNextRunWorks)
{
    const Kind kind = GetParam();
    MountedDrive stick(kind, 64 * kMiB);
    MOUNT_OR_SKIP(stick);
    fs::create_directories(stick / "photos");
    fs::create_directories(stick / "out");
    std::ofstream(stick / "photos/big.jpg", std::ios::binary) << randomBytes(2 * kMiB, 3);
    std::ofstream(stick / "photos/small.jpg", std::ios::binary) << "small";
    const std::vector<std::string> before = Everything(stick.Path());
    for (int run = 1; run <= 2; ++run) {
        SCOPED_TRACE(run);
        auto child = Driver({"--link", (stick / "out").string(), (stick / "photos").string()}, stick / "cache");
        ASSERT_TRUE(child->WaitForEnd(120000)) << child->Output();
        EXPECT_EQ(child->ExitCode(), 0) << child->Output();
        EXPECT_NE(child->Output().find("\nended 2 "), std::string::npos) << child->Output();
        EXPECT_NE(child->Output().find("\nclosed\n"), std::string::npos) << child->Output();
        EXPECT_EQ(entriesReadBack(stick / "out/driven.zip").size(), 2u);
        EXPECT_TRUE(HiddenLeftovers(stick.Path()).empty());
        std::vector<std::string> left = Everything(stick / "cache/Volarin/Volarin Z/staging");
        EXPECT_TRUE(left.empty()) << left.front();
        EXPECT_EQ(readFileBytes(stick / "cache/Volarin/Volarin Z/temporary-archives"), "");
    }
    std::vector<std::string> after = Everything(stick.Path());
    std::erase_if(after, [](const std::string& name) { return name.rfind("cache", 0) == 0; });
    std::vector<std::string> expected = before;
    expected.push_back("out/driven.zip");
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(after, expected);
}

// A name with a character the drive refuses is refused when the folder is
// picked, naming the character; the dialog comes back and nothing is left on
// the drive. A name it takes goes ahead, with nothing left either.
TEST_P(RemovableDrivesTest, NamesTheDriveRefusesAreToldBeforeTheRun)
{
    const Kind kind = GetParam();
    MountedDrive stick(kind, 64 * kMiB);
    MOUNT_OR_SKIP(stick);
    OutputNameDialog dialog(QStringLiteral("mkv"));
    std::vector<OutputChoice> chosen;
    QObject::connect(&dialog, &OutputNameDialog::Chosen, [&](const OutputChoice& c) { chosen.push_back(c); });
    const struct {
        QString name;
        QString refused;  // empty: taken
    } cases[] = {
        {QStringLiteral("clips: day 1"), QStringLiteral("\":\"")},
        {QStringLiteral("what?"), QStringLiteral("\"?\"")},
        {QStringLiteral("a|b"), QStringLiteral("\"|\"")},
        {QStringLiteral("say \"hi\""), QStringLiteral("\"\"\"")},
        {QStringLiteral("back\\slash"), QStringLiteral("\"\\\"")},
        {QStringLiteral("tab\there"), QStringLiteral("a control character (U+0009)")},
        {QStringLiteral("Holiday 2026 (best)"), {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name.toStdString());
        shell.messages.clear();
        chosen.clear();
        dialog.ShowDialog();
        dialog.nameField()->setText(c.name);
        shell.folderAnswers.push_back(stick.Path().string());
        QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
        if (c.refused.isEmpty()) {
            EXPECT_TRUE(shell.messages.empty());
            EXPECT_EQ(chosen.size(), 1u);
        } else {
            ASSERT_EQ(shell.messages.size(), 1u);
            EXPECT_EQ(shell.messages[0].text,
                      QStringLiteral("The drive of \"%1\" does not allow %2 in file names, so \"%3.zip\" cannot be "
                                     "written there. Please choose another name.")
                          .arg(QString::fromStdString(Shown(stick.Path())), c.refused, c.name));
            EXPECT_TRUE(dialog.isVisible());
            EXPECT_TRUE(chosen.empty());
        }
        std::vector<std::string> left = Everything(stick.Path());
        std::erase_if(left, [](const std::string& name) { return name[0] == '$' || name == "System Volume Information"; });
        EXPECT_TRUE(left.empty()) << left.front();
    }
}

// Dates on FAT and exFAT are local time, FAT's in steps of two seconds: each
// entry carries the time the drive shows for its file, in the archive's
// two-second steps.
TEST_P(RemovableDrivesTest, DatesComeIntoTheEntriesAsTheDriveHasThem)
{
    const Kind kind = GetParam();
    MountedDrive stick(kind, 64 * kMiB);
    MOUNT_OR_SKIP(stick);
    const struct {
        const char* name;
        int year, month, day, hour, minute, second;
    } dated[] = {{"summer.jpg", 2023, 7, 14, 10, 20, 31}, {"winter.jpg", 2024, 1, 5, 23, 59, 58},
                 {"leap.jpg", 2024, 2, 29, 0, 0, 1}};
    std::vector<fs::path> files;
    std::map<std::string, std::string> expected;
    for (const auto& d : dated) {
        files.push_back(stick / d.name);
        std::ofstream(files.back()) << d.name;
        std::tm local{};
        local.tm_year = d.year - 1900;
        local.tm_mon = d.month - 1;
        local.tm_mday = d.day;
        local.tm_hour = d.hour;
        local.tm_min = d.minute;
        local.tm_sec = d.second;
        local.tm_isdst = -1;
        const timespec times[2] = {{0, UTIME_OMIT}, {std::mktime(&local), 0}};
        ASSERT_EQ(::utimensat(AT_FDCWD, files.back().c_str(), times, 0), 0);
        // As the drive keeps it, in local time, cut to the archive's two seconds.
        struct stat st {};
        ASSERT_EQ(::stat(files.back().c_str(), &st), 0);
        std::tm shown{};
        localtime_r(&st.st_mtim.tv_sec, &shown);
        char text[80];
        std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", shown.tm_year + 1900, shown.tm_mon + 1,
                      shown.tm_mday, shown.tm_hour, shown.tm_min, shown.tm_sec / 2 * 2);
        expected[d.name] = text;
    }
    ZipRunService service(temp / "cache/staging");
    const fs::path archive = temp / "dates.zip";
    ASSERT_EQ(Run(service, files, archive).end, RunOutcome::End::Completed);
    const ProcessResult listed = runProcess(
        {"python3", "-c",
         "import sys, zipfile\n"
         "for i in zipfile.ZipFile(sys.argv[1]).infolist():\n"
         "    print(i.filename + '=%04d-%02d-%02d %02d:%02d:%02d' % i.date_time)\n",
         archive.string()});
    std::map<std::string, std::string> entries;
    std::istringstream lines(listed.out);
    for (std::string line; std::getline(lines, line);)
        if (const size_t eq = line.find('='); eq != std::string::npos)
            entries[line.substr(0, eq)] = line.substr(eq + 1);
    EXPECT_EQ(entries, expected) << listed.out;
}

INSTANTIATE_TEST_SUITE_P(Drives, RemovableDrivesTest, ::testing::Values(Kind::ExFat, Kind::Ntfs, Kind::Fat32),
                         KindName);

// FAT cannot hold a file of 4 GiB: a selection that could pass that is told
// before the run, and Cancel starts nothing; exFAT holds it, so nothing is
// asked there.
TEST_F(AppTest, SelectionOverFourGigabytesIsToldBeforeTheRunOnFat)
{
    const fs::path huge = temp / "films" / "huge.mkv";
    fs::create_directories(huge.parent_path());
    std::ofstream(huge).close();
    fs::resize_file(huge, uint64_t(9) << 29);  // 4.5 GiB, sparse: nothing is read
    Select(QStringLiteral("mkv"));
    for (const Kind kind : {Kind::Fat32, Kind::ExFat}) {
        SCOPED_TRACE(MountedDrive::Name(kind));
        MountedDrive stick(kind, 64 * kMiB);
        MOUNT_OR_SKIP(stick);
        shell.messages.clear();
        shell.questions.clear();
        shell.folderAnswers.push_back(huge.parent_path().string());
        QTest::mouseClick(form->browseButton(), Qt::LeftButton);
        WaitForListing();
        ASSERT_EQ(RowCount(), 1);
        QTest::mouseClick(form->outputButton(), Qt::LeftButton);
        ASSERT_NE(form->outputDialog(), nullptr);
        form->outputDialog()->nameField()->setText(QStringLiteral("films"));
        shell.folderAnswers.push_back(stick.Path().string());
        QTest::mouseClick(form->outputDialog()->okButton(), Qt::LeftButton);
        ASSERT_TRUE(form->startButton()->Enabled());
        shell.askAnswers.push_back(false);
        QTest::mouseClick(form->startButton(), Qt::LeftButton);
        if (kind == Kind::ExFat) {
            EXPECT_TRUE(shell.questions.empty());
            EXPECT_TRUE(run->Running());
            run->Stop();
            shell.askAnswers.clear();
        } else {
            ASSERT_EQ(shell.questions.size(), 1u);
            EXPECT_EQ(shell.questions[0].text,
                      QStringLiteral("The drive of \"%1\" cannot hold files over 4 GB, and the files to zip come to "
                                     "%2, so the archive may not fit there.\n\nZip them anyway? Press Cancel to "
                                     "choose another folder.")
                          .arg(QString::fromStdString(Shown(stick.Path())), SizeText(uint64_t(9) << 29)));
            EXPECT_EQ(shell.questions[0].acceptText, QStringLiteral("&Zip Anyway"));
            EXPECT_FALSE(run->Running());
            EXPECT_TRUE(form->startButton()->Enabled());
        }
        ASSERT_TRUE(run->FinishCleanUp().ok());
        EXPECT_TRUE(Everything(stick.Path()).empty()) << Everything(stick.Path()).front();
        QTest::mouseClick(form->clearButton(), Qt::LeftButton);
    }
}

// An archive that grows past what the drive holds ends with the drive's
// limit in plain words (FAT: 4 GB; the system's "File too large" says
// nothing of drives), and leaves nothing behind. The kernel's limit is met
// early here through the process's file size limit, which fails the same
// write the same way.
TEST(RemovableDrives, ArchiveTooLargeForTheDriveIsToldInPlainWords)
{
    TempDir temp;
    temp.write("src/random.bin", randomBytes(3 * kMiB, 9));
    const struct {
        Kind kind;
        const char* words;
    } cases[] = {{Kind::Fat32, "(the drive cannot hold files over 4 GB)"}, {Kind::ExFat, "(File too large)"}};
    for (const auto& c : cases) {
        const Kind kind = c.kind;
        SCOPED_TRACE(MountedDrive::Name(kind));
        MountedDrive stick(kind, 64 * kMiB);
        MOUNT_OR_SKIP(stick);
        if (!haveProgram("prlimit"))
            GTEST_SKIP() << "prlimit is missing";
        // Past the limit a write fails with EFBIG, as past the most a drive holds.
        ChildProcess child({"sh", "-c", "trap '' XFSZ; exec prlimit --fsize=1048576 \"$@\"", "sh",
                            RemovableDrivesTest::DriverPath(), stick.Path().string(), (temp / "src").string()},
                           RemovableDrivesTest::DriverEnvironment(temp, temp / "cache"));
        ASSERT_TRUE(child.WaitForEnd(120000)) << child.Output();
        EXPECT_NE(child.Output().find("\nended 1 "), std::string::npos) << child.Output();
        EXPECT_NE(child.Output().find("could not be written: writing \"random.bin\" into it failed " +
                                      std::string(c.words)),
                  std::string::npos)
            << child.Output();
        EXPECT_TRUE(Everything(stick.Path()).empty()) << Everything(stick.Path()).front();
    }
}

// The real limit, where the kernel mounts FAT itself: over 4 GiB of data that
// does not compress, so the archive passes the limit.
TEST(RemovableDrives, ArchiveReachingTheFatLimitLeavesNothingBehind)
{
    if (!std::getenv("VOLARIN_SLOW_DRIVE_TESTS"))
        GTEST_SKIP() << "writes 4 GiB onto a FAT image (minutes here; fusefat takes 46 s for one write at 4 GiB and "
                        "answers it with EPERM, not the limit): set VOLARIN_SLOW_DRIVE_TESTS=1";
    const Kind kind = Kind::Fat32;
    MountedDrive stick(kind, uint64_t(5) << 30);
    MOUNT_OR_SKIP(stick);
    if (!stick.KernelFat())
        GTEST_SKIP() << "the kernel here has no vfat, and fusefat does not report the limit as the kernel does";
    TempDir temp;
    const fs::path source = temp / "src" / "noise.bin";
    fs::create_directories(source.parent_path());
    ASSERT_EQ(runProcess({"sh", "-c",
                          "openssl enc -aes-128-ctr -pass pass:volarin -nosalt -pbkdf2 < /dev/zero 2>/dev/null | "
                          "head -c 4400000000 > \"$1\"",
                          "sh", source.string()})
                  .exitCode,
              0);
    ZipRunService service(temp / "cache/staging");
    QSignalSpy ended(&service, &ZipRunService::Ended);
    service.Start({{source.string()}, stick / "noise.zip"});
    ASSERT_TRUE(ended.wait(1800000));
    const RunOutcome outcome = ended.back().at(0).value<RunOutcome>();
    EXPECT_EQ(outcome.end, RunOutcome::End::Failed);
    ASSERT_TRUE(outcome.failure);
    EXPECT_TRUE(UserMessage::For(*outcome.failure).text.contains(QStringLiteral("the drive cannot hold files over 4 GB")))
        << UserMessage::For(*outcome.failure).text.toStdString();
    EXPECT_TRUE(Everything(stick.Path()).empty()) << Everything(stick.Path()).front();
}
