// Temporary archives left by a killed run are found through the journal and
// removed, while a live run's file and everything the journal does not name
// stay; several processes (here: threads with journals of their own) share it.
#include <gtest/gtest.h>

#include <QEventLoop>

#include <unistd.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <thread>

#include "ChildProcess.h"
#include "TempDir.h"
#include "TemporaryArchive.h"
#include "TemporaryArchiveJournal.h"
#include "Zipper.h"
#include "ZipperRecorder.h"

namespace fs = std::filesystem;

namespace {

// The archives a sweep deleted; a failed sweep fails the test.
std::vector<fs::path> swept(TemporaryArchiveJournal& journal)
{
    const auto deleted = journal.SweepLeftovers();
    EXPECT_TRUE(deleted.ok()) << deleted.code().message();
    return deleted ? deleted.value() : std::vector<fs::path>{};
}

std::vector<fs::path> recorded(const fs::path& journal)
{
    const std::string bytes = readFileBytes(journal);
    std::vector<fs::path> parts;
    for (size_t at = 0, end; (end = bytes.find('\0', at)) != std::string::npos; at = end + 1)
        parts.push_back(bytes.substr(at, end - at));
    return parts;
}

std::vector<fs::path> partsIn(const fs::path& folder)
{
    std::vector<fs::path> parts;
    for (const auto& e : fs::directory_iterator(folder))
        if (e.path().extension() == ".part")
            parts.push_back(e.path());
    return parts;
}

}  // namespace

// The child's side of the next test: a real run that stops in the middle of a
// large file (its first Progress handler never returns) until it is killed.
TEST(TemporaryArchiveJournalChild, RunsUntilKilled)
{
    const char* folder = std::getenv("VOLARIN_JOURNAL_CHILD");
    if (folder == nullptr)
        GTEST_SKIP() << "run by TemporaryArchiveJournal.KilledRunsLeftoverIsSweptAndNothingElse";
    const fs::path root = folder;
    Zipper zipper;
    zipper.SetTemporaryArchiveJournal(std::make_shared<TemporaryArchiveJournal>(root / "cache" / "journal"));
    ASSERT_FALSE(zipper.AddFile(root / "source.bin"));
    ASSERT_FALSE(zipper.Zip(root / "out" / "x.zip"));
    QObject::connect(&zipper, &Zipper::Progress, [&] {
        for (const fs::path& part : partsIn(root / "out"))
            std::printf("PART %s\n", part.c_str());
        std::fflush(stdout);
        for (;;)
            pause();
    });
    QEventLoop loop;
    loop.exec();
}

TEST(TemporaryArchiveJournal, KilledRunsLeftoverIsSweptAndNothingElse)
{
    TempDir dir;
    dir.write("source.bin", patternBytes(24 << 20, 5));
    const fs::path out = dir / "out";
    // Sentinels beside the leftover: an older archive, a temporary-looking
    // file nobody recorded, and another file.
    dir.write("out/x.zip", "OLD ARCHIVE");
    dir.write("out/x.zip.abc123.part", "not recorded");
    dir.write("out/notes.txt", "notes");

    ChildProcess child({fs::read_symlink("/proc/self/exe").string(),
                        "--gtest_filter=TemporaryArchiveJournalChild.RunsUntilKilled"},
                       {{"VOLARIN_JOURNAL_CHILD", dir.path().string()}});
    ASSERT_TRUE(child.Started());
    child.WaitForLine("PART ");
    const std::string output = child.Output();
    const size_t at = output.find("PART ");
    ASSERT_NE(at, std::string::npos) << output;
    std::vector<fs::path> live = {};
    for (size_t line = at; (line = output.find("PART ", line)) != std::string::npos; ++line)
        live.push_back(output.substr(line + 5, output.find('\n', line) - line - 5));
    std::erase(live, out / "x.zip.abc123.part");
    ASSERT_EQ(live.size(), 1u) << output;
    const fs::path childPart = live[0];

    TemporaryArchiveJournal journal(dir / "cache" / "journal");
    // While the child lives, its file is locked and stays.
    EXPECT_TRUE(swept(journal).empty());
    EXPECT_TRUE(fs::exists(childPart));

    child.Signal(SIGKILL);  // nothing of the child's clean-up runs
    ASSERT_TRUE(child.WaitForEnd(10000));
    EXPECT_TRUE(fs::exists(childPart));

    // A live run of this process, recorded in the same journal.
    TemporaryArchive ours;
    const auto reserved = ours.Reserve(out / "y.zip", std::make_shared<TemporaryArchiveJournal>(dir / "cache" / "journal"));
    ASSERT_TRUE(reserved.ok()) << reserved.code().message();
    EXPECT_EQ(swept(journal), std::vector<fs::path>{childPart});
    EXPECT_FALSE(fs::exists(childPart));
    EXPECT_TRUE(fs::exists(ours.Path()));
    EXPECT_EQ(recorded(dir / "cache" / "journal"), std::vector<fs::path>{ours.Path()});
    EXPECT_EQ(readFileBytes(out / "x.zip"), "OLD ARCHIVE");
    EXPECT_EQ(readFileBytes(out / "x.zip.abc123.part"), "not recorded");
    EXPECT_EQ(readFileBytes(out / "notes.txt"), "notes");

    ours.Discard();
    EXPECT_TRUE(recorded(dir / "cache" / "journal").empty());
    EXPECT_TRUE(swept(journal).empty());
}

// A damaged or hand-edited journal must not make the sweep delete a user's
// file. Besides what it names, only the journal's own temporary files go
// (left by a process killed between writing one and renaming it), by their
// exact name.
TEST(TemporaryArchiveJournal, OnlyTemporaryArchivesNamedInItAreEverDeleted)
{
    TempDir dir;
    const std::vector<fs::path> mustStay = {dir.write("report.txt", "r"), dir.write("x.zip", "z"),
                                            dir.write("x.zip.ABC123.part", "upper case"),
                                            dir.write("x.zip.abc12.part", "five"), dir.write("folder.abc123.part/f"),
                                            dir.write("journal.Ab3xY", "five"), dir.write("journal.Ab3xYz7", "seven"),
                                            dir.write("journal.Ab-xYz", "dash"), dir.write("journals.Ab3xYz", "other")};
    const fs::path leftover = dir.write("x.zip.k3v9qa.part", "left over");
    const fs::path journalLeftover = dir.write("journal.Ab3xYz", "the journal's, never renamed");
    fs::create_symlink(dir / "report.txt", dir / "link.zip.aaaaaa.part");
    fs::create_symlink(dir / "report.txt", dir / "journal.QWERTY");
    std::string journalBytes;
    for (const fs::path& p : mustStay)
        journalBytes += p.string() + '\0';
    journalBytes += (dir / "folder.abc123.part").string() + '\0';
    journalBytes += (dir / "link.zip.aaaaaa.part").string() + '\0';
    journalBytes += std::string("x.zip.k3v9qa.part") + '\0';  // relative
    journalBytes += leftover.string() + '\0';
    journalBytes += (dir / "report.txt").string();  // cut short: no terminator
    dir.write("journal", journalBytes);

    TemporaryArchiveJournal journal(dir / "journal");
    EXPECT_EQ(swept(journal), std::vector<fs::path>{leftover});
    for (const fs::path& p : mustStay)
        EXPECT_TRUE(fs::exists(p)) << p;
    EXPECT_TRUE(fs::exists(fs::symlink_status(dir / "link.zip.aaaaaa.part")));
    EXPECT_TRUE(fs::exists(fs::symlink_status(dir / "journal.QWERTY")));
    EXPECT_FALSE(fs::exists(journalLeftover));
    EXPECT_TRUE(recorded(dir / "journal").empty());
}

// A journal that cannot be used says which step failed and the system's
// reason, for each of its operations, and records nothing.
TEST(TemporaryArchiveJournal, FailuresNameTheStepAndTheReason)
{
    TempDir dir;
    dir.write("blocked", "a file where the journal's folder should be");
    fs::create_directories(dir / "folder" / "journal");  // a folder where the journal should be
    const fs::path part = dir / "x.zip.abc123.part";
    struct Case {
        const char* what;
        fs::path journal;
        JournalFailure kind;
        std::errc reason;
    };
    const Case cases[] = {
        {"no folder for the lock", dir / "blocked" / "journal", JournalFailure::NotLocked, std::errc::not_a_directory},
        {"a folder in the journal's place", dir / "folder" / "journal", JournalFailure::NotRead,
         std::errc::is_a_directory},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TemporaryArchiveJournal journal(c.journal);
        bool created = false;
        const auto record = journal.Record(part, [&] {
            created = true;
            return std::error_code();
        });
        const auto forgotten = journal.Forget(part);
        const auto swept = journal.SweepLeftovers();
        for (const Result<void, JournalFailure>& failed : {record, forgotten}) {
            ASSERT_FALSE(failed);
            EXPECT_EQ(failed.kind(), c.kind);
            EXPECT_EQ(failed.code(), c.reason) << failed.code().message();
        }
        ASSERT_FALSE(swept);
        EXPECT_EQ(swept.kind(), c.kind);
        EXPECT_EQ(swept.code(), c.reason) << swept.code().message();
        EXPECT_FALSE(created);
    }
    // A path that is not a temporary archive's is refused before anything is made.
    TemporaryArchiveJournal journal(dir / "cache" / "journal");
    const auto refused = journal.Record(dir / "notes.txt", [] { return std::error_code(); });
    ASSERT_FALSE(refused);
    EXPECT_EQ(refused.kind(), JournalFailure::NotAPart);
    // The file's own failure comes back as NotCreated, with its reason.
    const auto notCreated =
        journal.Record(part, [] { return std::make_error_code(std::errc::no_space_on_device); });
    ASSERT_FALSE(notCreated);
    EXPECT_EQ(notCreated.kind(), JournalFailure::NotCreated);
    EXPECT_EQ(notCreated.code(), std::errc::no_space_on_device);
    EXPECT_TRUE(recorded(dir / "cache" / "journal").empty());
}

TEST(TemporaryArchiveJournal, ConcurrentUpdatesLoseNoRecord)
{
    TempDir dir;
    const fs::path journalFile = dir / "cache" / "journal";
    std::vector<std::vector<std::unique_ptr<TemporaryArchive>>> held(4);
    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t) {
        threads.emplace_back([&, t] {
            auto journal = std::make_shared<TemporaryArchiveJournal>(journalFile);
            for (int i = 0; i < 20; ++i) {
                auto archive = std::make_unique<TemporaryArchive>();
                if (!archive->Reserve(dir / ("t" + std::to_string(t) + ".zip"), journal))
                    return;
                if (i % 4 == 0)
                    held[size_t(t)].push_back(std::move(archive));  // the others are discarded at once
            }
        });
    }
    for (std::thread& thread : threads)
        thread.join();
    std::vector<fs::path> expected;
    for (const auto& list : held)
        for (const auto& archive : list)
            expected.push_back(archive->Path());
    ASSERT_EQ(expected.size(), 20u);
    std::vector<fs::path> actual = recorded(journalFile);
    std::sort(actual.begin(), actual.end());
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(actual, expected);
    EXPECT_EQ(partsIn(dir.path()).size(), 20u);
}

TEST(TemporaryArchiveJournal, ARunRecordsItsFileUntilItTakesItsName)
{
    ZipperRecorder r;
    const fs::path journalFile = r.dir / "cache" / "journal";
    r.zipper.SetTemporaryArchiveJournal(std::make_shared<TemporaryArchiveJournal>(journalFile));
    r.zipper.AddFile(r.file("a.bin", 10));
    ASSERT_FALSE(r.zipper.Zip(r.dir / "out.zip"));
    const std::vector<fs::path> during = recorded(journalFile);
    ASSERT_EQ(during.size(), 1u);
    EXPECT_TRUE(fs::exists(during[0]));
    EXPECT_EQ(during[0].parent_path(), fs::absolute(r.dir.path()));
    EXPECT_EQ(r.runToEnd().back(), "CloseZip Complete(false)");
    EXPECT_TRUE(recorded(journalFile).empty());
    EXPECT_TRUE(fs::exists(r.dir / "out.zip"));

    // A failed run drops its record too.
    r.zipper.AddFile(r.file("b.bin", 300000));
    r.script->failNext["WriteBytes"] = -1;
    ASSERT_FALSE(r.zipper.Zip(r.dir / "out.zip"));
    EXPECT_EQ(recorded(journalFile).size(), 1u);
    r.runToEnd();
    EXPECT_TRUE(recorded(journalFile).empty());
    EXPECT_TRUE(partsIn(r.dir.path()).empty());
}
