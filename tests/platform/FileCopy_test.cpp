#include "FileCopy.h"
#include "RandomBytes.h"

#include "TempDir.h"
#include "Unprivileged.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <fstream>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

struct MethodCase {
    FileCopyMethod fastest;
    const char* name;
};

class FileCopyMethods : public ::testing::TestWithParam<MethodCase> {};

}  // namespace

// Every method, including the fallbacks the local file system would not pick,
// must give the same bytes, sizes at and around the chunk limits included.
TEST_P(FileCopyMethods, CopiesBytesExactly)
{
    TempDir dir;
    for (size_t size : {size_t(0), size_t(1), size_t(131073), size_t(3 * 1024 * 1024 + 7)}) {
        const std::string bytes = randomBytes(size, static_cast<unsigned>(size));
        const fs::path src = dir.write("src-" + std::to_string(size), bytes);
        const fs::path dst = dir / ("dst-" + std::to_string(size));
        const auto r = FileCopy::CopyWith(src, dst, GetParam().fastest);
        ASSERT_TRUE(r.ok()) << GetParam().name << " " << size << ": step " << static_cast<int>(r.kind()) << ": "
                            << r.code().message();
        EXPECT_EQ(r.value().bytes, size);
        EXPECT_EQ(readFileBytes(dst), bytes) << GetParam().name << " " << size;
        if (GetParam().fastest == FileCopyMethod::ReadWrite) {
            EXPECT_EQ(r.value().method, FileCopyMethod::ReadWrite);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(All, FileCopyMethods,
                         ::testing::Values(MethodCase{FileCopyMethod::Clone, "clone"},
                                           MethodCase{FileCopyMethod::CopyRange, "copy_file_range"},
                                           MethodCase{FileCopyMethod::ReadWrite, "read/write"}),
                         [](const auto& info) { return std::string(info.param.fastest == FileCopyMethod::Clone ? "Clone"
                                                                   : info.param.fastest == FileCopyMethod::CopyRange
                                                                       ? "CopyRange"
                                                                       : "ReadWrite"); });

// The destination name is replaced, never written through: a hard link or a
// symbolic link left there must not carry the new bytes into another file,
// and a read-only earlier copy must not block the replacement.
TEST(FileCopy, ReplacesDestinationInsteadOfWritingThroughIt)
{
    TempDir dir;
    const fs::path src = dir.write("src.txt", "new contents");
    const fs::path sentinel = dir.write("sentinel.txt", "keep me");

    const fs::path hard = dir / "hard.txt";
    fs::create_hard_link(sentinel, hard);
    const fs::path soft = dir / "soft.txt";
    fs::create_symlink(sentinel, soft);
    const fs::path readOnly = dir.write("readonly.txt", "old");
    fs::permissions(readOnly, fs::perms::owner_read | fs::perms::group_read);

    for (const fs::path& dst : {hard, soft, readOnly}) {
        const auto r = FileCopy::Copy(src, dst);
        ASSERT_TRUE(r.ok()) << dst << ": " << r.code().message();
        EXPECT_EQ(readFileBytes(dst), "new contents") << dst;
        EXPECT_FALSE(fs::is_symlink(dst)) << dst;
    }
    EXPECT_EQ(readFileBytes(sentinel), "keep me");
}

TEST(FileCopy, KeepsPermissionBitsAndModificationTime)
{
    TempDir dir;
    const fs::path src = dir.write("src.txt", "x");
    ::chmod(src.c_str(), 0440);
    const auto mtime = fs::last_write_time(src) - std::chrono::hours(48);
    fs::last_write_time(src, mtime);
    const fs::path dst = dir / "dst.txt";
    ASSERT_TRUE(FileCopy::Copy(src, dst).ok());
    struct stat st {};
    ASSERT_EQ(::stat(dst.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0440u);
    EXPECT_EQ(fs::last_write_time(dst), mtime);
}

// Names are bytes: one that is not valid UTF-8 must arrive unchanged.
TEST(FileCopy, CopiesNamesThatAreNotUtf8)
{
    TempDir dir;
    const std::string name = "caf\xe9 \x80.txt";
    const fs::path src = dir.write(name, "bytes");
    fs::create_directory(dir / "out");
    ASSERT_TRUE(FileCopy::Copy(src, dir / "out" / name).ok());
    EXPECT_EQ(readFileBytes(dir / "out" / name), "bytes");
}

// Files whose size the kernel reports as 0 but that have contents (procfs)
// must not come out empty.
TEST(FileCopy, CopiesFilesThatReportNoSize)
{
    TempDir dir;
    const auto r = FileCopy::Copy("/proc/self/status", dir / "status");
    ASSERT_TRUE(r.ok()) << r.code().message();
    EXPECT_NE(readFileBytes(dir / "status").find("Name:"), std::string::npos);
}

TEST(FileCopy, AcrossFileSystems)
{
    if (!fs::is_directory("/dev/shm"))
        GTEST_SKIP() << "no /dev/shm";
    TempDir dir;
    const std::string bytes = randomBytes(500000, 3);
    const fs::path shm = fs::path("/dev/shm") / ("volarin-copy-" + std::to_string(::getpid()));
    {
        std::ofstream(shm, std::ios::binary) << bytes;
    }
    const auto r = FileCopy::Copy(shm, dir / "copy");
    fs::remove(shm);
    ASSERT_TRUE(r.ok()) << r.code().message();
    EXPECT_EQ(readFileBytes(dir / "copy"), bytes);
}

// Failures come back as values naming the step and the system's reason, and
// leave nothing at the destination that could pass for a copy.
TEST(FileCopy, FailuresAreReportedAndLeaveNoCopy)
{
    TempDir dir;
    const fs::path src = dir.write("src.txt", "data");
    fs::create_directory(dir / "folder");
    const fs::path existing = dir.write("existing.txt", "earlier copy");
    ::mkfifo((dir / "fifo").c_str(), 0600);

    struct Case {
        fs::path source, destination;
        int error;
        CopyStep step;
    } cases[] = {
        {dir / "missing.txt", existing, ENOENT, CopyStep::OpenSource},
        {dir / "folder", dir / "out1", EISDIR, CopyStep::OpenSource},
        {dir / "fifo", dir / "out2", EINVAL, CopyStep::OpenSource},
        {src, dir / "no-such-folder" / "out3", ENOENT, CopyStep::CreateCopy},
    };
    for (const Case& c : cases) {
        const auto r = FileCopy::Copy(c.source, c.destination);
        EXPECT_FALSE(r.ok()) << c.source;
        EXPECT_EQ(r.code().value(), c.error) << c.source;
        EXPECT_EQ(r.kind(), c.step) << c.source;
        EXPECT_FALSE(r.code().message().empty());
    }
    // A source that cannot be opened leaves the earlier copy alone.
    EXPECT_EQ(readFileBytes(existing), "earlier copy");
    EXPECT_FALSE(fs::exists(dir / "out1"));
    EXPECT_FALSE(fs::exists(dir / "out2"));
}

// Root reads every file, so as root the test runs again as nobody.
TEST(FileCopy, UnreadableSourceAsOrdinaryUser)
{
    VOLARIN_RUN_AS_NOBODY_WHEN_ROOT();
    TempDir dir;
    const fs::path src = dir.write("secret.txt", "x");
    ::chmod(src.c_str(), 0);
    const auto r = FileCopy::Copy(src, dir / "copy");
    EXPECT_FALSE(r.ok());
    EXPECT_EQ(r.code().value(), EACCES);
    EXPECT_FALSE(fs::exists(dir / "copy"));
}
