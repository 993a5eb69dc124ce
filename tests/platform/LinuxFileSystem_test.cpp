#include "FileSystem.h"
#include "LinuxFileSystem.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <stop_token>

#include <algorithm>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

std::vector<std::string> SortedNames(const std::vector<FolderFile>& files)
{
    std::vector<std::string> names;
    for (const FolderFile& f : files)
        names.push_back(f.name);
    std::sort(names.begin(), names.end());
    return names;
}

class LinuxFileSystemTest : public ::testing::Test {
protected:
    TempDir temp;
    LinuxFileSystem fileSystem{(temp.path() / "program").string()};
    std::string Path(const std::string& relative) const { return (temp.path() / relative).string(); }
};

TEST_F(LinuxFileSystemTest, ExistenceTellsFilesFromFolders)
{
    temp.write("f.txt", "x");
    fs::create_directories(temp.path() / "d");
    fs::create_symlink(temp.path() / "d", temp.path() / "link-to-d");
    fs::create_symlink(temp.path() / "nowhere", temp.path() / "dangling");
    struct Case {
        std::string path;
        bool folder;
    };
    const Case cases[] = {
        {Path("f.txt"), false},  {Path("d"), true},     {Path("d") + "/", true},
        {Path("d") + "//", true}, {Path("link-to-d"), true}, {Path("dangling"), false},
        {Path("missing"), false}, {"", false},           {"/", true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(fileSystem.FolderExists(c.path), c.folder) << c.path;

    // The reason, for telling the user why a path was not taken as a folder.
    EXPECT_EQ(fileSystem.FolderError(Path("f.txt")), std::errc::not_a_directory);
    EXPECT_EQ(fileSystem.FolderError(Path("missing")), std::errc::no_such_file_or_directory);
    EXPECT_EQ(fileSystem.FolderError(Path("dangling")), std::errc::no_such_file_or_directory);
    EXPECT_EQ(fileSystem.FolderError(Path("f.txt/x")), std::errc::not_a_directory);
    EXPECT_EQ(fileSystem.FolderError(""), std::errc::no_such_file_or_directory);
}

TEST_F(LinuxFileSystemTest, FolderFilesAreTheFlatRegularFilesHiddenIncluded)
{
    temp.write("scan/a.txt", "abc");
    temp.write("scan/.hidden", "");
    temp.write("scan/sub/deep.txt", "x");
    temp.write("scan/\xff\xfe.bin", "12");
    ASSERT_EQ(::mkfifo(Path("scan/pipe").c_str(), 0600), 0);
    fs::create_symlink(temp.path() / "scan" / "a.txt", temp.path() / "scan" / "alias.txt");
    fs::create_symlink(temp.path() / "gone", temp.path() / "scan" / "dangling");

    std::vector<FolderFile> files;
    ASSERT_TRUE(fileSystem.FolderFiles(Path("scan") + "/", files));
    EXPECT_EQ(SortedNames(files),
              (std::vector<std::string>{".hidden", "a.txt", "alias.txt", "\xff\xfe.bin"}));
    for (const FolderFile& f : files) {
        ASSERT_TRUE(f.size.has_value()) << f.name;
        if (f.name == "a.txt" || f.name == "alias.txt") {
            EXPECT_EQ(*f.size, 3u);
        }
    }
    const auto missing = fileSystem.FolderFiles(Path("missing"), files);
    EXPECT_FALSE(missing.ok());
    EXPECT_TRUE(files.empty());
}

TEST_F(LinuxFileSystemTest, FolderFilesComeInNameOrderCaseBlindThenByBytes)
{
    const std::vector<std::string> ordered = {
        "a.txt", "B.txt", "b.txt", "IMG_0002.JPG", "img_0006.jpg", "IMG_0009.jpg", "IMG_0010.jpg", "Zeta",
        "\xc3\x89t\xc3\xa9.txt",  // "Été": folds to the same name as "été", and its bytes come first
        "\xc3\xa9t\xc3\xa9.txt",  // "été"
        "\xff\xfe.bin",             // not UTF-8: after every letter
    };
    // Created in an order of their own, so creation order cannot pass for name order.
    for (const size_t i : {5u, 9u, 0u, 3u, 10u, 7u, 2u, 8u, 1u, 6u, 4u})
        temp.write("order/" + ordered[i], "x");

    std::vector<FolderFile> files;
    ASSERT_TRUE(fileSystem.FolderFiles(Path("order") + "/", files));
    std::vector<std::string> names;
    for (const FolderFile& f : files)
        names.push_back(f.name);
    EXPECT_EQ(names, ordered);
}

TEST_F(LinuxFileSystemTest, SizesAreUnsigned64Bit)
{
    fs::create_directories(temp.path() / "big");
    const std::string big = Path("big/big.bin");
    const int fd = ::open(big.c_str(), O_CREAT | O_WRONLY, 0644);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::ftruncate(fd, 5LL << 30), 0);
    ::close(fd);
    std::vector<FolderFile> files;
    ASSERT_TRUE(fileSystem.FolderFiles(Path("big") + "/", files));
    ASSERT_EQ(files.size(), 1u);
    EXPECT_EQ(files[0].size, 5ULL << 30);
}

// A stop asked for ends a listing at its next entry, with nothing listed.
TEST_F(LinuxFileSystemTest, StopEndsTheListingWithinAnEntry)
{
    fs::create_directories(temp.path() / "stopped");
    for (int i = 0; i < 100; ++i)
        temp.write("stopped/f" + std::to_string(i), "x");
    std::stop_source stop;
    stop.request_stop();
    std::vector<FolderFile> files;
    const auto listing = fileSystem.FolderFiles(Path("stopped") + "/", files, stop.get_token());
    EXPECT_EQ(listing.code(), std::errc::operation_canceled);
    EXPECT_TRUE(files.empty());
}

TEST_F(LinuxFileSystemTest, ProgramFolderIsInjectableAndOtherwiseTheExecutables)
{
    EXPECT_EQ(fileSystem.ProgramFolder(), Path("program"));
    const LinuxFileSystem real;
    const fs::path self = fs::read_symlink("/proc/self/exe");
    EXPECT_EQ(real.ProgramFolder(), self.parent_path().string());
}

TEST(FileSystemGetFileName, TextAfterTheLastSlash)
{
    EXPECT_EQ(FileSystem::GetFileName("/a/b/c.txt"), "c.txt");
    EXPECT_EQ(FileSystem::GetFileName("//x.jpg"), "x.jpg");
    EXPECT_EQ(FileSystem::GetFileName("plain"), "plain");
    EXPECT_EQ(FileSystem::GetFileName("/a/"), "");
    EXPECT_EQ(FileSystem::GetFileName(""), "");
}

TEST(FileSystemInstance, SetInstanceReplacesAndRestores)
{
    LinuxFileSystem other(std::string("/elsewhere"));
    FileSystem* previous = FileSystem::SetInstance(&other);
    EXPECT_EQ(FileSystem::Instance().ProgramFolder(), "/elsewhere");
    EXPECT_EQ(FileSystem::SetInstance(previous), &other);
    EXPECT_NE(&FileSystem::Instance(), &other);
}

} // namespace
