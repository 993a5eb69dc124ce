#include "StagingArea.h"
#include "UserMessage.h"

#include "TempDir.h"
#include "ThreadNames.h"
#include "ThreadStart.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

namespace fs = std::filesystem;

namespace {

// What the user would read about the status ("" when it is ok).
QString Text(const Status& status)
{
    return status.ok() ? QString() : UserMessage::For(status.failure()).text;
}

// A root inside a temporary folder, with sentinels beside the root and inside
// it, so every test can check that nothing but our own folders went away.
struct Sandbox {
    TempDir dir;
    fs::path root = dir / "cache" / "staging";
    fs::path besideRoot = dir.write("cache/beside.txt", "beside");
    fs::path insideRoot = dir.write("cache/staging/loose.txt", "loose");
    fs::path foreign = dir.write("cache/staging/foreign/keep.txt", "foreign");

    void expectSentinels() const
    {
        EXPECT_EQ(readFileBytes(besideRoot), "beside");
        EXPECT_EQ(readFileBytes(insideRoot), "loose");
        EXPECT_EQ(readFileBytes(foreign), "foreign");
    }
};

}  // namespace

TEST(StagingArea, DefaultRootIsInThePerUserCache)
{
    const fs::path root = StagingArea::DefaultRoot();
    EXPECT_EQ(root.filename(), "staging");
    EXPECT_NE(root.native().find("cache"), std::string::npos) << root;
}

TEST(StagingArea, PrepareMakesAnEmptyMarkedFolderAndEmptiesItNextTime)
{
    Sandbox box;
    StagingArea area(box.root);
    ASSERT_TRUE(area.Prepare("JPG ZIP Archive Dec 6 2026").ok());
    const fs::path folder = box.root / "JPG ZIP Archive Dec 6 2026";
    EXPECT_TRUE(fs::is_regular_file(folder / StagingArea::kMarker));
    EXPECT_TRUE(area.IsOurs(folder));

    box.dir.write("cache/staging/JPG ZIP Archive Dec 6 2026/copy.jpg", "old copy");
    box.dir.write("cache/staging/JPG ZIP Archive Dec 6 2026/sub/deeper.jpg", "old copy");
    ASSERT_TRUE(area.Prepare("JPG ZIP Archive Dec 6 2026").ok());
    EXPECT_FALSE(fs::exists(folder / "copy.jpg"));
    EXPECT_FALSE(fs::exists(folder / "sub"));
    EXPECT_TRUE(area.IsOurs(folder));
    box.expectSentinels();
}

TEST(StagingArea, RootWithTrailingSlashStillRecognisesItsFolders)
{
    Sandbox box;
    StagingArea area(box.root.native() + "/");
    ASSERT_TRUE(area.Prepare("a").ok());
    EXPECT_TRUE(area.IsOurs(box.root / "a"));
    EXPECT_TRUE(area.Remove(box.root / "a").ok());
    EXPECT_FALSE(fs::exists(box.root / "a"));
}

// Folders this program did not make are never emptied, whatever their shape:
// a plain folder, a symbolic link to a marked folder elsewhere, a file.
TEST(StagingArea, RefusesNamesTakenByFoldersItDidNotMake)
{
    Sandbox box;
    const fs::path elsewhere = box.dir / "elsewhere";
    box.dir.write("elsewhere/precious.txt", "precious");
    box.dir.write(std::string("elsewhere/") + StagingArea::kMarker, "");
    fs::create_directory_symlink(elsewhere, box.root / "link");

    StagingArea area(box.root);
    for (const char* name : {"foreign", "link", "loose.txt"}) {
        const Status r = area.Prepare(name);
        EXPECT_FALSE(r.ok()) << name;
        EXPECT_TRUE(Text(r).contains(QString::fromUtf8(name))) << Text(r).toStdString();
        EXPECT_FALSE(area.Remove(box.root / name).ok()) << name;
    }
    EXPECT_EQ(readFileBytes(elsewhere / "precious.txt"), "precious");
    EXPECT_TRUE(fs::is_symlink(box.root / "link"));
    EXPECT_TRUE(area.RemoveAll().ok());  // nothing recorded that is not ours
    box.expectSentinels();
}

// Names that would put the folder anywhere but directly under the root (or be
// the root itself) are refused even if a caller skipped the name check.
TEST(StagingArea, NeverActsOnTheRootOrOutsideIt)
{
    Sandbox box;
    StagingArea area(box.root);
    for (const char* name : {"", ".", "..", "../cache", "a/b", "/"}) {
        EXPECT_FALSE(area.Prepare(name).ok()) << name;
    }
    EXPECT_FALSE(area.Remove(box.root).ok());
    EXPECT_FALSE(area.Remove(box.dir / "cache").ok());
    box.expectSentinels();
}

// What a user copied into a staging folder may include links; deleting the
// folder removes the links themselves and leaves their targets alone.
TEST(StagingArea, RemovesLinksAsLinksAndReadOnlyContents)
{
    Sandbox box;
    StagingArea area(box.root);
    ASSERT_TRUE(area.Prepare("run").ok());
    const fs::path folder = box.root / "run";
    const fs::path target = box.dir.write("outside/target.txt", "target");
    fs::create_symlink(target, folder / "file-link");
    fs::create_directory_symlink(box.dir / "outside", folder / "dir-link");
    box.dir.write("cache/staging/run/ro/inner.txt", "x");
    fs::permissions(folder / "ro", fs::perms::owner_read | fs::perms::owner_exec);

    ASSERT_TRUE(area.Remove(folder).ok());
    EXPECT_FALSE(fs::exists(fs::symlink_status(folder)));
    EXPECT_EQ(readFileBytes(target), "target");
    box.expectSentinels();
}

TEST(StagingArea, RemoveAllDeletesEveryFolderOfThisProcessAndNothingElse)
{
    Sandbox box;
    {
        StagingArea earlier(box.root);
        ASSERT_TRUE(earlier.Prepare("from another process").ok());
    }
    StagingArea area(box.root);
    for (const char* name : {"first", "second", "third *"})
        ASSERT_TRUE(area.Prepare(name).ok()) << name;
    box.dir.write("cache/staging/second/copy.bin", "copy");

    const Status r = area.RemoveAll();
    EXPECT_TRUE(r.ok()) << Text(r).toStdString();
    for (const char* name : {"first", "second", "third *"})
        EXPECT_FALSE(fs::exists(box.root / name)) << name;
    EXPECT_TRUE(fs::is_directory(box.root));
    EXPECT_TRUE(fs::exists(box.root / "from another process"));
    box.expectSentinels();
}

TEST(StagingArea, RemovingAMissingFolderIsNotAnError)
{
    Sandbox box;
    StagingArea area(box.root);
    ASSERT_TRUE(area.Prepare("gone").ok());
    fs::remove_all(box.root / "gone");
    EXPECT_TRUE(area.Remove(box.root / "gone").ok());
    EXPECT_TRUE(area.RemoveAll().ok());  // nothing recorded that is not ours
}

// A root that cannot be made (here a file stands in the way) gives a message
// naming the folder and the system's reason.
TEST(StagingArea, CreationFailureNamesFolderAndReason)
{
    TempDir dir;
    dir.write("cache", "a file, not a folder");
    StagingArea area(dir / "cache" / "staging");
    const Status r = area.Prepare("name");
    ASSERT_FALSE(r.ok());
    EXPECT_TRUE(Text(r).contains(QStringLiteral("staging"))) << Text(r).toStdString();
    EXPECT_TRUE(Text(r).contains(QStringLiteral("Not a directory"))) << Text(r).toStdString();
    EXPECT_TRUE(area.RemoveAll().ok());  // nothing recorded that is not ours
}

// Two windows of the program share the root. A folder the other window owns
// is neither emptied nor reused (its run would read, or zip, the wrong
// files); one left by a window that has gone may be taken over.
TEST(StagingArea, FolderOfAnotherRunningWindowIsLeftAlone)
{
    Sandbox box;
    const fs::path folder = box.root / "JPG ZIP Archive Dec 7 2026";
    auto first = std::make_unique<StagingArea>(box.root);
    ASSERT_TRUE(first->Prepare("JPG ZIP Archive Dec 7 2026").ok());
    box.dir.write("cache/staging/JPG ZIP Archive Dec 7 2026/copy.jpg", "first window's copy");

    StagingArea second(box.root);
    EXPECT_TRUE(second.InUseElsewhere(folder));
    EXPECT_FALSE(first->InUseElsewhere(folder));
    const Status refused = second.Prepare("JPG ZIP Archive Dec 7 2026");
    EXPECT_FALSE(refused.ok());
    EXPECT_TRUE(Text(refused).contains(QStringLiteral("another Volarin Z window"))) << Text(refused).toStdString();
    EXPECT_FALSE(second.Remove(folder).ok());
    EXPECT_EQ(readFileBytes(folder / "copy.jpg"), "first window's copy");
    EXPECT_TRUE(second.RemoveAll().ok());  // the refused folder was not recorded

    // The first window re-confirming its own name still works.
    ASSERT_TRUE(first->Prepare("JPG ZIP Archive Dec 7 2026").ok());
    EXPECT_FALSE(fs::exists(folder / "copy.jpg"));

    // A window that ended without cleaning up leaves its folder free.
    first.reset();
    EXPECT_FALSE(second.InUseElsewhere(folder));
    EXPECT_TRUE(second.Prepare("JPG ZIP Archive Dec 7 2026").ok());
    EXPECT_TRUE(second.RemoveAll().ok());
    EXPECT_FALSE(fs::exists(folder));
    box.expectSentinels();
}

// At start-up the folders a killed process left go: marked, and locked by no
// running window. This process's own folders, a folder another window holds
// and anything without our marker stay.
TEST(StagingArea, RemoveLeftoversTakesOnlyUnheldMarkedFolders)
{
    Sandbox box;
    {
        StagingArea killed(box.root);
        ASSERT_TRUE(killed.Prepare("left behind").ok());
        box.dir.write("cache/staging/left behind/photo.jpg", "copy");
        // The object goes without RemoveAll, as a killed process's would: only the lock goes.
    }
    StagingArea otherWindow(box.root);
    ASSERT_TRUE(otherWindow.Prepare("theirs").ok());
    const fs::path theirs = box.dir.write("cache/staging/theirs/photo.jpg", "theirs");
    StagingArea area(box.root);
    ASSERT_TRUE(area.Prepare("mine").ok());
    const fs::path mine = box.dir.write("cache/staging/mine/photo.jpg", "mine");

    EXPECT_TRUE(area.RemoveLeftovers().ok());
    EXPECT_FALSE(fs::exists(box.root / "left behind"));
    EXPECT_EQ(readFileBytes(theirs), "theirs");
    EXPECT_EQ(readFileBytes(mine), "mine");
    box.expectSentinels();
    // A staging root that does not exist yet is nothing to clean.
    EXPECT_TRUE(StagingArea(box.dir / "no-cache" / "staging").RemoveLeftovers().ok());
}

// Old copies are renamed out of the way and deleted on a thread of their own,
// their lock held until they are gone, so no other window takes them for
// leftovers; FinishRemoving waits for that thread.
TEST(StagingArea, OldCopiesGoInTheBackgroundAndFinishRemovingWaitsForThem)
{
    Sandbox box;
    StagingArea area(box.root);
    ASSERT_TRUE(area.Prepare("many").ok());
    for (int i = 0; i < 2000; ++i)
        box.dir.write("cache/staging/many/f" + std::to_string(i), "copy");
    ASSERT_TRUE(area.Prepare("many").ok());
    EXPECT_FALSE(fs::exists(box.root / "many" / "f0"));
    EXPECT_TRUE(area.IsOurs(box.root / "many"));
    StagingArea otherWindow(box.root);
    EXPECT_TRUE(otherWindow.RemoveLeftovers().ok());
    ASSERT_TRUE(area.RemoveAll().ok());
    EXPECT_FALSE(fs::exists(box.root / "many"));
    ASSERT_TRUE(area.FinishRemoving().ok());
    std::vector<std::string> left;
    for (const auto& entry : fs::directory_iterator(box.root))
        left.push_back(entry.path().filename().string());
    std::sort(left.begin(), left.end());
    EXPECT_EQ(left, (std::vector<std::string>{"foreign", "loose.txt"}));
    EXPECT_EQ(threadsNamed(FolderDisposal::kThreadName), 0u);
    box.expectSentinels();
}

namespace {

// Descriptors of this process open on a file under `folder` (deleted ones included).
int openUnder(const fs::path& folder)
{
    int count = 0;
    for (const auto& fd : fs::directory_iterator("/proc/self/fd")) {
        std::error_code ec;
        const std::string target = fs::read_symlink(fd.path(), ec).string();
        if (!ec && target.rfind(folder.string() + "/", 0) == 0)
            ++count;
    }
    return count;
}

}  // namespace

// Without a disposal thread (the system refuses it) or when its work fails on
// the way, the folders set aside are still deleted (on the caller's thread)
// and their locks let go.
TEST(StagingArea, FoldersGoWhenTheDisposalThreadCannot)
{
    for (const bool refused : {true, false}) {
        SCOPED_TRACE(refused ? "refused" : "failing");
        Sandbox box;
        StagingArea area(box.root);
        ASSERT_TRUE(area.Prepare("many").ok());
        for (int i = 0; i < 100; ++i)
            box.dir.write("cache/staging/many/f" + std::to_string(i), "copy");
        EXPECT_EQ(openUnder(box.root), 1);  // the marker's lock
        if (refused)
            ThreadStart::FailNext(1);
        else
            ThreadStart::FailBodiesOf(FolderDisposal::kThreadName, 1);
        EXPECT_TRUE(area.RemoveAll().ok());
        ThreadStart::FailNext(0);
        EXPECT_TRUE(area.FinishRemoving().ok());
        std::vector<std::string> left;
        for (const auto& entry : fs::directory_iterator(box.root))
            left.push_back(entry.path().filename().string());
        std::sort(left.begin(), left.end());
        EXPECT_EQ(left, (std::vector<std::string>{"foreign", "loose.txt"}));
        EXPECT_EQ(openUnder(box.root), 0);
        EXPECT_EQ(threadsNamed(FolderDisposal::kThreadName), 0u);
        box.expectSentinels();
    }
}
