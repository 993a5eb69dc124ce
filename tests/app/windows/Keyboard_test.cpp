// The main window used with the keyboard alone: Tab walks the controls (and
// leaves the file list), Space checks a row, Enter opens it, and the help
// link shows when it has the focus.
#include "AppFixture.h"

#include "ClickLabel.h"
#include "FileListView.h"

#include <QApplication>
#include <QImage>
#include <QLineEdit>
#include <QTest>

namespace {

class KeyboardTest : public AppTest {
protected:
    void SetUp() override
    {
        form->show();
        QApplication::setActiveWindow(form.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    }
};

TEST_F(KeyboardTest, TabLeavesTheFileListForTheExtensionList)
{
    Select("All (*.*)");
    form->ScanFolder(Folder("p", {"a.txt", "b.txt", "c.txt"}) + "/");
    form->FinishScan();
    FileListView* list = form->fileList();
    list->setFocus();
    list->setCurrentIndex(Files()->index(0, 0));
    ASSERT_EQ(QApplication::focusWidget(), list);

    QTest::keyClick(list, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), form->extensionList());
    QTest::keyClick(form->extensionList(), Qt::Key_Backtab);
    EXPECT_EQ(QApplication::focusWidget(), list);
}

TEST_F(KeyboardTest, SpaceTogglesAndEnterOpensTheCurrentRow)
{
    Select("All (*.*)");
    form->ScanFolder(Folder("p", {"a.txt", "b.txt"}) + "/");
    form->FinishScan();
    FileListView* list = form->fileList();
    list->setFocus();
    list->setCurrentIndex(Files()->index(1, 0));

    QTest::keyClick(list, Qt::Key_Space);
    EXPECT_FALSE(Row(1).checked);
    EXPECT_TRUE(Row(0).checked);

    QTest::keyClick(list, Qt::Key_Return);
    ASSERT_EQ(shell.openedWith.size(), 1u);
    EXPECT_EQ(shell.openedWith[0], Row(1).fullPath);
}

TEST_F(KeyboardTest, HelpLinkShowsItsFocus)
{
    ClickLabel* link = form->helpLink();
    form->folderField()->setFocus();
    QTest::keyClick(form->folderField(), Qt::Key_Tab);  // to Browse...
    const QImage without = link->grab().toImage();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    ASSERT_TRUE(link->hasFocus());
    const QImage with = link->grab().toImage();
    EXPECT_NE(with, without);
}

} // namespace
