#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdlib>
#include <random>

#include "SmallTmpfs.h"
#include "TempDir.h"
#include "ZipWriterTestHelpers.h"

// Writing onto a full file system must fail with a code at the first failing
// call, must not go on as if nothing happened, and must neither crash nor free
// anything twice (run under AddressSanitizer to see the latter).

namespace {

std::vector<unsigned char> incompressible(size_t size)
{
    std::mt19937 random(11);
    std::vector<unsigned char> data(size);
    for (auto& b : data)
        b = static_cast<unsigned char>(random());
    return data;
}

// Writes far more than fits and checks how the writer reports it.
void writeUntilFull(const std::string& archive)
{
    const std::vector<unsigned char> chunk = incompressible(128 * 1024);
    ZipWriter writer;
    ASSERT_FALSE(writer.OpenZip(archive));
    bool failed = false;
    for (int entry = 0; entry < 8 && !failed; ++entry) {
        if (writer.OpenFileInZip("part" + std::to_string(entry) + ".bin")) {
            failed = true;
            break;
        }
        for (int i = 0; i < 8 && !failed; ++i)
            failed = writer.WriteBytes(chunk);
        if (!failed)
            failed = writer.CloseFileInZip();
    }
    ASSERT_TRUE(failed) << "8 MiB fitted into the small file system";
    const int32_t code = writer.Result();
    EXPECT_NE(code, 0);
    // The system's reason is kept with the code.
    EXPECT_EQ(writer.SystemError(), std::errc::no_space_on_device) << writer.SystemError().message();
    // Nothing more goes into a failed archive, even where minizip would succeed.
    EXPECT_TRUE(writer.WriteBytes(chunk));
    EXPECT_EQ(writer.Result(), code);
    EXPECT_TRUE(writer.OpenFileInZip("later.bin"));
    EXPECT_TRUE(writer.CloseZip());
    EXPECT_NE(writer.Result(), 0);
    // The handle is gone: the writer is idle and can start afresh.
    EXPECT_TRUE(writer.CloseZip());
    EXPECT_EQ(writer.Result(), ZipWriter::NotOpen);
}

}  // namespace

TEST(ZipWriterFullDisk, DevFullFailsWithACode)
{
    writeUntilFull("/dev/full");
}

// Runs inside a private mount namespace set up by the next test; skipped when
// run on its own.
TEST(ZipWriterFullDisk, InsideSmallTmpfs)
{
    const char* folder = smallTmpfsFolder();
    if (folder == nullptr)
        GTEST_SKIP() << "run by ZipWriterFullDisk.SmallTmpfsFillsUp";
    writeUntilFull(std::string(folder) + "/full.zip");
}

TEST(ZipWriterFullDisk, SmallTmpfsFillsUp)
{
    const SmallTmpfsRun run = runTestInSmallTmpfs("ZipWriterFullDisk.InsideSmallTmpfs");
    if (!run.mounted)
        GTEST_SKIP() << "cannot mount a tmpfs here: " << run.result.out;
    EXPECT_EQ(run.result.exitCode, 0) << run.result.out;
    EXPECT_NE(run.result.out.find("[  PASSED  ] 1 test"), std::string::npos) << run.result.out;
}
