#include "StagingArea.h"

#include "TempDir.h"
#include "ThreadNames.h"
#include "ThreadStart.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fcntl.h>
#include <fstream>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <unistd.h>
#include <memory>

namespace fs = std::filesystem;

namespace {

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

// The names under the root, sorted.
std::vector<std::string> Under(const fs::path& root)
{
    std::vector<std::string> names;
    std::error_code ec;
    for (fs::directory_iterator it(root, ec), end; !ec && it != end; it.increment(ec))
        names.push_back(it->path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

// Sets or clears the immutable flag (root only, on file systems that have it).
bool SetImmutable(const fs::path& file, bool on)
{
    const int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    int flags = 0;
    bool done = ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
    flags = on ? (flags | FS_IMMUTABLE_FL) : (flags & ~FS_IMMUTABLE_FL);
    done = done && ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
    ::close(fd);
    return done;
}

}  // namespace

TEST(StagingArea, DefaultRootIsInThePerUserCache)
{
    const fs::path root = StagingArea::DefaultRoot();
    EXPECT_EQ(root.filename(), "staging");
    EXPECT_NE(root.native().find("cache"), std::string::npos) << root;
}

// Each run gets a marked folder of its own, whatever the root is written as;
// released, it goes in the background, and FinishRemoving waits for that.
TEST(StagingArea, RunFoldersAreMarkedAndTheirOwn)
{
    Sandbox box;
    for (const fs::path& given : {box.root, fs::path(box.root.native() + "/")}) {
        StagingArea area(given);
        const auto made = area.MakeRunFolder(), madeToo = area.MakeRunFolder();
        ASSERT_TRUE(made && madeToo);
        const fs::path* first = &made.value();
        const fs::path* second = &madeToo.value();
        EXPECT_NE(*first, *second);
        for (const fs::path& folder : {*first, *second}) {
            EXPECT_EQ(folder.parent_path(), box.root);
            EXPECT_EQ(folder.filename().native().rfind(StagingArea::kRunPrefix, 0), 0u) << folder;
            EXPECT_TRUE(fs::is_regular_file(folder / StagingArea::kMarker));
            EXPECT_TRUE(area.IsOurs(folder));
        }
        box.dir.write((first->lexically_relative(box.dir.path()) / "many" / "f.bin").string(), "linked");
        area.Release(*first);
        area.Release(*second);
        ASSERT_TRUE(area.FinishRemoving().ok());
        EXPECT_EQ(Under(box.root), (std::vector<std::string>{"foreign", "loose.txt"}));
        EXPECT_EQ(threadsNamed(FolderDisposal::kThreadName), 0u);
    }
    box.expectSentinels();
}

// What lands in a staging folder may include links; deleting the folder
// removes the links themselves and leaves their targets alone.
TEST(StagingArea, RemovesLinksAsLinksAndReadOnlyContents)
{
    Sandbox box;
    StagingArea area(box.root);
    const fs::path folder = area.MakeRunFolder().value();
    const fs::path target = box.dir.write("outside/target.txt", "target");
    fs::create_symlink(target, folder / "file-link");
    fs::create_hard_link(target, folder / "hard-link");
    fs::create_directory_symlink(box.dir / "outside", folder / "dir-link");
    box.dir.write((folder.lexically_relative(box.dir.path()) / "ro" / "inner.txt").string(), "x");
    fs::permissions(folder / "ro", fs::perms::owner_read | fs::perms::owner_exec);

    area.Release(folder);
    ASSERT_TRUE(area.FinishRemoving().ok());
    EXPECT_FALSE(fs::exists(fs::symlink_status(folder)));
    EXPECT_EQ(readFileBytes(target), "target");
    EXPECT_EQ(fs::hard_link_count(target), 1u);
    box.expectSentinels();
}

// At the end every folder this object made goes, and nothing else: not
// another process's, not one it did not make, not the root.
TEST(StagingArea, RemoveAllDeletesEveryFolderOfThisProcessAndNothingElse)
{
    Sandbox box;
    StagingArea earlier(box.root);
    const fs::path theirs = earlier.MakeRunFolder().value();
    StagingArea area(box.root);
    for (int i = 0; i < 3; ++i)
        ASSERT_TRUE(area.MakeRunFolder());
    area.RemoveAll();
    ASSERT_TRUE(area.FinishRemoving().ok());
    EXPECT_EQ(Under(box.root), (std::vector<std::string>{"foreign", "loose.txt", theirs.filename().string()}));
    box.expectSentinels();
}

// A root that cannot be made (a file stands in the way) gives no folder: the
// run then links nothing. The failure names the step and the system's reason.
TEST(StagingArea, NoFolderWhereTheRootCannotBeMade)
{
    TempDir dir;
    dir.write("cache", "a file, not a folder");
    StagingArea area(dir / "cache" / "staging");
    const auto made = area.MakeRunFolder();
    ASSERT_FALSE(made);
    EXPECT_EQ(made.kind(), RunFolderFailure::NoRoot);
    EXPECT_EQ(made.code(), std::errc::not_a_directory) << made.code().message();
    area.RemoveAll();
    EXPECT_TRUE(area.FinishRemoving().ok());
    EXPECT_EQ(readFileBytes(dir / "cache"), "a file, not a folder");
}

// At start-up the folders a killed process left go: marked, and locked by no
// running window. This process's own folders, a folder another window holds,
// anything without our marker and a link to a marked folder elsewhere stay.
TEST(StagingArea, RemoveLeftoversTakesOnlyUnheldMarkedFolders)
{
    Sandbox box;
    fs::path left;
    {
        StagingArea killed(box.root);
        left = killed.MakeRunFolder().value();
        box.dir.write((left.lexically_relative(box.dir.path()) / "photo.jpg").string(), "link");
        // The object goes without RemoveAll, as a killed process's would: only the lock goes.
    }
    const fs::path elsewhere = box.dir / "elsewhere";
    box.dir.write("elsewhere/precious.txt", "precious");
    box.dir.write(std::string("elsewhere/") + StagingArea::kMarker, "");
    fs::create_directory_symlink(elsewhere, box.root / "link");
    StagingArea otherWindow(box.root);
    const fs::path theirs = otherWindow.MakeRunFolder().value();
    StagingArea area(box.root);
    const fs::path mine = area.MakeRunFolder().value();

    EXPECT_TRUE(area.RemoveLeftovers().ok());
    EXPECT_FALSE(fs::exists(left));
    EXPECT_TRUE(area.IsOurs(theirs));
    EXPECT_TRUE(area.IsOurs(mine));
    EXPECT_EQ(readFileBytes(elsewhere / "precious.txt"), "precious");
    EXPECT_TRUE(fs::is_symlink(box.root / "link"));
    box.expectSentinels();
    // A staging root that does not exist yet is nothing to clean.
    EXPECT_TRUE(StagingArea(box.dir / "no-cache" / "staging").RemoveLeftovers().ok());
}

// A folder that cannot be emptied is tried again, then left with its marker
// (no message), so the next start-up's sweep deletes it once it can.
TEST(StagingArea, FolderThatCannotGoIsLeftToTheNextStartUp)
{
    Sandbox box;
    fs::path stuck;
    fs::path pinned;
    {
        StagingArea area(box.root);
        stuck = area.MakeRunFolder().value();
        pinned = box.dir.write((stuck.lexically_relative(box.dir.path()) / "pinned.bin").string(), "x");
        if (!SetImmutable(pinned, true))
            GTEST_SKIP() << "no immutable flag here (needs root on ext4, xfs or btrfs)";
        area.Release(stuck);
        const Status finished = area.FinishRemoving();
        ASSERT_FALSE(finished.ok());
        EXPECT_EQ(finished.failure().leftOut.size(), 1u);
    }
    // Set aside under a hidden name (sorted first), marked still.
    const fs::path gone = box.root / Under(box.root).front();
    EXPECT_EQ(gone.filename().native().rfind(StagingArea::kAsidePrefix, 0), 0u) << gone;
    EXPECT_TRUE(fs::is_regular_file(gone / StagingArea::kMarker));
    ASSERT_TRUE(SetImmutable(gone / pinned.filename(), false));
    StagingArea next(box.root);
    EXPECT_TRUE(next.RemoveLeftovers().ok());
    EXPECT_EQ(Under(box.root), (std::vector<std::string>{"foreign", "loose.txt"}));
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
        const auto made = area.MakeRunFolder();
        ASSERT_TRUE(made);
        const fs::path* run = &made.value();
        for (int i = 0; i < 100; ++i)
            std::ofstream(*run / ("f" + std::to_string(i))) << "copy";
        EXPECT_EQ(openUnder(box.root), 1);  // the marker's lock
        if (refused)
            ThreadStart::FailNext(1);
        else
            ThreadStart::FailBodiesOf(FolderDisposal::kThreadName, 1);
        area.RemoveAll();
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
