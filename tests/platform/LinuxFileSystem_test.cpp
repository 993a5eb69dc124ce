#include "FileSystem.h"
#include "LinuxFileSystem.h"
#include "TempDir.h"

#include <gtest/gtest.h>

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
        bool folder, file;
    };
    const Case cases[] = {
        {Path("f.txt"), false, true},  {Path("d"), true, false},     {Path("d") + "/", true, false},
        {Path("d") + "//", true, false}, {Path("link-to-d"), true, false}, {Path("dangling"), false, false},
        {Path("missing"), false, false}, {"", false, false},           {"/", true, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(fileSystem.FolderExists(c.path), c.folder) << c.path;
        EXPECT_EQ(fileSystem.FileExists(c.path), c.file) << c.path;
    }
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

    const auto result = fileSystem.FolderFiles(Path("scan") + "/");
    ASSERT_TRUE(result.ok());
    EXPECT_EQ(SortedNames(result.value),
              (std::vector<std::string>{".hidden", "a.txt", "alias.txt", "\xff\xfe.bin"}));
    for (const FolderFile& f : result.value) {
        ASSERT_TRUE(f.size.has_value()) << f.name;
        if (f.name == "a.txt" || f.name == "alias.txt") {
            EXPECT_EQ(*f.size, 3u);
        }
    }
    const auto missing = fileSystem.FolderFiles(Path("missing"));
    EXPECT_FALSE(missing.ok());
    EXPECT_TRUE(missing.value.empty());
}

TEST_F(LinuxFileSystemTest, SizesAreUnsigned64Bit)
{
    const std::string big = Path("big.bin");
    const int fd = ::open(big.c_str(), O_CREAT | O_WRONLY, 0644);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::ftruncate(fd, 5LL << 30), 0);
    ::close(fd);
    const auto length = fileSystem.FileLength(big);
    ASSERT_TRUE(length.ok());
    EXPECT_EQ(length.value, 5ULL << 30);
    EXPECT_FALSE(fileSystem.FileLength(Path("missing")).ok());
}

TEST_F(LinuxFileSystemTest, AttributesComeFromPermissionsNamesAndTypes)
{
    temp.write("plain.txt");
    temp.write(".dot");
    temp.write("ro.txt");
    fs::permissions(temp.path() / "ro.txt", fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
    fs::create_directories(temp.path() / "dir");
    fs::create_directories(temp.path() / ".git");
    struct Case {
        const char* name;
        uint32_t bits;
    };
    const Case cases[] = {
        {"plain.txt", FileAttribute::Archive},
        {".dot", FileAttribute::Archive | FileAttribute::Hidden},
        {"ro.txt", FileAttribute::Archive | FileAttribute::ReadOnly},
        {"dir", FileAttribute::Directory},
        {".git", FileAttribute::Directory | FileAttribute::Hidden},
    };
    for (const Case& c : cases) {
        const auto attributes = fileSystem.FileAttributes(Path(c.name));
        ASSERT_TRUE(attributes.ok()) << c.name;
        EXPECT_EQ(attributes.value, c.bits) << c.name;
        EXPECT_EQ(attributes.value & FileAttribute::System, 0u);
    }
    EXPECT_FALSE(fileSystem.FileAttributes(Path("missing")).ok());
}

TEST_F(LinuxFileSystemTest, ListingWithMask17LeavesOutHiddenEntriesButTheScanKeepsThem)
{
    temp.write("walk/visible.txt");
    temp.write("walk/.hidden.txt");
    temp.write("walk/ro.txt");
    fs::permissions(temp.path() / "walk" / "ro.txt", fs::perms::owner_write, fs::perm_options::remove);
    fs::create_directories(temp.path() / "walk" / "sub");
    fs::create_directories(temp.path() / "walk" / ".cache");
    fs::create_symlink(temp.path() / "walk", temp.path() / "walk" / "loop");

    const auto listing = fileSystem.ListDirectory(Path("walk") + "/", FileAttribute::Directory | FileAttribute::ReadOnly);
    ASSERT_TRUE(listing.ok());
    ASSERT_GE(listing.value.size(), 2u);
    EXPECT_EQ(listing.value[0].name, ".");
    EXPECT_EQ(listing.value[1].name, "..");
    std::vector<std::string> names;
    for (size_t i = 2; i < listing.value.size(); ++i)
        names.push_back(listing.value[i].name);
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"ro.txt", "sub", "visible.txt"}));

    const auto filesOnly = fileSystem.ListDirectory(Path("walk"), 0);
    ASSERT_TRUE(filesOnly.ok());
    EXPECT_EQ(filesOnly.value.size(), 2u); // ro.txt, visible.txt

    EXPECT_EQ(SortedNames(fileSystem.FolderFiles(Path("walk")).value),
              (std::vector<std::string>{".hidden.txt", "ro.txt", "visible.txt"}));
}

TEST_F(LinuxFileSystemTest, DeleteFolderForcesItsWayThroughReadOnlyContents)
{
    temp.write("stage/a.txt", "a");
    temp.write("stage/locked/b.txt", "b");
    fs::permissions(temp.path() / "stage" / "a.txt", fs::perms::owner_read);
    fs::permissions(temp.path() / "stage" / "locked", fs::perms::owner_read | fs::perms::owner_exec);
    temp.write("outside/keep.txt", "k");
    fs::create_symlink(temp.path() / "outside", temp.path() / "stage" / "link");

    EXPECT_FALSE(fileSystem.DeleteFolder(Path("stage"), true));
    EXPECT_FALSE(fs::exists(temp.path() / "stage"));
    EXPECT_TRUE(fs::exists(temp.path() / "outside" / "keep.txt")); // links are not followed

    // Nothing there: an error code, no exception, nothing changed.
    EXPECT_TRUE(fileSystem.DeleteFolder(Path("stage"), true));
    // Never the root, never an empty path, never a file.
    EXPECT_TRUE(fileSystem.DeleteFolder("", true));
    EXPECT_TRUE(fileSystem.DeleteFolder("/", true));
    EXPECT_TRUE(fileSystem.DeleteFolder("//", true));
    EXPECT_TRUE(fileSystem.DeleteFolder(Path("outside/keep.txt"), true));
    EXPECT_TRUE(fs::exists(temp.path() / "outside" / "keep.txt"));
}

TEST_F(LinuxFileSystemTest, CreateAndCopy)
{
    EXPECT_FALSE(fileSystem.CreateFolder(Path("new")));
    EXPECT_TRUE(fs::is_directory(temp.path() / "new"));
    EXPECT_TRUE(fileSystem.CreateFolder(Path("new"))); // already there
    EXPECT_TRUE(fileSystem.CreateFolder(Path("no/parent")));

    temp.write("src.txt", "new contents");
    temp.write("new/dst.txt", "old");
    EXPECT_TRUE(fileSystem.CopyFile(Path("src.txt"), Path("new/dst.txt"), false));
    EXPECT_EQ(readFileBytes(temp.path() / "new" / "dst.txt"), "old");
    EXPECT_FALSE(fileSystem.CopyFile(Path("src.txt"), Path("new/dst.txt"), true));
    EXPECT_EQ(readFileBytes(temp.path() / "new" / "dst.txt"), "new contents");
    EXPECT_TRUE(fileSystem.CopyFile(Path("missing"), Path("new/x"), true));
    EXPECT_TRUE(fileSystem.CopyFile(Path("new"), Path("new2"), true)); // a folder is no file
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
