#include "AppFixture.h"
#include "ClickLabel.h"
#include "OutputNameDialog.h"
#include "FileListView.h"
#include "FoundFilesModel.h"
#include "SizeText.h"
#include "XP_ProgressBar.h"
#include "chameleonButton.h"

#include <QAccessible>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QTest>
#include <QUrl>

namespace {

class MainWindowInitialStateTest : public AppTest {};

// The layout itself is the stored form data's; what the window adds to it is
// checked here: its title and size, and which frame holds which control.
TEST_F(MainWindowInitialStateTest, WindowTakesItsTitleAndFramesFromTheLayout)
{
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Volarin Z 1.0"));
    EXPECT_EQ(form->size(), QSize(640, 328));
    EXPECT_EQ(form->objectName(), QStringLiteral("Form1"));
    EXPECT_EQ(form->fileList()->parentWidget(), form->dropFrame());
    EXPECT_EQ(form->extensionList()->parentWidget(), form->extensionFrame());
}

TEST_F(MainWindowInitialStateTest, StartsWithJpgSelectedEmptyListsAndActionsDisabled)
{
    EXPECT_EQ(form->extensionList()->currentText(), QStringLiteral("jpg"));
    EXPECT_EQ(form->extensionList()->currentIndex(), 81);
    EXPECT_EQ(form->extensionList()->currentText(), QStringLiteral("jpg"));
    EXPECT_EQ(RowCount(), 0);
    EXPECT_TRUE(form->CollectCheckedFiles().empty());
    EXPECT_TRUE(form->folderField()->text().isEmpty());

    EXPECT_FALSE(form->startButton()->Enabled());
    EXPECT_FALSE(form->clearButton()->Enabled());
    EXPECT_FALSE(form->outputButton()->Enabled());
    EXPECT_TRUE(form->browseButton()->Enabled());
    EXPECT_EQ(form->startButton()->Caption(), QStringLiteral("Start"));
    EXPECT_EQ(form->clearButton()->Caption(), QStringLiteral("Clear"));
    EXPECT_EQ(form->outputButton()->Caption(), QStringLiteral("Output"));
    EXPECT_EQ(form->browseButton()->Caption(), QStringLiteral("Browse..."));

    form->show();
    EXPECT_FALSE(form->percentLabel()->isVisible());
    EXPECT_FALSE(form->drawnProgressBar()->isVisible());
    EXPECT_FALSE(form->progressBar()->isVisible());
    EXPECT_TRUE(form->helpLink()->isVisible());
    EXPECT_EQ(form->helpLink()->text(), QStringLiteral("Online Help"));
    EXPECT_EQ(form->helpLink()->palette().color(QPalette::WindowText), QColor(128, 128, 255));
    EXPECT_EQ(form->dropFrame()->title(), QStringLiteral("Drag and Drop Folders"));
    EXPECT_EQ(form->extensionFrame()->title(), QStringLiteral("File Extension"));
}

TEST_F(MainWindowInitialStateTest, ListHasTheTwoColumnsAndStoredFontsKeepTheirNames)
{
    QAbstractItemModel* model = form->fileList()->model();
    ASSERT_EQ(model->columnCount(), 2);
    EXPECT_EQ(model->headerData(0, Qt::Horizontal).toString(), QStringLiteral("File Name"));
    EXPECT_EQ(model->headerData(1, Qt::Horizontal).toString(), QStringLiteral("File Size"));
    EXPECT_FALSE(form->fileList()->horizontalHeader()->isHidden());

    EXPECT_EQ(form->dropFrame()->font().family(), QStringLiteral("Cambria"));
    EXPECT_DOUBLE_EQ(form->dropFrame()->font().pointSizeF(), 11.25);
    EXPECT_EQ(form->extensionList()->font().family(), QStringLiteral("MS Sans Serif"));
    EXPECT_DOUBLE_EQ(form->extensionList()->font().pointSizeF(), 9.75);
    EXPECT_EQ(form->percentLabel()->font().family(), QStringLiteral("Arial Black"));
    EXPECT_EQ(form->percentLabel()->font().weight(), QFont::Black);
    // The frame's font stays on its caption; the list keeps the window's.
    EXPECT_EQ(form->fileList()->font().family(), QStringLiteral("MS Sans Serif"));
}

// What assistive technology is told about each control.
TEST_F(MainWindowInitialStateTest, EveryControlIsReachableByAssistiveTechnology)
{
    form->show();
    struct Expect {
        QWidget* widget;
        QAccessible::Role role;
        QString name;
    };
    const Expect expects[] = {
        {form->startButton(), QAccessible::Button, "Start"},
        {form->clearButton(), QAccessible::Button, "Clear"},
        {form->outputButton(), QAccessible::Button, "Output"},
        {form->browseButton(), QAccessible::Button, "Browse..."},
        {form->folderField(), QAccessible::EditableText, "Folder last browsed"},
        {form->helpLink(), QAccessible::Link, "Online Help"},
        {form.get(), QAccessible::Window, "Volarin Z 1.0"},
        {form->dropFrame(), QAccessible::Grouping, "Drag and Drop Folders"},
        {form->progressBar(), QAccessible::ProgressBar, "Zip progress"},
        {form->drawnProgressBar(), QAccessible::ProgressBar, "Zip progress"},
    };
    for (const Expect& e : expects) {
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(e.widget);
        ASSERT_NE(a, nullptr) << e.widget->objectName().toStdString();
        EXPECT_EQ(a->role(), e.role) << e.widget->objectName().toStdString();
        EXPECT_EQ(a->text(QAccessible::Name), e.name) << e.widget->objectName().toStdString();
    }
    EXPECT_TRUE(QAccessible::queryAccessibleInterface(form->startButton())->state().disabled);
    EXPECT_FALSE(QAccessible::queryAccessibleInterface(form->browseButton())->state().disabled);

    // The combo box says its value; its label is the frame around it.
    QAccessibleInterface* combo = QAccessible::queryAccessibleInterface(form->extensionList());
    EXPECT_EQ(combo->role(), QAccessible::ComboBox);
    EXPECT_EQ(combo->text(QAccessible::Value), QStringLiteral("jpg"));
    const auto labels = combo->relations(QAccessible::Label);
    ASSERT_EQ(labels.size(), 1);
    EXPECT_EQ(labels[0].first->text(QAccessible::Name), QStringLiteral("File Extension"));

    // The list: a table of cells with their text and check state.
    Files()->AddRows({FoundFile{"/p/a.jpg", 3, 2048}});
    form->FinishScan();
    QCoreApplication::processEvents(); // the view lays its rows out lazily
    QAccessibleInterface* list = QAccessible::queryAccessibleInterface(form->fileList());
    ASSERT_NE(list, nullptr);
    QAccessibleTableInterface* table = list->tableInterface();
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->rowCount(), 1);
    EXPECT_EQ(table->columnCount(), 2);
    QAccessibleInterface* name = table->cellAt(0, 0);
    QAccessibleInterface* size = table->cellAt(0, 1);
    ASSERT_NE(name, nullptr);
    ASSERT_NE(size, nullptr);
    EXPECT_EQ(name->text(QAccessible::Name), QStringLiteral("a.jpg"));
    EXPECT_EQ(size->text(QAccessible::Name), SizeText(2048));
    EXPECT_TRUE(name->state().checkable);
    EXPECT_TRUE(name->state().checked);
    Files()->setData(Files()->index(0, 0), Qt::Unchecked, Qt::CheckStateRole);
    EXPECT_FALSE(table->cellAt(0, 0)->state().checked);
}

// A screen reader announces the windows as a window and a dialog, and
// "Online Help" as a link it can follow.
TEST_F(MainWindowInitialStateTest, WindowsAndTheHelpLinkHaveTheirRolesAndActions)
{
    form->show();
    Files()->AddRows({FoundFile{"/p/a.jpg", 3, 1}});
    form->FinishScan();
    QTest::mouseClick(form->outputButton(), Qt::LeftButton);
    ASSERT_NE(form->outputDialog(), nullptr);
    QAccessibleInterface* dialog = QAccessible::queryAccessibleInterface(form->outputDialog());
    EXPECT_EQ(dialog->role(), QAccessible::Dialog);
    EXPECT_EQ(dialog->text(QAccessible::Name), QStringLiteral("Output"));
    EXPECT_EQ(form->outputDialog()->size(), QSize(330, 83));
    EXPECT_EQ(form->size(), QSize(640, 328));

    const std::filesystem::path page = temp.write("program/help/index.html", "<html></html>");
    QAccessibleInterface* link = QAccessible::queryAccessibleInterface(form->helpLink());
    ASSERT_NE(link->actionInterface(), nullptr);
    const QStringList actions = link->actionInterface()->actionNames();
    ASSERT_FALSE(actions.isEmpty());
    EXPECT_EQ(actions.front(), QAccessibleActionInterface::pressAction());
    EXPECT_FALSE(link->actionInterface()->keyBindingsForAction(actions.front()).isEmpty());
    EXPECT_TRUE(link->state().focusable);
    // The action returns before the click runs, so a message box it may open
    // never keeps the screen reader waiting.
    link->actionInterface()->doAction(actions.front());
    EXPECT_TRUE(shell.openedUrls.empty());
    QCoreApplication::processEvents();
    ASSERT_EQ(shell.openedUrls.size(), 1u);
    EXPECT_EQ(shell.openedUrls[0], QUrl::fromLocalFile(QString::fromStdString(page.string())).toString());
}

} // namespace
