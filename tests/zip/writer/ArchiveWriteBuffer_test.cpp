#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <string>
#include <vector>

#include "ArchiveWriteBuffer.h"
#include "TempDir.h"

// Whatever order of writes and seeks minizip makes, the file must end up as
// if each had gone straight to the disk: the file is compared with the same
// steps applied to a string.

namespace {

struct Step {
    enum Kind { Write, SeekSet, SeekEnd } kind;
    int64_t value;  // bytes to write, or the offset
};

std::string filled(int64_t size, char seed)
{
    std::string bytes(static_cast<size_t>(size), '\0');
    for (size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<char>(seed + static_cast<char>(i * 7 % 251));
    return bytes;
}

void apply(std::string& model, int64_t& at, const std::string& bytes)
{
    if (model.size() < static_cast<size_t>(at) + bytes.size())
        model.resize(static_cast<size_t>(at) + bytes.size(), '\0');
    model.replace(static_cast<size_t>(at), bytes.size(), bytes);
    at += static_cast<int64_t>(bytes.size());
}

}  // namespace

TEST(ArchiveWriteBuffer, EndsAsIfEveryCallHadGoneToTheDisk)
{
    constexpr int64_t kCap = ArchiveWriteBuffer::kCapacity;
    struct Case {
        const char* what;
        std::vector<Step> steps;
    };
    const std::vector<Case> cases = {
        {"entries patched in place, as minizip does",
         {{Step::Write, 30}, {Step::Write, 500}, {Step::SeekSet, 14}, {Step::Write, 12}, {Step::SeekSet, 530},
          {Step::Write, 30}, {Step::Write, 40}, {Step::SeekSet, 544}, {Step::Write, 12}, {Step::SeekEnd, 0},
          {Step::Write, 100}}},
        {"a patch into what was already written out",
         {{Step::Write, 30}, {Step::Write, kCap}, {Step::Write, 5000}, {Step::SeekSet, 14}, {Step::Write, 12},
          {Step::SeekEnd, 0}, {Step::Write, 22}}},
        {"a write across the buffer's end", {{Step::Write, kCap - 10}, {Step::Write, 100}, {Step::Write, 3}}},
        {"large writes straight through, small ones between",
         {{Step::Write, 7}, {Step::Write, kCap * 2 + 5}, {Step::Write, 9}, {Step::SeekSet, 3}, {Step::Write, 2},
          {Step::SeekSet, kCap}, {Step::Write, 4}, {Step::SeekEnd, 0}, {Step::Write, kCap / 2}}},
        {"a seek past the end leaves a hole of zeros", {{Step::Write, 10}, {Step::SeekSet, 100}, {Step::Write, 5}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TempDir dir;
        const auto file = dir / "a.zip";
        ArchiveWriteBuffer buffer(::open(file.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0644));
        std::string model;
        int64_t at = 0;
        char seed = 'a';
        for (const Step& step : c.steps) {
            if (step.kind == Step::Write) {
                const std::string bytes = filled(step.value, seed++);
                ASSERT_TRUE(buffer.Write(bytes.data(), bytes.size()));
                apply(model, at, bytes);
            } else {
                at = step.kind == Step::SeekSet ? step.value : static_cast<int64_t>(model.size()) + step.value;
                ASSERT_TRUE(buffer.Seek(step.value, step.kind == Step::SeekSet ? SEEK_SET : SEEK_END));
            }
            ASSERT_EQ(buffer.Position(), at);
        }
        ASSERT_TRUE(buffer.Close());
        EXPECT_TRUE(readFileBytes(file) == model) << "file and model differ";
    }
}

// A full disk shows at the write that has to make room, or at the close,
// with the system's reason; nothing is reported written that was not.
TEST(ArchiveWriteBuffer, FullDiskFailsWithTheReason)
{
    ArchiveWriteBuffer small(::open("/dev/full", O_WRONLY | O_CLOEXEC));
    const std::string bytes = filled(100, 'x');
    ASSERT_TRUE(small.Write(bytes.data(), bytes.size()));
    const auto closed = small.Close();
    EXPECT_FALSE(closed);
    EXPECT_EQ(closed.code(), std::errc::no_space_on_device);

    ArchiveWriteBuffer large(::open("/dev/full", O_WRONLY | O_CLOEXEC));
    const std::string many = filled(ArchiveWriteBuffer::kCapacity + 1, 'y');
    const auto written = large.Write(many.data(), many.size());
    EXPECT_FALSE(written);
    EXPECT_EQ(written.code(), std::errc::no_space_on_device);
    EXPECT_TRUE(large.Failed());
}
