// The proof's view of a file still being written: nothing past what is
// written out is read, and bytes that may still change (an open entry's
// local header, past the final ones) are read afresh each time, never from
// the window read ahead.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>

#include "FileArchiveBytes.h"
#include "TempDir.h"

namespace {

void patch(const std::filesystem::path& file, off_t at, char byte)
{
    const int fd = ::open(file.c_str(), O_WRONLY);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::pwrite(fd, &byte, 1, at), 1);
    ::close(fd);
}

}  // namespace

TEST(FileArchiveBytes, ReadsOnlyWhatIsWrittenOutAndRereadsWhatMayChange)
{
    TempDir dir;
    const std::filesystem::path file = dir.write("a.zip", std::string(1000, 'a'));
    const struct {
        uint64_t final;
        bool seesChange;  // a byte at 500 changed after it was read
    } cases[] = {{100, true}, {1000, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.final);
        patch(file, 500, 'a');
        FileArchiveBytes bytes(file);
        ASSERT_TRUE(bytes.Opened());
        bytes.SetLimit(800, c.final);
        char got[10];
        ASSERT_TRUE(bytes.Read(495, got, 10));
        patch(file, 500, 'b');
        ASSERT_TRUE(bytes.Read(495, got, 10));
        EXPECT_EQ(got[5], c.seesChange ? 'b' : 'a');
        EXPECT_FALSE(bytes.Read(795, got, 10));
        EXPECT_FALSE(bytes.Error());
    }
    FileArchiveBytes missing(dir / "missing.zip");
    EXPECT_FALSE(missing.Opened());
    EXPECT_EQ(missing.Error(), std::errc::no_such_file_or_directory);
}
