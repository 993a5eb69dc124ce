#include "AppFixture.h"
#include "FoundFilesModel.h"
#include "SizeText.h"
#include "Unprivileged.h"

#include <algorithm>
#include <fcntl.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

class ScanFolderTest : public AppTest {
protected:
    std::vector<std::string> Sorted(std::vector<std::string> v) const
    {
        std::sort(v.begin(), v.end());
        return v;
    }
};

struct ScanCase {
    const char* row;
    std::vector<std::string> listed;
};

TEST_F(ScanFolderTest, ListsFlatMatchesWithHiddenFilesButNeverThumbsDb)
{
    const std::string folder = Folder("mixed", {"a.docx", "B.DOCX", "a.doc", "noext", ".hidden.docx", "Thumbs.db",
                                                "thumbs.db", "sub/", "sub/deep.docx", "sub/deep.db", "x.db"});
    const ScanCase cases[] = {
        {"docx", {".hidden.docx", "B.DOCX", "a.docx"}},
        {"doc", {"a.doc"}},
        {"db", {"thumbs.db", "x.db"}},
        {"All (*.*)", {".hidden.docx", "B.DOCX", "a.doc", "a.docx", "noext", "thumbs.db", "x.db"}},
        {"pdf", {}},
    };
    for (const ScanCase& c : cases) {
        form->ClearLists();
        Select(c.row);
        const int added = form->ScanFolder(folder + "/");
        EXPECT_EQ(added, static_cast<int>(c.listed.size())) << c.row;
        EXPECT_EQ(Sorted(Names()), c.listed) << c.row;
    }
}

TEST_F(ScanFolderTest, RowsKeepTheFolderPathAsGivenAndShowTheSize)
{
    const std::string folder = Folder("sizes", {});
    temp.write("sizes/k.log", std::string(1152, 'k'));
    Select("log");
    ASSERT_EQ(form->ScanFolder(folder + "//"), 1);
    EXPECT_EQ(form->Row(0).name, "k.log");
    EXPECT_EQ(form->Row(0).fullPath, folder + "//k.log");
    EXPECT_EQ(form->Row(0).sizeText, Form1::FormatSize(1152));
    EXPECT_FALSE(form->Row(0).checked); // FinishScan checks rows, not the scan
}

TEST_F(ScanFolderTest, ShowsTheTrueSizeOfAFiveGigabyteFile)
{
    const fs::path big = temp.path() / "big" / "huge.iso";
    fs::create_directories(big.parent_path());
    const int fd = ::open(big.c_str(), O_CREAT | O_WRONLY, 0644);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::ftruncate(fd, 5LL * 1024 * 1024 * 1024), 0); // sparse: takes no space
    ::close(fd);
    Select("iso");
    ASSERT_EQ(form->ScanFolder(big.parent_path().string() + "/"), 1);
    EXPECT_EQ(form->Row(0).sizeText, Form1::FormatSize(5368709120ULL));
    QLocale::setDefault(QLocale(QLocale::English));
    EXPECT_EQ(Form1::FormatSize(5368709120ULL), QStringLiteral("5.00 GB"));
    QLocale::setDefault(QLocale::system());
}

TEST_F(ScanFolderTest, KeepsTheBytesOfANameThatIsNotUtf8)
{
    const std::string name = "caf\xe9-\xff.txt"; // Latin-1 bytes
    const std::string folder = Folder("latin1", {name});
    Select("txt");
    ASSERT_EQ(form->ScanFolder(folder + "/"), 1);
    EXPECT_EQ(form->Row(0).name, name);
    EXPECT_EQ(form->Row(0).fullPath, folder + "/" + name);
    EXPECT_TRUE(fs::exists(fs::path(form->Row(0).fullPath)));
    // On screen only: replacement characters.
    const QString shown = form->Files()->DisplayText(0, FoundFilesModel::NameColumn);
    EXPECT_TRUE(shown.contains(QChar(0xFFFD)));
    EXPECT_TRUE(shown.endsWith(QStringLiteral(".txt")));
}

TEST_F(ScanFolderTest, TwoScansListEveryFileTwiceAndNewestFolderOnTop)
{
    const std::string a = Folder("A", {"a1.txt", "a2.txt", "a3.txt"});
    const std::string b = Folder("B", {"b1.txt", "b2.txt"});
    Select("txt");
    ASSERT_EQ(form->ScanFolder(a + "/"), 3);
    ASSERT_EQ(form->ScanFolder(b + "/"), 2);

    // Within one folder the rows run in the reverse of the enumeration order.
    std::vector<std::string> expected;
    for (const std::string& folder : {b, a}) {
        const auto listing = FileSystem::Instance().FolderFiles(folder + "/");
        for (auto it = listing.value.rbegin(); it != listing.value.rend(); ++it)
            expected.push_back(it->name);
    }
    EXPECT_EQ(Names(), expected);
    for (int i = 0; i < form->RowCount(); ++i)
        EXPECT_EQ(fs::path(form->Row(i).fullPath).filename().string(), form->Row(i).name) << i;

    ASSERT_EQ(form->ScanFolder(b + "/"), 2);
    EXPECT_EQ(form->RowCount(), 7);
}

TEST_F(ScanFolderTest, MissingOrEmptyFoldersAddNothing)
{
    Select("All (*.*)");
    EXPECT_EQ(form->ScanFolder((temp.path() / "missing/").string()), 0);
    EXPECT_EQ(form->ScanFolder(Folder("empty", {}) + "/"), 0);
    EXPECT_EQ(form->RowCount(), 0);
}

// Root reads any folder, so as root the test runs again as nobody.
TEST_F(ScanFolderTest, UnreadableFolderAddsNothing)
{
    VOLARIN_RUN_AS_NOBODY_WHEN_ROOT();
    Select("All (*.*)");
    const std::string locked = Folder("locked", {"secret.txt"});
    fs::permissions(locked, fs::perms::none);
    EXPECT_EQ(form->ScanFolder(locked + "/"), 0);
    fs::permissions(locked, fs::perms::owner_all);
    EXPECT_EQ(form->RowCount(), 0);
}

TEST_F(ScanFolderTest, AFileWhoseSizeCannotBeReadStillGetsARow)
{
    const std::string folder = Folder("odd", {"ok.jpg"});
    fs::create_symlink("loop.jpg", fs::path(folder) / "loop.jpg"); // points at itself: stat fails
    fs::create_symlink("nowhere.jpg", fs::path(folder) / "dangling.jpg"); // no file at all: no row
    ASSERT_EQ(form->ScanFolder(folder + "/"), 2);
    for (int i = 0; i < form->RowCount(); ++i) {
        const FoundFile& row = form->Row(i);
        EXPECT_EQ(row.sizeText, row.name == "loop.jpg" ? kUnknownSizeText : Form1::FormatSize(1)) << row.name;
    }
}

TEST_F(ScanFolderTest, AddFoundFilePutsTheRowOnTopAndHidesLabel2)
{
    form->Label2()->setVisible(true);
    form->AddFoundFile("one.txt", 1, "/x/one.txt");
    form->AddFoundFile("two.txt", 2048, "/y/two.txt");
    EXPECT_FALSE(form->Label2()->isVisibleTo(form.get()));
    ASSERT_EQ(form->RowCount(), 2);
    EXPECT_EQ(form->Row(0).fullPath, "/y/two.txt");
    EXPECT_EQ(form->Row(1).fullPath, "/x/one.txt");
    EXPECT_EQ(form->Files()->DisplayText(1, FoundFilesModel::SizeColumn), QStringLiteral("1 bytes"));
}

} // namespace
