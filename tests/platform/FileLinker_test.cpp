// Staging files without copying their data: a reflink or a hard link where
// the file systems allow it, a failure elsewhere, and never a write through
// an existing name.
#include "FileLinker.h"
#include "RandomBytes.h"

#include "TempDir.h"
#include "Unprivileged.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdlib>
#include <fstream>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace {

struct stat statOf(const fs::path& path)
{
    struct stat st {};
    EXPECT_EQ(::lstat(path.c_str(), &st), 0) << path;
    return st;
}

bool nothingAt(const fs::path& path)
{
    return !fs::exists(fs::symlink_status(path));
}

class FileLinkerWays : public ::testing::TestWithParam<FileCopyMethod> {};

}  // namespace

// On one file system the data is shared, never copied: a reflink where the
// file system has them and one may be tried, else a second name for the
// same file; the next file of the folder takes the same way.
TEST_P(FileLinkerWays, SameFileSystemSharesTheData)
{
    TempDir dir;
    const std::string bytes = randomBytes(300000, 1);
    const fs::path src = dir.write("src/photo.jpg", bytes);
    fs::create_directory(dir / "staging");
    FileLinker linker(GetParam());
    const auto r = linker.Link(src, dir / "staging" / "photo.jpg");
    ASSERT_TRUE(r.ok()) << static_cast<int>(r.kind()) << ": " << r.code().message();
    if (GetParam() == FileCopyMethod::HardLink) {
        EXPECT_EQ(r.value().method, FileCopyMethod::HardLink);
    }
    EXPECT_EQ(r.value().bytes, bytes.size());
    EXPECT_EQ(readFileBytes(dir / "staging" / "photo.jpg"), bytes);
    const bool sameFile = statOf(src).st_ino == statOf(dir / "staging" / "photo.jpg").st_ino;
    EXPECT_EQ(sameFile, r.value().method == FileCopyMethod::HardLink);
    EXPECT_EQ(statOf(src).st_nlink, sameFile ? 2u : 1u);
    const fs::path second = dir.write("src/second.jpg", "2");
    EXPECT_EQ(linker.Link(second, dir / "staging" / "second.jpg").value().method, r.value().method);
}

// A name already taken in the staging folder (an earlier link to another
// user file) is replaced, and that other file keeps its bytes.
TEST_P(FileLinkerWays, ReplacesTheNameNeverTheFileBehindIt)
{
    TempDir dir;
    const fs::path earlier = dir.write("a/x.txt", "from a");
    const fs::path later = dir.write("b/x.txt", "from b");
    fs::create_directory(dir / "staging");
    FileLinker linker(GetParam());
    ASSERT_TRUE(linker.Link(earlier, dir / "staging" / "x.txt").ok());
    ASSERT_TRUE(linker.Link(later, dir / "staging" / "x.txt").ok());
    EXPECT_EQ(readFileBytes(dir / "staging" / "x.txt"), "from b");
    EXPECT_EQ(readFileBytes(earlier), "from a");
    EXPECT_EQ(statOf(earlier).st_nlink, 1u);
}

// A symbolic link among the sources stages the file it names, as a plain
// file: the zip walk skips links, so a linked link would silently vanish.
TEST_P(FileLinkerWays, SymbolicLinkSourceStagesTheFileItNames)
{
    TempDir dir;
    const fs::path target = dir.write("real.txt", "real");
    fs::create_symlink(target, dir / "alias.txt");
    fs::create_directory(dir / "staging");
    FileLinker linker(GetParam());
    ASSERT_TRUE(linker.Link(dir / "alias.txt", dir / "staging" / "alias.txt").ok());
    EXPECT_TRUE(S_ISREG(statOf(dir / "staging" / "alias.txt").st_mode));
    EXPECT_EQ(readFileBytes(dir / "staging" / "alias.txt"), "real");
}

INSTANTIATE_TEST_SUITE_P(All, FileLinkerWays, ::testing::Values(FileCopyMethod::Clone, FileCopyMethod::HardLink),
                         [](const auto& info) {
                             return std::string(info.param == FileCopyMethod::Clone ? "ReflinkFirst" : "HardLinkOnly");
                         });

// Another file system: neither link can be made, so the file is not staged
// (its caller reads it where it lies), and no empty file is left where a
// reflink was tried; the next file of that file system fails the same way.
TEST(FileLinker, OtherFileSystemFailsAndLeavesNothing)
{
    if (!fs::is_directory("/dev/shm"))
        GTEST_SKIP() << "no /dev/shm";
    TempDir dir;
    const fs::path shm = fs::path("/dev/shm") / ("volarin-link-" + std::to_string(::getpid()));
    std::ofstream(shm, std::ios::binary) << randomBytes(200000, 2);
    if (statOf(shm).st_dev == statOf(dir.path()).st_dev) {
        fs::remove(shm);
        GTEST_SKIP() << "/dev/shm is on the same file system as the temporary folder here";
    }
    FileLinker linker;
    const auto first = linker.Link(shm, dir / "first");
    const auto again = linker.Link(shm, dir / "again");
    fs::remove(shm);
    for (const auto* r : {&first, &again}) {
        ASSERT_FALSE(r->ok());
        EXPECT_EQ(r->kind(), CopyStep::Link);
        EXPECT_EQ(r->code().value(), EXDEV) << r->code().message();
    }
    EXPECT_TRUE(nothingAt(dir / "first"));
    EXPECT_TRUE(nothingAt(dir / "again"));
}

// Only regular files are taken, into a folder that exists; a failure says
// why and leaves nothing at the destination.
TEST(FileLinker, FailuresLeaveNothingBehind)
{
    TempDir dir;
    fs::create_directory(dir / "folder");
    ::mkfifo((dir / "fifo").c_str(), 0600);
    const fs::path src = dir.write("src.txt", "data");
    struct Case {
        fs::path source, destination;
        CopyStep step;
        int error;
    } cases[] = {
        {dir / "missing", dir / "out1", CopyStep::OpenSource, ENOENT},
        {dir / "folder", dir / "out2", CopyStep::OpenSource, EISDIR},
        {dir / "fifo", dir / "out3", CopyStep::OpenSource, EINVAL},
        {src, dir / "no-such-folder" / "out4", CopyStep::Link, ENOENT},
    };
    for (const Case& c : cases) {
        const auto r = FileLinker().Link(c.source, c.destination);
        ASSERT_FALSE(r.ok()) << c.source;
        EXPECT_EQ(r.kind(), c.step) << c.source;
        EXPECT_EQ(r.code().value(), c.error) << c.source << ": " << r.code().message();
        EXPECT_TRUE(nothingAt(c.destination)) << c.destination;
    }
    EXPECT_EQ(readFileBytes(src), "data");
    EXPECT_EQ(statOf(src).st_nlink, 1u);
}

// A link needs no read permission, a run does: a file that cannot be read,
// the user's own or another user's (whose link protected hard links may
// refuse first), is not staged, and the failure gives the reason. Root reads
// every file, so as root it makes the other user's file and the test runs
// again as nobody, who finds it through the environment.
TEST(FileLinker, UnreadableFileIsNotLinked)
{
    static constexpr const char* kForeign = "VOLARIN_TEST_FOREIGN_FILE";
    std::optional<TempDir> rootsOwn;
    if (runningAsRoot()) {
        rootsOwn.emplace();
        fs::permissions(rootsOwn->path(), fs::perms(0755));
        const fs::path secret = rootsOwn->write("root-secret.txt", "root");
        fs::permissions(secret, fs::perms(0600));
        ::setenv(kForeign, secret.c_str(), 1);
    }
    VOLARIN_RUN_AS_NOBODY_WHEN_ROOT();
    TempDir dir;
    const fs::path own = dir.write("own-secret.txt", "own");
    ::chmod(own.c_str(), 0);
    std::vector<fs::path> sources = {own};
    if (const char* foreign = std::getenv(kForeign))
        sources.emplace_back(foreign);
    for (const FileCopyMethod way : {FileCopyMethod::Clone, FileCopyMethod::HardLink}) {
        FileLinker linker(way);
        for (const fs::path& source : sources) {
            const fs::path destination = dir / ("staged-" + source.filename().string());
            const auto r = linker.Link(source, destination);
            ASSERT_FALSE(r.ok()) << source;
            EXPECT_EQ(r.kind(), CopyStep::OpenSource) << source;
            EXPECT_EQ(r.code().value(), EACCES) << source << ": " << r.code().message();
            EXPECT_TRUE(nothingAt(destination)) << destination;
        }
    }
    if (sources.size() == 1)
        GTEST_SKIP() << "no unreadable file of another user here (a run as root makes one)";
}
