// The zip run without any window: requests in, signals out, real archives
// read back by unzip and Python.
#include "ArchiveReader.h"
#include "CompressionWorkerPool.h"
#include "OpenFileLimit.h"
#include "TestWatchdog.h"
#include "ThreadStart.h"
#include "RandomBytes.h"
#include "FakeShell.h"
#include "TempDir.h"
#include "SmallTmpfs.h"
#include "Unprivileged.h"
#include "StagingJob.h"
#include "ThreadNames.h"
#include "UserMessage.h"
#include "ZipRunService.h"
#include "ZipWriter.h"
#include "Zipper.h"

#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

#include <fstream>
#include <optional>
#include <random>
#include <fcntl.h>
#include <sys/stat.h>

namespace fs = std::filesystem;

namespace {

class ZipRunServiceTest : public ::testing::Test {
protected:
    ZipRunServiceTest()
    {
        fs::create_directories(out);
        QObject::connect(service.get(), &ZipRunService::Staged, [this] { events << QStringLiteral("staged"); });
        QObject::connect(service.get(), &ZipRunService::Started, [this] { events << QStringLiteral("started"); });
        QObject::connect(service.get(), &ZipRunService::Progress, [this](int p) { percents.push_back(p); });
        QObject::connect(service.get(), &ZipRunService::Ended, [this](const RunOutcome& o) {
            events << QStringLiteral("ended");
            outcomes.push_back(o);
        });
    }

    // Runs the files into name.zip until the run has ended.
    const RunOutcome& Run(const QString& name, const std::vector<std::string>& files, fs::path archive = {})
    {
        const size_t before = outcomes.size();
        QSignalSpy ended(service.get(), &ZipRunService::Ended);
        service->Start({files, archive.empty() ? Archive(name) : archive});
        // An event loop of its own: qWaitFor would sleep between the run's steps.
        if (ended.isEmpty()) {
            EXPECT_TRUE(ended.wait(60000));
        }
        if (outcomes.size() == before)
            outcomes.push_back({});  // the test has failed already; keeps the caller's reference valid
        return outcomes.back();
    }

    fs::path Archive(const QString& name) const { return out / (name.toStdString() + ".zip"); }

    // What the staging root holds once the folders of ended runs are deleted.
    std::vector<std::string> StagingLeft()
    {
        EXPECT_TRUE(service->FinishCleanUp().ok());
        std::vector<std::string> left;
        std::error_code ec;
        for (fs::directory_iterator it(root, ec), end; !ec && it != end; it.increment(ec))
            left.push_back(it->path().filename().string());
        std::sort(left.begin(), left.end());
        return left;
    }

    static QString Words(const RunOutcome& outcome)
    {
        return outcome.failure ? UserMessage::For(*outcome.failure).text : QString();
    }

    TempDir temp;
    FakeShell shell;
    fs::path root = temp.path() / "staging";
    fs::path out = temp.path() / "out";
    std::unique_ptr<ZipRunService> service = std::make_unique<ZipRunService>(root);
    QStringList events;
    std::vector<int> percents;
    std::vector<RunOutcome> outcomes;
};

}  // namespace

TEST_F(ZipRunServiceTest, StagesQueuesAndZipsUnderBareNames)
{
    const std::string a = randomBytes(300000, 1);
    const fs::path first = temp.write("photos/a.jpg", a);
    const fs::path hidden = temp.write("photos/.hidden.jpg", "hidden");
    const fs::path empty = temp.write("other/empty.jpg", "");
    const RunOutcome& outcome = Run(QStringLiteral("photos"), {first, hidden, empty});
    EXPECT_EQ(outcome.end, RunOutcome::End::Completed);
    // The archive opens with the first staged file, before the last is staged.
    EXPECT_EQ(events, (QStringList{"started", "staged", "ended"}));
    EXPECT_FALSE(service->Running());
    // The hidden file is not zipped, and is named after the run.
    EXPECT_EQ(entriesReadBack(Archive("photos")), (std::map<std::string, std::string>{{"a.jpg", a}, {"empty.jpg", ""}}));
    EXPECT_TRUE(StagingLeft().empty());
    ASSERT_TRUE(outcome.failure);
    EXPECT_EQ(outcome.failure->kind, FailureKind::FilesLeftOut);
    EXPECT_EQ(Words(outcome), QStringLiteral("1 file was left out of \"%1\":\n%2: hidden file: not put into the archive")
                                  .arg(QString::fromStdString(Archive("photos").string()),
                                       QString::fromStdString(hidden.string())));
    ASSERT_FALSE(percents.empty());
    EXPECT_EQ(percents.back(), 100);
    EXPECT_TRUE(shell.messages.empty());
}

// Two files of one name: one entry, holding the file listed later.
TEST_F(ZipRunServiceTest, SameNamedFilesGiveOneEntryOfTheLaterFile)
{
    const fs::path a = temp.write("a/x.txt", "from a");
    const fs::path b = temp.write("b/x.txt", "from b");
    const fs::path y = temp.write("b/y.txt", "y");
    ASSERT_EQ(Run(QStringLiteral("dups"), {b, y, a}).end, RunOutcome::End::Completed);
    EXPECT_EQ(entriesReadBack(Archive("dups")), (std::map<std::string, std::string>{{"x.txt", "from a"}, {"y.txt", "y"}}));
}

// A file that vanished before the run is left out, the run goes on with the
// rest, and the outcome names it and why. With nothing left no run starts.
TEST_F(ZipRunServiceTest, FilesThatCannotBeCopiedAreNamedAfterTheRun)
{
    const fs::path keep = temp.write("p/keep.jpg", "keep");
    const RunOutcome partial = Run(QStringLiteral("partial"), {keep, temp.path() / "p" / "gone.jpg"});
    EXPECT_EQ(partial.end, RunOutcome::End::Completed);
    EXPECT_EQ(entriesReadBack(Archive("partial")), (std::map<std::string, std::string>{{"keep.jpg", "keep"}}));
    ASSERT_TRUE(partial.failure);
    EXPECT_EQ(partial.failure->kind, FailureKind::FilesLeftOut);
    const QString text = Words(partial);
    EXPECT_TRUE(text.startsWith(QStringLiteral("1 file was left out of \""))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("gone.jpg: No such file or directory"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("partial.zip"))) << text.toStdString();

    events.clear();
    const RunOutcome nothing = Run(QStringLiteral("nothing"), {temp.path() / "p" / "gone.jpg", temp.path() / "p/"});
    EXPECT_EQ(nothing.end, RunOutcome::End::NotStarted);
    EXPECT_EQ(events, (QStringList{"staged", "ended"}));
    const QString none = Words(nothing);
    EXPECT_TRUE(none.startsWith(QStringLiteral("No file could be read for \""))) << none.toStdString();
    EXPECT_TRUE(none.contains(QStringLiteral(": not a file"))) << none.toStdString();
    EXPECT_FALSE(fs::exists(Archive("nothing")));
}

// A long list of files left out is cut, so the message box stays on the screen.
TEST_F(ZipRunServiceTest, LongListsOfFilesLeftOutAreCut)
{
    std::vector<std::string> files{temp.write("p/real.txt", "r")};
    for (int i = 0; i < 25; ++i)
        files.push_back(temp.path() / ("missing-" + std::to_string(i)));
    const QString text = Words(Run(QStringLiteral("cut"), files));
    EXPECT_TRUE(text.startsWith(QStringLiteral("25 files were left out of"))) << text.toStdString();
    EXPECT_EQ(text.count(QStringLiteral("No such file or directory")), 20);
    EXPECT_TRUE(text.endsWith(QStringLiteral("\n... and 5 more."))) << text.toStdString();
}

// Root reads every file, so as root the test runs again as nobody.
TEST_F(ZipRunServiceTest, UnreadableSourceAsOrdinaryUser)
{
    VOLARIN_RUN_AS_NOBODY_WHEN_ROOT();
    const fs::path ok = temp.write("p/ok.jpg", "ok");
    const fs::path secret = temp.write("p/secret.jpg", "secret");
    ::chmod(secret.c_str(), 0);
    const RunOutcome outcome = Run(QStringLiteral("unreadable"), {ok, secret});
    EXPECT_EQ(entriesReadBack(Archive("unreadable")), (std::map<std::string, std::string>{{"ok.jpg", "ok"}}));
    EXPECT_TRUE(Words(outcome).contains(QStringLiteral("secret.jpg: Permission denied"))) << Words(outcome).toStdString();
}

// An archive that cannot be created: the run fails at once, and the words
// name the archive, what went wrong and the system's reason, never a step
// name of the zip engine; the files left out follow.
TEST_F(ZipRunServiceTest, ArchiveThatCannotBeCreatedIsWorded)
{
    const fs::path x = temp.write("p/x.jpg", "x");
    Run(QStringLiteral("lost"), {x, temp.path() / "p" / "gone.jpg"}, out / "missing" / "lost.zip");
    ASSERT_EQ(outcomes.size(), 1u);
    EXPECT_EQ(outcomes[0].end, RunOutcome::End::Failed);
    // The archive is opened with the first staged file; staging stops there.
    EXPECT_EQ(events, (QStringList{"ended"}));
    EXPECT_FALSE(service->Running());
    const QString text = Words(outcomes[0]);
    EXPECT_TRUE(text.startsWith(QStringLiteral("The archive \"") + QString::fromStdString((out / "missing").string())
                                + QStringLiteral("/lost.zip\" could not be written: it could not be created (No such "
                                                 "file or directory).\n\n1 file was left out of")))
        << text.toStdString();
    EXPECT_FALSE(text.contains(QStringLiteral("OpenZip")));
}

// A second Start while a run is under way is refused and leaves that run alone.
TEST_F(ZipRunServiceTest, OneRunAtATime)
{
    const fs::path big = temp.write("big/big.jpg", randomBytes(4 * 1024 * 1024, 6));
    service->Start({{big}, Archive("first")});
    ASSERT_TRUE(service->Running());
    ASSERT_FALSE(service->CanStart().ok());
    EXPECT_EQ(UserMessage::For(service->CanStart().failure()).icon, Shell::Icon::Information);
    service->Start({{big}, Archive("second")});
    ASSERT_EQ(outcomes.size(), 1u);
    EXPECT_EQ(outcomes[0].end, RunOutcome::End::NotStarted);
    EXPECT_TRUE(Words(outcomes[0]).contains(QStringLiteral("first.zip\" is still being written"))) << Words(outcomes[0]).toStdString();
    EXPECT_TRUE(service->Running());
    ASSERT_TRUE(QTest::qWaitFor([&] { return outcomes.size() == 2; }, 60000));
    EXPECT_EQ(outcomes[1].end, RunOutcome::End::Completed);
    EXPECT_EQ(entriesReadBack(Archive("first")).size(), 1u);
}

// Entries and bytes left in the Zipper by an earlier queuing that stopped
// half-way never ride along with the next run: not in the archive, not in
// the percentage.
TEST_F(ZipRunServiceTest, LeftoversOfAnEarlierQueuingDoNotRideAlong)
{
    auto zipper = std::make_unique<Zipper>();
    const fs::path leftover = temp.write("elsewhere/leftover.jpg", randomBytes(400000, 7));
    ASSERT_FALSE(zipper->AddFile(leftover));
    ASSERT_EQ(zipper->BytesToZip(), 400000);
    service = std::make_unique<ZipRunService>(root, std::move(zipper));
    QObject::connect(service.get(), &ZipRunService::Progress, [this](int p) { percents.push_back(p); });
    QObject::connect(service.get(), &ZipRunService::Ended, [this](const RunOutcome& o) { outcomes.push_back(o); });

    const fs::path b = temp.write("q/b.jpg", "b");
    EXPECT_EQ(Run(QStringLiteral("queue"), {b}).end, RunOutcome::End::Completed);
    EXPECT_EQ(entriesReadBack(Archive("queue")), (std::map<std::string, std::string>{{"b.jpg", "b"}}));
    EXPECT_EQ(percents, std::vector<int>{100});
}

// The first chunk of a run over 25 MiB is under half a percent: it reports
// 0, not 100, and the percentage only grows.
TEST_F(ZipRunServiceTest, PercentageIsTrueFromTheStart)
{
    const fs::path big = temp.write("big/big.jpg", randomBytes(30 * 1024 * 1024, 9));
    Run(QStringLiteral("percent"), {big});
    ASSERT_FALSE(percents.empty());
    EXPECT_EQ(percents.front(), 0);
    EXPECT_EQ(percents.back(), 100);
    EXPECT_TRUE(std::is_sorted(percents.begin(), percents.end()));
}

// Shutdown during a run stops it without a signal, removes the staging
// folders, and leaves no half-written archive.
TEST_F(ZipRunServiceTest, ShutdownStopsTheRunAndRemovesStaging)
{
    const fs::path big = temp.write("big/big.jpg", randomBytes(12 * 1024 * 1024, 5));
    service->Start({{big}, Archive("big")});
    ASSERT_TRUE(QTest::qWaitFor([&] { return !percents.empty(); }, 10000));
    service->Shutdown();
    EXPECT_FALSE(service->Running());
    QTest::qWait(50);
    EXPECT_TRUE(outcomes.empty());
    EXPECT_TRUE(StagingLeft().empty());
    EXPECT_TRUE(fs::is_empty(out)) << "half-written archive left behind";
    EXPECT_EQ(readFileBytes(big).size(), 12u * 1024 * 1024);
}

// Staging folders are the runs' own: a folder of any name in the staging
// root, ours from a killed process or not, never stands in a run's way, and
// one that is not ours is never touched.
TEST_F(ZipRunServiceTest, LeftoversNeverBlockAName)
{
    temp.write("staging/same/keep.txt", "keep");
    temp.write("staging/same.zip/keep.txt", "keep");
    {
        StagingArea killed(root);  // gone without deleting its folder: only its lock goes
        ASSERT_TRUE(killed.MakeRunFolder().ok());
    }
    const fs::path x = temp.write("p/x.jpg", "x");
    EXPECT_EQ(Run(QStringLiteral("same"), {x}).end, RunOutcome::End::Completed);
    EXPECT_EQ(entriesReadBack(Archive("same")), (std::map<std::string, std::string>{{"x.jpg", "x"}}));
    EXPECT_TRUE(service->RemoveLeftovers().ok());
    EXPECT_EQ(StagingLeft(), (std::vector<std::string>{"same", "same.zip"}));
    EXPECT_EQ(readFileBytes(root / "same" / "keep.txt"), "keep");
}

// A full output disk is named in the system's words, not by a code of the zip
// engine, and leaves no temporary archive behind. Runs in the small tmpfs of
// the next test; skipped on its own.
TEST_F(ZipRunServiceTest, FullDiskInsideSmallTmpfs)
{
    const char* folder = smallTmpfsFolder();
    if (folder == nullptr)
        GTEST_SKIP() << "run by ZipRunServiceFullDisk.OutputDiskFullIsNamed";
    const fs::path big = temp.write("p/rand2.bin", randomBytes(2 * 1024 * 1024, 3));
    const RunOutcome& outcome = Run(QStringLiteral("full"), {big}, fs::path(folder) / "full.zip");
    EXPECT_EQ(outcome.end, RunOutcome::End::Failed);
    const QString text = Words(outcome);
    EXPECT_TRUE(text.contains(QStringLiteral("writing \"rand2.bin\" into it failed (No space left on device)")))
        << text.toStdString();
    EXPECT_FALSE(text.contains(QStringLiteral("error code"))) << text.toStdString();
    EXPECT_TRUE(fs::is_empty(folder)) << "temporary archive left behind";
}

TEST(ZipRunServiceFullDisk, OutputDiskFullIsNamed)
{
    const SmallTmpfsRun run = runTestInSmallTmpfs("ZipRunServiceTest.FullDiskInsideSmallTmpfs");
    if (!run.mounted)
        GTEST_SKIP() << "cannot mount a tmpfs here: " << run.result.out;
    EXPECT_EQ(run.result.exitCode, 0) << run.result.out;
    EXPECT_NE(run.result.out.find("[  PASSED  ] 1 test"), std::string::npos) << run.result.out;
}

namespace {

// What must never change about a user's file, whatever is done to a link to it.
struct FileFacts {
    std::string bytes;
    mode_t mode = 0;
    timespec mtime{};
    nlink_t links = 0;
};

FileFacts factsOf(const fs::path& file)
{
    struct stat st {};
    EXPECT_EQ(::stat(file.c_str(), &st), 0);
    return {readFileBytes(file), st.st_mode, st.st_mtim, st.st_nlink};
}

void expectUntouched(const fs::path& file, const FileFacts& before, const char* when)
{
    const FileFacts now = factsOf(file);
    EXPECT_EQ(now.bytes, before.bytes) << when;
    EXPECT_EQ(now.mode, before.mode) << when;
    EXPECT_EQ(now.mtime.tv_sec, before.mtime.tv_sec) << when;
    EXPECT_EQ(now.mtime.tv_nsec, before.mtime.tv_nsec) << when;
}

}  // namespace

// Staged files are links to the user's files where the file system allows:
// no way of deleting the staging folder may change a source's bytes, mode or
// time (a read-only source must not be made writable to delete its link).
TEST_F(ZipRunServiceTest, DeletingStagedLinksLeavesTheSourcesAlone)
{
    const fs::path source = temp.write("mine/photo.jpg", randomBytes(200000, 4));
    ::chmod(source.c_str(), 0444);
    const timespec old[2] = {{1000000000, 0}, {1000000000, 0}};
    ::utimensat(AT_FDCWD, source.c_str(), old, 0);
    const FileFacts before = factsOf(source);
    service->SetStagingLinks(StagingLinks::Every());
    nlink_t linksDuringRun = 0;
    QObject::connect(service.get(), &ZipRunService::Started, [&] { linksDuringRun = factsOf(source).links; });
    ASSERT_EQ(Run(QStringLiteral("links"), {source}).end, RunOutcome::End::Completed);
    EXPECT_EQ(entriesReadBack(Archive("links")).at("photo.jpg"), before.bytes);
    EXPECT_EQ(linksDuringRun, 2u) << "staged without a link";
    expectUntouched(source, before, "after the run");

    EXPECT_TRUE(StagingLeft().empty());
    EXPECT_EQ(factsOf(source).links, 1u);
    expectUntouched(source, before, "after the staging folder went");
}

// Staging runs beside the window's thread: Start returns before anything is
// staged and the queue is built after. (Whether the event loop turns before
// 500 links are made depends on the machine's load, so it is not counted.)
TEST_F(ZipRunServiceTest, StartReturnsBeforeTheFilesAreStaged)
{
    service->SetStagingLinks(StagingLinks::Every());  // links, the slowest way
    std::vector<std::string> files;
    for (int i = 0; i < 500; ++i)
        files.push_back(temp.write("many/f" + std::to_string(i) + ".txt", std::to_string(i)));
    service->Start({files, Archive("many")});
    EXPECT_TRUE(events.isEmpty());
    EXPECT_TRUE(service->Running());
    QSignalSpy ended(service.get(), &ZipRunService::Ended);
    QSignalSpy progress(service.get(), &ZipRunService::Progress);
    ASSERT_TRUE(ended.wait(60000));
    EXPECT_EQ(events, (QStringList{"started", "staged", "ended"}));
    // Zipping while staging: the percentage never goes back and ends whole.
    ASSERT_FALSE(progress.isEmpty());
    for (qsizetype i = 1; i < progress.size(); ++i)
        ASSERT_LE(progress[i - 1][0].toInt(), progress[i][0].toInt()) << "at " << i;
    EXPECT_EQ(progress.back()[0].toInt(), 100);
    EXPECT_EQ(outcomes[0].end, RunOutcome::End::Completed);
    EXPECT_EQ(entriesReadBack(Archive("many")).size(), 500u);
}

// Shutdown while files are being staged stops the staging thread, joins it
// and deletes the staging folder; no signal comes and the sources stay.
TEST_F(ZipRunServiceTest, ShutdownDuringStagingCleansUp)
{
    service->SetStagingLinks(StagingLinks::Every());
    std::vector<std::string> files{temp.write("big/big.bin", randomBytes(8 * 1024 * 1024, 8))};
    for (int i = 0; i < 500; ++i)
        files.push_back(temp.write("many/f" + std::to_string(i) + ".txt", "x"));
    service->Start({files, Archive("stopped")});
    service->Shutdown();
    EXPECT_FALSE(service->Running());
    EXPECT_EQ(threadsNamed(StagingJob::kStagingThreadName), 0u);
    QTest::qWait(50);
    EXPECT_TRUE(events.isEmpty());
    EXPECT_TRUE(StagingLeft().empty());
    EXPECT_TRUE(fs::is_empty(out));
    EXPECT_EQ(readFileBytes(files[0]).size(), 8u * 1024 * 1024);
    EXPECT_EQ(readFileBytes(files[1]), "x");
}

// A file replaced by a later one of its name is named with the folder of the
// one kept; the same path handed over twice (a second Start) is no
// replacement, and a run where every file went in ends silent.
TEST_F(ZipRunServiceTest, ReplacedFilesAreNamedOnce)
{
    const fs::path a = temp.write("a/x.txt", "from a");
    const fs::path b = temp.write("b/x.txt", "from b");
    const QString replacedByA = QStringLiteral("\n%1: replaced by the file of the same name from \"%2\"")
                                    .arg(QString::fromStdString(b.string()), QString::fromStdString(a.parent_path().string()));
    struct Case {
        const char* name;
        std::vector<std::string> files;
        const char* kept;
        QString leftOut;  // the lines after the heading; empty: no message
    } cases[] = {
        {"twice", {a, a}, "from a", {}},
        {"replaced", {b, a, b, a}, "from a", replacedByA},
    };
    for (const Case& c : cases) {
        const RunOutcome& outcome = Run(QString::fromLatin1(c.name), c.files);
        EXPECT_EQ(entriesReadBack(Archive(QString::fromLatin1(c.name))), (std::map<std::string, std::string>{{"x.txt", c.kept}})) << c.name;
        EXPECT_EQ(outcome.failure.has_value(), !c.leftOut.isEmpty()) << c.name;
        if (outcome.failure) {
            EXPECT_TRUE(Words(outcome).endsWith(c.leftOut) && Words(outcome).startsWith(QStringLiteral("1 file was left out")))
                << Words(outcome).toStdString();
        }
    }
}

// Stop, while staging and while zipping: Ended(Stopped) with the words, no
// archive (an older one of the name kept), the run's staging folder gone,
// and the next run goes as usual.
TEST_F(ZipRunServiceTest, StopEndsTheRunKeepingAnOlderArchive)
{
    const fs::path big = temp.write("big/big.bin", randomBytes(12 * 1024 * 1024, 8));
    std::vector<fs::path> many{big};
    for (int i = 0; i < 300; ++i)
        many.push_back(temp.write("many/f" + std::to_string(i) + ".txt", "x"));
    const fs::path old = temp.write("out/stopped.zip", "older");
    const struct Phase {
        const char* when;
        StagingLinks staging;
        bool waitForProgress;
    } phases[] = {{"staging", StagingLinks::Every(), false}, {"zipping", StagingLinks(), true}};
    for (const Phase& phase : phases) {
        SCOPED_TRACE(phase.when);
        outcomes.clear();
        percents.clear();
        service->SetStagingLinks(phase.staging);
        service->Start({std::vector<std::string>(many.begin(), many.end()), old});
        if (phase.waitForProgress) {
            ASSERT_TRUE(QTest::qWaitFor([&] { return !percents.empty(); }, 10000));
        }
        ASSERT_TRUE(service->Running());
        service->Stop();
        EXPECT_FALSE(service->Running());
        ASSERT_EQ(outcomes.size(), 1u);
        EXPECT_EQ(outcomes[0].end, RunOutcome::End::Stopped);
        EXPECT_TRUE(Words(outcomes[0]).startsWith(QStringLiteral("The run was stopped: \""))) << Words(outcomes[0]).toStdString();
        EXPECT_EQ(UserMessage::For(*outcomes[0].failure).icon, Shell::Icon::Information);
        QTest::qWait(50);
        EXPECT_EQ(outcomes.size(), 1u) << "a signal after the stop";
        EXPECT_EQ(readFileBytes(old), "older");
        EXPECT_EQ(std::distance(fs::directory_iterator(out), fs::directory_iterator()), 1) << "temporary archive left";
        EXPECT_TRUE(StagingLeft().empty());
        EXPECT_EQ(fs::file_size(big), 12u * 1024 * 1024);
    }
    service->SetStagingLinks({});
    EXPECT_EQ(Run(QStringLiteral("after"), {many[1]}).end, RunOutcome::End::Completed);
}

// The run's staging thread cannot be woken from (no eventfd at the open-file
// limit) or cannot be started: the run ends at once, told once with the
// system's reason, and the next Start works.
TEST_F(ZipRunServiceTest, RunWhoseThreadCannotStartEndsWithTheReason)
{
    TestWatchdog::Limit(TestWatchdog::kThreaded);
    const fs::path file = temp.write("src/a.txt", "alpha");
    const struct {
        bool fileLimit;
        const char* reason;
    } cases[] = {{true, "Too many open files"}, {false, "Resource temporarily unavailable"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.reason);
        const size_t before = outcomes.size();
        {
            std::optional<OpenFileLimit> limit;
            if (c.fileLimit)
                limit.emplace(0);
            else
                ThreadStart::FailNext(1);
            service->Start({{file}, Archive("a")});
            ThreadStart::FailNext(0);
        }
        ASSERT_EQ(outcomes.size(), before + 1);
        EXPECT_EQ(outcomes.back().end, RunOutcome::End::NotStarted);
        EXPECT_EQ(Words(outcomes.back()), QStringLiteral("The archive \"%1\" was not written: the run could not be "
                                                         "started: %2.")
                                              .arg(QString::fromStdString(Archive("a").string()),
                                                   QString::fromLatin1(c.reason)));
        EXPECT_FALSE(service->Running());
        EXPECT_EQ(Run(QStringLiteral("a"), {file}).end, RunOutcome::End::Completed);
        EXPECT_EQ(entriesReadBack(Archive("a")).size(), 1u);
    }
}

// A file measured at Start is read at its turn only if it is still that file:
// one grown, saved over or replaced since fails the run, naming the user's
// file; one deleted cannot be read. A link in the staging folder keeps the
// file of Start readable when its name is deleted or saved over by a new
// file, but not when the file itself is written to.
TEST_F(ZipRunServiceTest, FilesThatChangeBeforeTheirTurnAreNamed)
{
    // Long enough to zip that the later file waits for its turn.
    const fs::path first = temp.write("p/a-first.bin", randomBytes(24 * 1024 * 1024, 11));
    enum class Change { Grown, SavedOver, Replaced, Deleted };
    const struct Case {
        const char* what;
        bool linked;
        Change change;
        const char* ending;  // of the message; empty: the run completes with the file of Start
    } cases[] = {
        {"grown", false, Change::Grown, "could not be read whole (it changed or vanished during the run)."},
        {"saved over", false, Change::SavedOver, "could not be read whole (it changed or vanished during the run)."},
        {"replaced", false, Change::Replaced, "could not be read whole (it changed or vanished during the run)."},
        {"deleted", false, Change::Deleted, "could not be read (No such file or directory)."},
        {"linked, grown", true, Change::Grown, "could not be read whole (it changed or vanished during the run)."},
        {"linked, replaced", true, Change::Replaced, ""},
        {"linked, deleted", true, Change::Deleted, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const fs::path later = temp.write("p/b-later.txt", "as it was at Start");
        service->SetStagingLinks(c.linked ? StagingLinks::Every() : StagingLinks::None());
        const QMetaObject::Connection changing = QObject::connect(service.get(), &ZipRunService::Staged, [&] {
            if (c.change == Change::Grown)
                std::ofstream(later, std::ios::app) << " and more";
            else if (c.change == Change::SavedOver)
                std::ofstream(later) << "as it was at start";  // the same length, a later time
            else if (c.change == Change::Replaced)
                fs::rename(temp.write("p/new.txt", "a new file"), later);
            else
                fs::remove(later);
            if (c.change == Change::SavedOver) {
                const timespec times[2] = {{0, UTIME_OMIT}, {0, UTIME_NOW}};
                ::utimensat(AT_FDCWD, later.c_str(), times, 0);
            }
        });
        const RunOutcome& outcome = Run(QStringLiteral("changed"), {first, later});
        QObject::disconnect(changing);
        if (*c.ending == '\0') {
            EXPECT_EQ(outcome.end, RunOutcome::End::Completed) << Words(outcome).toStdString();
            EXPECT_EQ(entriesReadBack(Archive("changed")).at("b-later.txt"), "as it was at Start");
        } else {
            EXPECT_EQ(outcome.end, RunOutcome::End::Failed);
            EXPECT_EQ(Words(outcome), QStringLiteral("The archive \"%1\" could not be written: the file \"%2\" %3")
                                          .arg(QString::fromStdString(Archive("changed").string()),
                                               QString::fromStdString(later.string()), QString::fromLatin1(c.ending)));
            EXPECT_FALSE(fs::exists(Archive("changed")));
        }
        EXPECT_TRUE(StagingLeft().empty());
    }
}

// A thread of the run whose work fails on the way (its memory runs out):
// the run ends with the reason instead of the program, no archive is
// written (an older one stays) and the next run goes as usual.
TEST_F(ZipRunServiceTest, RunWhoseThreadFailsEndsWithTheReason)
{
    TestWatchdog::Limit(TestWatchdog::kThreaded);
    // Workers and a closing thread whatever the machine's cores.
    service.reset();
    service = std::make_unique<ZipRunService>(
        root, std::make_unique<Zipper>(2, [] { return std::unique_ptr<ZipWriterInterface>(new ZipWriter); }));
    QObject::connect(service.get(), &ZipRunService::Ended, [this](const RunOutcome& o) { outcomes.push_back(o); });
    const fs::path file = temp.write("src/a.txt", randomBytes(300000, 4));
    temp.write("out/a.zip", "OLDER");
    const QString archive = QString::fromStdString(Archive("a").string());
    const struct {
        const char* thread;
        int count;
        RunOutcome::End end;
        QString words;
    } cases[] = {
        {StagingJob::kStagingThreadName, 1, RunOutcome::End::NotStarted,
         QStringLiteral("No file could be read for \"%1\", so no archive was written:\n%2: Cannot allocate memory")
             .arg(archive, QString::fromStdString(file.string()))},
        {CompressionWorkerPool::kWorkerThreadName, 2, RunOutcome::End::Failed,
         QStringLiteral("The archive \"%1\" could not be written: writing \"a.txt\" into it failed (Cannot allocate "
                        "memory).").arg(archive)},
        {Zipper::kPublisherThreadName, 1, RunOutcome::End::Failed,
         QStringLiteral("The archive \"%1\" could not be written: it could not be finished (Cannot allocate memory).")
             .arg(archive)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.thread);
        outcomes.clear();
        ThreadStart::FailBodiesOf(c.thread, c.count);
        const RunOutcome& outcome = Run(QStringLiteral("a"), {file.string()});
        ThreadStart::FailBodiesOf({}, 0);
        EXPECT_EQ(outcome.end, c.end);
        EXPECT_EQ(Words(outcome).toStdString(), c.words.toStdString());
        EXPECT_EQ(readFileBytes(Archive("a")), "OLDER");
        EXPECT_EQ(Run(QStringLiteral("b"), {file.string()}).end, RunOutcome::End::Completed);
        EXPECT_EQ(entriesReadBack(Archive("b")).size(), 1u);
    }
}
