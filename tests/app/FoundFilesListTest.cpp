#include "AppFixture.h"
#include "FileListView.h"
#include "FoundFilesModel.h"
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
        ASSERT_EQ(form->ScanFolder(folder + "/"), 3);
        form->FinishScan();
    }

    std::vector<std::string> Sorted(std::vector<std::string> v)
    {
        std::sort(v.begin(), v.end());
        return v;
    }

    std::string folder;
};

TEST_F(FoundFilesListTest, AddlistFiltersCheckedRowsWithTheRowSelectedNow)
{
    ScanMixed();
    Select("jpg");
    form->addlist();
    EXPECT_EQ(Sorted(form->List1()), (std::vector<std::string>{folder + "/a.jpg", folder + "/c.JPG"}));

    // Not emptied first: each Start appends after what earlier ones left.
    Select("All (*.*)");
    form->addlist();
    EXPECT_EQ(form->List1().size(), 5u);

    // An unchecked row is never handed over.
    form->ClearLists();
    ScanMixed();
    for (int i = 0; i < form->RowCount(); ++i)
        if (form->Row(i).name == "b.pdf")
            form->Files()->SetChecked(i, false);
    form->addlist();
    EXPECT_EQ(Sorted(form->List1()), (std::vector<std::string>{folder + "/a.jpg", folder + "/c.JPG"}));
}

TEST_F(FoundFilesListTest, AddlistHandsOverInListOrder)
{
    ScanMixed();
    form->addlist();
    std::vector<std::string> shown;
    for (int i = 0; i < form->RowCount(); ++i)
        shown.push_back(form->Row(i).fullPath);
    EXPECT_EQ(form->List1(), shown);
}

TEST_F(FoundFilesListTest, ClearEmptiesEverythingAndDisablesTheButtons)
{
    ScanMixed();
    form->addlist();
    form->Text1()->setText("/somewhere");
    form->Label2()->setVisible(true);
    form->XP_ProgressBar1()->SetColor(0x808000);
    ASSERT_TRUE(form->chameleonButton2()->Enabled());

    QTest::mouseClick(form->chameleonButton2(), Qt::LeftButton); // through the real button
    EXPECT_EQ(form->RowCount(), 0);
    EXPECT_EQ(form->Files()->rowCount(), 0);
    EXPECT_TRUE(form->List1().empty());
    EXPECT_TRUE(form->Text1()->text().isEmpty());
    EXPECT_FALSE(form->chameleonButton1()->Enabled());
    EXPECT_FALSE(form->chameleonButton2()->Enabled());
    EXPECT_FALSE(form->chameleonButton3()->Enabled());
    EXPECT_EQ(form->XP_ProgressBar1()->Color(), 0xFFFFFFu);
    EXPECT_FALSE(form->Label2()->isVisibleTo(form.get()));

    form->ClearLists(); // on an empty list: still all empty and disabled
    EXPECT_EQ(form->RowCount(), 0);
    EXPECT_FALSE(form->chameleonButton2()->Enabled());
}

TEST_F(FoundFilesListTest, CheckAllRowsChecksEveryRowWithOneNotification)
{
    ScanMixed();
    for (int i = 0; i < form->RowCount(); ++i)
        form->Files()->setData(form->Files()->index(i, 0), Qt::Unchecked, Qt::CheckStateRole);
    QSignalSpy changed(form->Files(), &QAbstractItemModel::dataChanged);
    form->CheckAllRows();
    EXPECT_EQ(changed.count(), 1);
    for (int i = 0; i < form->RowCount(); ++i) {
        EXPECT_TRUE(form->Row(i).checked);
        EXPECT_EQ(form->Files()->index(i, 0).data(Qt::CheckStateRole).toInt(), Qt::Checked);
    }
}

TEST_F(FoundFilesListTest, SpaceTogglesTheCurrentRowFromEitherColumn)
{
    ScanMixed();
    FileListView* view = form->ListView1();
    for (int column : {0, 1}) {
        view->setCurrentIndex(form->Files()->index(1, column));
        QTest::keyClick(view, Qt::Key_Space);
        EXPECT_FALSE(form->Row(1).checked) << column;
        QTest::keyClick(view, Qt::Key_Space);
        EXPECT_TRUE(form->Row(1).checked) << column;
    }
    EXPECT_TRUE(form->Row(0).checked);
}

TEST_F(FoundFilesListTest, AutoSizeColumnsMeasuresRowsBeyondTheFirstThousand)
{
    Select("txt");
    const std::string longName = std::string(120, 'W') + ".txt";
    form->AddFoundFile(longName, 1, "/l/" + longName);
    for (int i = 0; i < 1500; ++i) // the long row ends up below 1,500 short ones
        form->AddFoundFile("s.txt", 1, "/s/s.txt");
    form->AutoSizeColumns();
    const QFontMetrics metrics(form->ListView1()->font());
    const int needed = metrics.horizontalAdvance(QString::fromStdString(longName));
    EXPECT_GE(form->ListView1()->horizontalHeader()->sectionSize(0), needed);
    EXPECT_GE(form->ListView1()->horizontalHeader()->sectionSize(1),
              metrics.horizontalAdvance(QStringLiteral("1 bytes")));

    // After Clear the columns fit the new, shorter rows again.
    form->ClearLists();
    form->AddFoundFile("s.txt", 1, "/s/s.txt");
    form->AutoSizeColumns();
    EXPECT_LT(form->ListView1()->horizontalHeader()->sectionSize(0), needed);
    EXPECT_GE(form->ListView1()->horizontalHeader()->sectionSize(0), form->ListView1()->horizontalHeader()->sectionSizeHint(0));
}

TEST_F(FoundFilesListTest, DoubleClickOpensTheFirstSelectedRowsFile)
{
    form->AddFoundFile("my \"quoted\" file.txt", 1, "/with space/my \"quoted\" file.txt");
    form->AddFoundFile("top.txt", 1, "/t/top.txt");
    form->ListView1_DblClick(); // nothing selected: nothing opened
    EXPECT_TRUE(shell.openedWith.empty());

    QItemSelectionModel* selection = form->ListView1()->selectionModel();
    selection->select(form->Files()->index(0, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    const QRect cell = form->ListView1()->visualRect(form->Files()->index(1, 1));
    QTest::mouseDClick(form->ListView1()->viewport(), Qt::LeftButton, Qt::NoModifier, cell.center());
    ASSERT_FALSE(shell.openedWith.empty());
    // The double-click selects the row it hits, which is then opened.
    EXPECT_EQ(shell.openedWith.back(), "/with space/my \"quoted\" file.txt");

    shell.openedWith.clear();
    selection->clearSelection();
    selection->select(form->Files()->index(0, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
    selection->select(form->Files()->index(1, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
    form->ListView1_DblClick();
    ASSERT_EQ(shell.openedWith.size(), 1u);
    EXPECT_EQ(shell.openedWith[0], "/t/top.txt");
}

} // namespace
