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
        const int added = form->ScanFolder(folder + "/").added;
        EXPECT_EQ(added, static_cast<int>(c.listed.size())) << c.row;
        EXPECT_EQ(Sorted(Names()), c.listed) << c.row;
    }
}

TEST_F(ScanFolderTest, RowsKeepTheFolderPathAsGivenAndShowTheSize)
{
    const std::string folder = Folder("sizes", {});
    temp.write("sizes/k.log", std::string(1152, 'k'));
    Select("log");
    ASSERT_EQ(form->ScanFolder(folder + "//").added, 1);
    EXPECT_EQ(Row(0).name(), "k.log");
    EXPECT_EQ(Row(0).fullPath, folder + "//k.log");
    EXPECT_EQ(Row(0).sizeText(), SizeText(1152));
    EXPECT_FALSE(Row(0).checked); // FinishScan checks rows, not the scan
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
    ASSERT_EQ(form->ScanFolder(big.parent_path().string() + "/").added, 1);
    EXPECT_EQ(Row(0).sizeText(), SizeText(5368709120ULL));
    QLocale::setDefault(QLocale(QLocale::English));
    EXPECT_EQ(SizeText(5368709120ULL), QStringLiteral("5.00 GB"));
    QLocale::setDefault(QLocale::system());
}

TEST_F(ScanFolderTest, KeepsTheBytesOfANameThatIsNotUtf8)
{
    const std::string name = "caf\xe9-\xff.txt"; // Latin-1 bytes
    const std::string folder = Folder("latin1", {name});
    Select("txt");
    ASSERT_EQ(form->ScanFolder(folder + "/").added, 1);
    EXPECT_EQ(Row(0).name(), name);
    EXPECT_EQ(Row(0).fullPath, folder + "/" + name);
    EXPECT_TRUE(fs::exists(fs::path(Row(0).fullPath)));
    // On screen only: replacement characters.
    const QString shown = Files()->DisplayText(0, FoundFilesModel::NameColumn);
    EXPECT_TRUE(shown.contains(QChar(0xFFFD)));
    EXPECT_TRUE(shown.endsWith(QStringLiteral(".txt")));
}

TEST_F(ScanFolderTest, TwoScansListEveryFileTwiceAndNewestFolderOnTop)
{
    const std::string a = Folder("A", {"a3.txt", "A2.txt", "a1.txt"});
    const std::string b = Folder("B", {"b2.txt", "b1.txt"});
    Select("txt");
    ASSERT_EQ(form->ScanFolder(a + "/").added, 3);
    ASSERT_EQ(form->ScanFolder(b + "/").added, 2);

    // A folder's files come in name order (case aside), each on top of the
    // one before, so within a folder the list reads backwards.
    EXPECT_EQ(Names(), (std::vector<std::string>{"b2.txt", "b1.txt", "a3.txt", "A2.txt", "a1.txt"}));
    for (int i = 0; i < RowCount(); ++i)
        EXPECT_EQ(fs::path(Row(i).fullPath).filename().string(), Row(i).name()) << i;

    ASSERT_EQ(form->ScanFolder(b + "/").added, 2);
    EXPECT_EQ(RowCount(), 7);
}

TEST_F(ScanFolderTest, MissingOrEmptyFoldersAddNothing)
{
    Select("All (*.*)");
    const MainWindow::ScanResult missing = form->ScanFolder((temp.path() / "missing/").string());
    EXPECT_EQ(missing.added, 0);
    EXPECT_EQ(missing.error, std::errc::no_such_file_or_directory);
    const MainWindow::ScanResult empty = form->ScanFolder(Folder("empty", {}) + "/");
    EXPECT_EQ(empty.added, 0);
    EXPECT_FALSE(empty.error);
    EXPECT_EQ(RowCount(), 0);
}

// Root reads any folder, so as root the test runs again as nobody.
TEST_F(ScanFolderTest, UnreadableFolderAddsNothing)
{
    VOLARIN_RUN_AS_NOBODY_WHEN_ROOT();
    Select("All (*.*)");
    const std::string locked = Folder("locked", {"secret.txt"});
    fs::permissions(locked, fs::perms::none);
    const MainWindow::ScanResult scan = form->ScanFolder(locked + "/");
    EXPECT_EQ(scan.added, 0);
    EXPECT_EQ(scan.error, std::errc::permission_denied);
    fs::permissions(locked, fs::perms::owner_all);
    EXPECT_EQ(RowCount(), 0);
}

TEST_F(ScanFolderTest, AFileWhoseSizeCannotBeReadStillGetsARow)
{
    const std::string folder = Folder("odd", {"ok.jpg"});
    fs::create_symlink("loop.jpg", fs::path(folder) / "loop.jpg"); // points at itself: stat fails
    fs::create_symlink("nowhere.jpg", fs::path(folder) / "dangling.jpg"); // no file at all: no row
    ASSERT_EQ(form->ScanFolder(folder + "/").added, 2);
    for (int i = 0; i < RowCount(); ++i) {
        const FoundFile& row = Row(i);
        EXPECT_EQ(row.sizeText(), row.name() == "loop.jpg" ? UnknownSizeText() : SizeText(1)) << row.name();
    }
}

// The percentage of the last run goes as soon as new rows come in, not before.
TEST_F(ScanFolderTest, RowsThatComeInHideTheLastRunsPercentage)
{
    Select("All (*.*)");
    form->percentLabel()->setVisible(true);
    EXPECT_EQ(form->ScanFolder(Folder("empty", {}) + "/").added, 0);
    EXPECT_TRUE(form->percentLabel()->isVisibleTo(form.get()));
    temp.write("one/one.txt", "1");
    temp.write("two/two.txt", std::string(2048, 'x'));
    form->ScanFolder((temp.path() / "one/").string());
    form->ScanFolder((temp.path() / "two/").string());
    EXPECT_FALSE(form->percentLabel()->isVisibleTo(form.get()));
    ASSERT_EQ(RowCount(), 2);
    EXPECT_EQ(Row(0).name(), "two.txt");
    EXPECT_EQ(Row(1).name(), "one.txt");
    EXPECT_EQ(Files()->DisplayText(1, FoundFilesModel::SizeColumn), QStringLiteral("1 bytes"));
    EXPECT_EQ(Files()->DisplayText(0, FoundFilesModel::SizeColumn), QStringLiteral("2.00 KB"));
}

} // namespace
