// Every failure has a kind to compare and, where the system gave one, its
// reason; Failed() keeps its step names.
#include <gtest/gtest.h>

#include <QEventLoop>
#include <QTimer>

#include <cstdlib>
#include <filesystem>

#include "Process.h"
#include "SmallTmpfs.h"
#include "TempDir.h"
#include "ZipWriter.h"
#include "ZipperRecorder.h"

namespace fs = std::filesystem;

TEST(ZipperFailureKinds, AddFileAndZipFailuresNameTheirReason)
{
    ZipperRecorder r;
    EXPECT_EQ(r.zipper.FailedStep(), ZipFailure::None);
    EXPECT_EQ(r.zipper.Failed(), "");
    EXPECT_TRUE(r.zipper.AddFile(r.dir / "missing.bin"));
    EXPECT_EQ(r.zipper.FailedStep(), ZipFailure::FileDoesNotExist);
    EXPECT_EQ(r.zipper.SystemError(), std::errc::no_such_file_or_directory);
    fs::create_directory(r.dir / "folder");
    EXPECT_TRUE(r.zipper.AddFile(r.dir / "folder"));
    EXPECT_EQ(r.zipper.FailedStep(), ZipFailure::FileLen);
    EXPECT_EQ(r.zipper.SystemError(), std::errc::is_a_directory);
    EXPECT_TRUE(r.zipper.Zip(r.dir / "nowhere" / "out.zip"));
    EXPECT_EQ(r.zipper.FailedStep(), ZipFailure::OpenZip);
    EXPECT_EQ(r.zipper.SystemError(), std::errc::no_such_file_or_directory);

    ASSERT_FALSE(r.zipper.Zip(r.dir / "out.zip"));
    EXPECT_TRUE(r.zipper.Zip(r.dir / "other.zip"));
    EXPECT_EQ(r.zipper.FailedStep(), ZipFailure::AlreadyZipping);
    EXPECT_EQ(r.zipper.Failed(), "Already mZipping");
    EXPECT_FALSE(r.zipper.SystemError());
}

TEST(ZipperFailureKinds, WriterFailuresPassItsReasonOn)
{
    ZipperRecorder r;
    r.zipper.AddFile(r.file("a.bin", 300000));
    r.script->failNext["WriteBytes"] = -1;
    r.script->failErrno["WriteBytes"] = ENOSPC;
    ASSERT_FALSE(r.zipper.Zip(r.dir / "out.zip"));
    r.runToEnd();
    EXPECT_EQ(r.zipper.FailedStep(), ZipFailure::WriteBytes);
    EXPECT_EQ(r.zipper.Failed(), "WriteBytes");
    EXPECT_EQ(r.zipper.Result(), -1);
    EXPECT_EQ(r.zipper.SystemError(), std::errc::no_space_on_device);
    EXPECT_EQ(r.zipper.SystemError().message(), "No space left on device");
}

TEST(ZipperFailureKinds, FailedNamesEveryKindAsBefore)
{
    const std::pair<ZipFailure, const char*> names[] = {
        {ZipFailure::None, ""},
        {ZipFailure::FileDoesNotExist, "File does not exist"},
        {ZipFailure::GetTimestamps, "GetTimestamps"},
        {ZipFailure::FileLen, "FileLen"},
        {ZipFailure::AlreadyZipping, "Already mZipping"},
        {ZipFailure::OpenZip, "OpenZip"},
        {ZipFailure::OpenFileInZip, "OpenFileInZip"},
        {ZipFailure::ReadFile, "ReadFile"},
        {ZipFailure::WriteBytes, "WriteBytes"},
        {ZipFailure::CloseFileInZip, "CloseFileInZip"},
        {ZipFailure::CloseZip, "CloseZip"},
        {ZipFailure::RenameZip, "RenameZip"},
    };
    for (const auto& [kind, name] : names)
        EXPECT_EQ(ZipFailureStep(kind), name);
}

// Runs inside a private mount namespace set up by the next test; skipped when
// run on its own. The archive goes onto a 2 MiB tmpfs while the workers
// compress a large incompressible file.
TEST(ZipperFailureKinds, FullDiskInsideSmallTmpfs)
{
    const char* folder = smallTmpfsFolder();
    if (folder == nullptr)
        GTEST_SKIP() << "run by ZipperFailureKinds.FullDiskWithWorkersBusy";
    TempDir dir;
    Zipper zipper(4, [] { return std::unique_ptr<ZipWriterInterface>(new ZipWriter); });
    ASSERT_FALSE(zipper.AddFile(dir.write("large.bin", patternBytes(12 << 20, 41)), {}, 8, 1));
    const fs::path archive = fs::path(folder) / "full.zip";
    ASSERT_FALSE(zipper.Zip(archive));
    QEventLoop loop;
    bool completed = false;
    QObject::connect(&zipper, &Zipper::Complete, &loop, [&] { completed = true; loop.quit(); });
    QObject::connect(&zipper, &Zipper::Error, &loop, &QEventLoop::quit);
    QTimer::singleShot(60000, &loop, &QEventLoop::quit);
    loop.exec();
    EXPECT_FALSE(completed);
    EXPECT_EQ(zipper.FailedStep(), ZipFailure::WriteBytes) << zipper.Failed();
    EXPECT_EQ(zipper.SystemError(), std::errc::no_space_on_device) << zipper.SystemError().message();
    EXPECT_FALSE(zipper.Zipping());
    EXPECT_TRUE(fs::is_empty(folder));  // the temporary archive is gone
}

TEST(ZipperFailureKinds, FullDiskWithWorkersBusy)
{
    const SmallTmpfsRun run = runTestInSmallTmpfs("ZipperFailureKinds.FullDiskInsideSmallTmpfs", "2m");
    if (!run.mounted)
        GTEST_SKIP() << "cannot mount a tmpfs here: " << run.result.out;
    EXPECT_EQ(run.result.exitCode, 0) << run.result.out;
    EXPECT_NE(run.result.out.find("[  PASSED  ] 1 test"), std::string::npos) << run.result.out;
}
