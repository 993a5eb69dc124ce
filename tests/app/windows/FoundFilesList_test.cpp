#include "AppFixture.h"
#include "FileListView.h"
#include "FoundFilesModel.h"
#include "SizeText.h"
#include "XP_ProgressBar.h"
#include "chameleonButton.h"

#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

namespace {

class FoundFilesListTest : public AppTest {
protected:
    // One folder with a.jpg, b.pdf, c.JPG, scanned under "All (*.*)".
    void ScanMixed()
    {
        folder = Folder("mixed", {"a.jpg", "b.pdf", "c.JPG"});
        Select("All (*.*)");
        ASSERT_EQ(form->ScanFolder(folder + "/").added, 3);
        form->FinishScan();
    }

    std::vector<std::string> Sorted(std::vector<std::string> v)
    {
        std::sort(v.begin(), v.end());
        return v;
    }

    // What a Start press hands over, as plain strings.
    std::vector<std::string> Collect()
    {
        const SourceList& list = form->CollectCheckedFiles();
        return {list.Paths().begin(), list.Paths().end()};
    }

    // Rows put on top of the list the way a scan puts them.
    void Add(const std::string& name, const std::string& fullPath)
    {
        Files()->AddRows({FoundFile{fullPath, fullPath.size() - name.size(), 1}});
    }

    std::string folder;
};

TEST_F(FoundFilesListTest, AddlistFiltersCheckedRowsWithTheRowSelectedNow)
{
    ScanMixed();
    Select("jpg");
    EXPECT_EQ(Sorted(Collect()), (std::vector<std::string>{folder + "/a.jpg", folder + "/c.JPG"}));

    // Not emptied first: each Start appends after what earlier ones left.
    Select("All (*.*)");
    EXPECT_EQ(form->CollectCheckedFiles().size(), 5u);

    // An unchecked row is never handed over.
    form->ClearLists();
    ScanMixed();
    for (int i = 0; i < RowCount(); ++i)
        if (Row(i).name() == "b.pdf")
            Files()->setData(Files()->index(i, 0), Qt::Unchecked, Qt::CheckStateRole);
    EXPECT_EQ(Sorted(Collect()), (std::vector<std::string>{folder + "/a.jpg", folder + "/c.JPG"}));
}

// A row listed under a filter row passes that row at Start and no other;
// rows listed under "All (*.*)" are judged by their names.
TEST_F(FoundFilesListTest, RowsListedUnderARowPassThatRowOnly)
{
    struct Case {
        const char* listedUnder;
        const char* startedUnder;
        std::vector<std::string> handed;
    } cases[] = {
        {"jpg", "jpg", {"a.jpg", "c.JPG"}},
        {"jpg", "pdf", {}},
        {"jpg", "All (*.*)", {"a.jpg", "c.JPG"}},
        {"All (*.*)", "pdf", {"b.pdf"}},
        {"pdf", "pdf", {"b.pdf"}},
    };
    for (const Case& c : cases) {
        form->ClearLists();
        folder = Folder("listed", {"a.jpg", "b.pdf", "c.JPG"});
        Select(QString::fromLatin1(c.listedUnder));
        form->ScanFolder(folder + "/");
        form->FinishScan();
        Select(QString::fromLatin1(c.startedUnder));
        std::vector<std::string> names;
        for (const std::string& path : Collect())
            names.push_back(path.substr(folder.size() + 1));
        EXPECT_EQ(Sorted(names), c.handed) << c.listedUnder << " / " << c.startedUnder;
    }
}

TEST_F(FoundFilesListTest, AddlistHandsOverInListOrder)
{
    ScanMixed();
    const std::vector<std::string> handed = Collect();
    std::vector<std::string> shown;
    for (int i = 0; i < RowCount(); ++i)
        shown.push_back(Row(i).fullPath);
    EXPECT_EQ(handed, shown);
}

// A run reads the paths it was handed where the list keeps them: they stay
// as they were while thousands of rows come in and after the list is cleared.
TEST_F(FoundFilesListTest, HandedPathsOutliveNewRowsAndClear)
{
    ScanMixed();
    const SourceList handed = form->CollectCheckedFiles();
    const std::vector<std::string> before(handed.Paths().begin(), handed.Paths().end());
    for (int i = 0; i < 3000; ++i)
        Add("n" + std::to_string(i) + ".jpg", "/other/n" + std::to_string(i) + ".jpg");
    EXPECT_EQ(std::vector<std::string>(handed.Paths().begin(), handed.Paths().end()), before);
    form->ClearLists();
    for (int i = 0; i < 3000; ++i)
        Add("m" + std::to_string(i) + ".jpg", "/again/m" + std::to_string(i) + ".jpg");
    EXPECT_EQ(std::vector<std::string>(handed.Paths().begin(), handed.Paths().end()), before);
}

TEST_F(FoundFilesListTest, ClearEmptiesEverythingAndDisablesTheButtons)
{
    ScanMixed();
    form->CollectCheckedFiles();
    form->folderField()->setText("/somewhere");
    form->percentLabel()->setVisible(true);
    form->drawnProgressBar()->SetColor(0x808000);
    ASSERT_TRUE(form->clearButton()->Enabled());

    QTest::mouseClick(form->clearButton(), Qt::LeftButton); // through the real button
    EXPECT_EQ(RowCount(), 0);
    EXPECT_EQ(Files()->rowCount(), 0);
    EXPECT_TRUE(form->folderField()->text().isEmpty());
    EXPECT_FALSE(form->startButton()->Enabled());
    EXPECT_FALSE(form->clearButton()->Enabled());
    EXPECT_FALSE(form->outputButton()->Enabled());
    EXPECT_EQ(form->drawnProgressBar()->Color(), 0xFFFFFFu);
    EXPECT_FALSE(form->percentLabel()->isVisibleTo(form.get()));

    form->ClearLists(); // on an empty list: still all empty and disabled
    EXPECT_EQ(RowCount(), 0);
    EXPECT_FALSE(form->clearButton()->Enabled());
    // The run list went with the rows: nothing is left to hand over.
    EXPECT_TRUE(form->CollectCheckedFiles().empty());
}

TEST_F(FoundFilesListTest, FinishingAScanChecksEveryRowWithOneNotification)
{
    ScanMixed();
    for (int i = 0; i < RowCount(); ++i)
        Files()->setData(Files()->index(i, 0), Qt::Unchecked, Qt::CheckStateRole);
    QSignalSpy changed(Files(), &QAbstractItemModel::dataChanged);
    form->FinishScan();
    EXPECT_EQ(changed.count(), 1);
    for (int i = 0; i < RowCount(); ++i) {
        EXPECT_TRUE(Row(i).checked);
        EXPECT_EQ(Files()->index(i, 0).data(Qt::CheckStateRole).toInt(), Qt::Checked);
    }
}

TEST_F(FoundFilesListTest, SpaceTogglesTheCurrentRowFromEitherColumn)
{
    ScanMixed();
    FileListView* view = form->fileList();
    for (int column : {0, 1}) {
        view->setCurrentIndex(Files()->index(1, column));
        QTest::keyClick(view, Qt::Key_Space);
        EXPECT_FALSE(Row(1).checked) << column;
        QTest::keyClick(view, Qt::Key_Space);
        EXPECT_TRUE(Row(1).checked) << column;
    }
    EXPECT_TRUE(Row(0).checked);
}

TEST_F(FoundFilesListTest, AutoSizeColumnsMeasuresRowsBeyondTheFirstThousand)
{
    Select("txt");
    const std::string longName = std::string(120, 'W') + ".txt";
    Add(longName, "/l/" + longName);
    for (int i = 0; i < 1500; ++i) // the long row ends up below 1,500 short ones
        Add("s.txt", "/s/s.txt");
    form->FinishScan();
    const QFontMetrics metrics(form->fileList()->font());
    const int needed = metrics.horizontalAdvance(QString::fromStdString(longName));
    EXPECT_GE(form->fileList()->horizontalHeader()->sectionSize(0), needed);
    EXPECT_GE(form->fileList()->horizontalHeader()->sectionSize(1),
              metrics.horizontalAdvance(QStringLiteral("1 bytes")));

    // After Clear the columns fit the new, shorter rows again.
    form->ClearLists();
    Add("s.txt", "/s/s.txt");
    form->FinishScan();
    EXPECT_LT(form->fileList()->horizontalHeader()->sectionSize(0), needed);
    EXPECT_GE(form->fileList()->horizontalHeader()->sectionSize(0), form->fileList()->horizontalHeader()->sectionSizeHint(0));
}

TEST_F(FoundFilesListTest, DoubleClickOpensTheFirstSelectedRowsFile)
{
    Add("my \"quoted\" file.txt", "/with space/my \"quoted\" file.txt");
    Add("top.txt", "/t/top.txt");
    form->OpenSelectedFile(); // nothing selected: nothing opened
    EXPECT_TRUE(shell.openedWith.empty());

    QItemSelectionModel* selection = form->fileList()->selectionModel();
    selection->select(Files()->index(0, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    const QRect cell = form->fileList()->visualRect(Files()->index(1, 1));
    QTest::mouseDClick(form->fileList()->viewport(), Qt::LeftButton, Qt::NoModifier, cell.center());
    ASSERT_FALSE(shell.openedWith.empty());
    // The double-click selects the row it hits, which is then opened.
    EXPECT_EQ(shell.openedWith.back(), "/with space/my \"quoted\" file.txt");

    shell.openedWith.clear();
    selection->clearSelection();
    selection->select(Files()->index(0, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
    selection->select(Files()->index(1, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
    form->OpenSelectedFile();
    ASSERT_EQ(shell.openedWith.size(), 1u);
    EXPECT_EQ(shell.openedWith[0], "/t/top.txt");
}

} // namespace
