// Staging files without copying their data: a reflink or a hard link where
// the file systems allow it, a copy elsewhere, and never a write through an
// existing name.
#include "LinkOrCopy.h"
#include "RandomBytes.h"

#include "TempDir.h"
#include "Unprivileged.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <fstream>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

struct stat statOf(const fs::path& path)
{
    struct stat st {};
    EXPECT_EQ(::lstat(path.c_str(), &st), 0) << path;
    return st;
}

}  // namespace

// On one file system the data is shared, never copied: a reflink where the
// file system has them, else a second name for the same file.
TEST(LinkOrCopy, SameFileSystemSharesTheData)
{
    TempDir dir;
    const std::string bytes = randomBytes(300000, 1);
    const fs::path src = dir.write("src/photo.jpg", bytes);
    fs::create_directory(dir / "staging");
    LinkOrCopy placer;
    const auto r = placer.Place(src, dir / "staging" / "photo.jpg");
    ASSERT_TRUE(r.ok()) << static_cast<int>(r.kind()) << ": " << r.code().message();
    EXPECT_TRUE(r.value().method == FileCopyMethod::Clone || r.value().method == FileCopyMethod::HardLink);
    EXPECT_EQ(r.value().bytes, bytes.size());
    EXPECT_EQ(readFileBytes(dir / "staging" / "photo.jpg"), bytes);
    if (r.value().method == FileCopyMethod::HardLink) {
        EXPECT_EQ(statOf(src).st_ino, statOf(dir / "staging" / "photo.jpg").st_ino);
        EXPECT_EQ(statOf(src).st_nlink, 2u);
    }
    // The next file of the folder takes the same way.
    const fs::path second = dir.write("src/second.jpg", "2");
    EXPECT_EQ(placer.Place(second, dir / "staging" / "second.jpg").value().method, r.value().method);
}

// A name already taken in the staging folder (an earlier link to another
// user file) is replaced, and that other file keeps its bytes.
TEST(LinkOrCopy, ReplacesTheNameNeverTheFileBehindIt)
{
    TempDir dir;
    const fs::path earlier = dir.write("a/x.txt", "from a");
    const fs::path later = dir.write("b/x.txt", "from b");
    fs::create_directory(dir / "staging");
    LinkOrCopy placer;
    ASSERT_TRUE(placer.Place(earlier, dir / "staging" / "x.txt").ok());
    ASSERT_TRUE(placer.Place(later, dir / "staging" / "x.txt").ok());
    EXPECT_EQ(readFileBytes(dir / "staging" / "x.txt"), "from b");
    EXPECT_EQ(readFileBytes(earlier), "from a");
    EXPECT_EQ(statOf(earlier).st_nlink, 1u);
}

// A symbolic link among the sources stages the file it names, as a plain
// file: the zip walk skips links, so a linked link would silently vanish.
TEST(LinkOrCopy, SymbolicLinkSourceStagesTheFileItNames)
{
    TempDir dir;
    const fs::path target = dir.write("real.txt", "real");
    fs::create_symlink(target, dir / "alias.txt");
    fs::create_directory(dir / "staging");
    LinkOrCopy placer;
    ASSERT_TRUE(placer.Place(dir / "alias.txt", dir / "staging" / "alias.txt").ok());
    EXPECT_TRUE(S_ISREG(statOf(dir / "staging" / "alias.txt").st_mode));
    EXPECT_EQ(readFileBytes(dir / "staging" / "alias.txt"), "real");
}

// Another file system: no link is possible, so the file is copied, bytes,
// mode and time kept.
TEST(LinkOrCopy, OtherFileSystemIsCopied)
{
    if (!fs::is_directory("/dev/shm"))
        GTEST_SKIP() << "no /dev/shm";
    TempDir dir;
    const fs::path shm = fs::path("/dev/shm") / ("volarin-link-" + std::to_string(::getpid()));
    const std::string bytes = randomBytes(200000, 2);
    std::ofstream(shm, std::ios::binary) << bytes;
    ::chmod(shm.c_str(), 0440);
    if (statOf(shm).st_dev == statOf(dir.path()).st_dev) {
        fs::remove(shm);
        GTEST_SKIP() << "/dev/shm is on the same file system here";
    }
    LinkOrCopy placer;
    const auto r = placer.Place(shm, dir / "copy");
    const struct stat source = statOf(shm);
    fs::remove(shm);
    ASSERT_TRUE(r.ok()) << r.code().message();
    EXPECT_TRUE(r.value().method == FileCopyMethod::CopyRange || r.value().method == FileCopyMethod::ReadWrite);
    EXPECT_EQ(readFileBytes(dir / "copy"), bytes);
    const struct stat copy = statOf(dir / "copy");
    EXPECT_EQ(copy.st_mode & 0777, 0440u);
    EXPECT_EQ(copy.st_mtim.tv_sec, source.st_mtim.tv_sec);
}

TEST(LinkOrCopy, CopyOnlyWhenAsked)
{
    TempDir dir;
    const fs::path src = dir.write("src.txt", "data");
    LinkOrCopy placer(FileCopyMethod::ReadWrite);
    const auto r = placer.Place(src, dir / "copy.txt");
    ASSERT_TRUE(r.ok());
    EXPECT_EQ(r.value().method, FileCopyMethod::ReadWrite);
    EXPECT_EQ(statOf(src).st_nlink, 1u);
}

// Only regular files are taken; a failure leaves nothing at the destination.
TEST(LinkOrCopy, FailuresLeaveNothingBehind)
{
    TempDir dir;
    fs::create_directory(dir / "folder");
    ::mkfifo((dir / "fifo").c_str(), 0600);
    const fs::path src = dir.write("src.txt", "data");
    struct Case {
        fs::path source, destination;
        int error;
    } cases[] = {
        {dir / "missing", dir / "out1", ENOENT},
        {dir / "folder", dir / "out2", EISDIR},
        {dir / "fifo", dir / "out3", EINVAL},
        {src, dir / "no-such-folder" / "out4", ENOENT},
    };
    LinkOrCopy placer;
    for (const Case& c : cases) {
        const auto r = placer.Place(c.source, c.destination);
        EXPECT_FALSE(r.ok()) << c.source;
        EXPECT_EQ(r.code().value(), c.error) << c.source << ": " << r.code().message();
        EXPECT_FALSE(fs::exists(fs::symlink_status(c.destination))) << c.destination;
    }
    EXPECT_EQ(readFileBytes(src), "data");
}

// A stop requested before or during a copy ends it and leaves no part copy.
TEST(LinkOrCopy, StopEndsACopy)
{
    TempDir dir;
    const fs::path src = dir.write("big.bin", randomBytes(3 * 1024 * 1024, 4));
    std::stop_source stop;
    stop.request_stop();
    for (FileCopyMethod method : {FileCopyMethod::CopyRange, FileCopyMethod::ReadWrite}) {
        const auto r = LinkOrCopy(method).Place(src, dir / "copy", stop.get_token());
        EXPECT_FALSE(r.ok());
        EXPECT_EQ(r.code().value(), ECANCELED);
        EXPECT_FALSE(fs::exists(dir / "copy"));
    }
}

// A user may not link another user's file (protected hard links), so such a
// file is copied instead. Root may link anything, hence the run as nobody.
TEST(LinkOrCopy, FileOfAnotherUserIsCopied)
{
    VOLARIN_RUN_AS_NOBODY_WHEN_ROOT();
    const fs::path foreign = "/etc/hostname";
    std::error_code ec;
    if (!fs::is_regular_file(foreign, ec) || ::access(foreign.c_str(), R_OK) != 0)
        GTEST_SKIP() << "no readable file of another user";
    TempDir dir;
    if (statOf(foreign).st_dev != statOf(dir.path()).st_dev)
        GTEST_SKIP() << "not on the same file system as the temporary folder";
    const auto r = LinkOrCopy().Place(foreign, dir / "copy");
    ASSERT_TRUE(r.ok()) << r.code().message();
    EXPECT_NE(r.value().method, FileCopyMethod::HardLink);
    EXPECT_EQ(readFileBytes(dir / "copy"), readFileBytes(foreign));
}
