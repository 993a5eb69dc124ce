#include "AppFixture.h"
#include "ClickLabel.h"
#include "FileListView.h"
#include "FoundFilesModel.h"
#include "XP_ProgressBar.h"
#include "chameleonButton.h"

#include <QAccessible>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>

namespace {

class Form1InitialStateTest : public AppTest {};

struct Placement {
    const char* name;
    QRect pixels; // twips / 15
};

TEST_F(Form1InitialStateTest, WindowAndControlsAreWhereTheLayoutPutsThem)
{
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Volarin Z 1.0"));
    EXPECT_EQ(form->size(), QSize(640, 328));
    EXPECT_EQ(form->objectName(), QStringLiteral("Form1"));
    const Placement placements[] = {
        {"Frame1", {8, 0, 441, 289}},          {"ListView1", {8, 24, 425, 257}},
        {"Frame2", {456, 0, 177, 73}},         {"Combo1", {8, 32, 161, 24}},
        {"XP_ProgressBar1", {456, 80, 177, 17}}, {"chameleonButton1", {456, 104, 177, 49}},
        {"chameleonButton3", {456, 184, 177, 49}}, {"Label2", {520, 248, 65, 33}},
        {"Text1", {8, 296, 369, 25}},          {"chameleonButton5", {384, 296, 81, 25}},
        {"chameleonButton2", {552, 296, 81, 25}}, {"Label3", {472, 304, 73, 17}},
        {"prgZip", {8, 512, 200, 21}},
    };
    for (const Placement& p : placements) {
        auto* widget = form->findChild<QWidget*>(QString::fromLatin1(p.name));
        ASSERT_NE(widget, nullptr) << p.name;
        EXPECT_EQ(widget->geometry(), p.pixels) << p.name;
    }
    EXPECT_EQ(form->ListView1()->parentWidget(), form->Frame1());
    EXPECT_EQ(form->Combo1()->parentWidget(), form->Frame2());
}

TEST_F(Form1InitialStateTest, StartsWithJpgSelectedEmptyListsAndActionsDisabled)
{
    EXPECT_EQ(form->Combo1()->currentText(), QStringLiteral("jpg"));
    EXPECT_EQ(form->Combo1()->currentIndex(), 81);
    EXPECT_EQ(form->SelectedFilterRow(), QStringLiteral("jpg"));
    EXPECT_EQ(form->RowCount(), 0);
    EXPECT_TRUE(form->List1().empty());
    EXPECT_TRUE(form->Text1()->text().isEmpty());

    EXPECT_FALSE(form->chameleonButton1()->Enabled());
    EXPECT_FALSE(form->chameleonButton2()->Enabled());
    EXPECT_FALSE(form->chameleonButton3()->Enabled());
    EXPECT_TRUE(form->chameleonButton5()->Enabled());
    EXPECT_EQ(form->chameleonButton1()->Caption(), QStringLiteral("Start"));
    EXPECT_EQ(form->chameleonButton2()->Caption(), QStringLiteral("Clear"));
    EXPECT_EQ(form->chameleonButton3()->Caption(), QStringLiteral("Output"));
    EXPECT_EQ(form->chameleonButton5()->Caption(), QStringLiteral("Browse..."));

    form->show();
    EXPECT_FALSE(form->Label2()->isVisible());
    EXPECT_FALSE(form->XP_ProgressBar1()->isVisible());
    EXPECT_FALSE(form->prgZip()->isVisible());
    EXPECT_TRUE(form->Label3()->isVisible());
    EXPECT_EQ(form->Label3()->text(), QStringLiteral("Online Help"));
    EXPECT_EQ(form->Label3()->palette().color(QPalette::WindowText), QColor(128, 128, 255));
    EXPECT_EQ(form->Frame1()->title(), QStringLiteral("Drag and Drop Folders"));
    EXPECT_EQ(form->Frame2()->title(), QStringLiteral("File Extension"));
}

TEST_F(Form1InitialStateTest, ListHasTheTwoColumnsAndStoredFontsKeepTheirNames)
{
    QAbstractItemModel* model = form->ListView1()->model();
    ASSERT_EQ(model->columnCount(), 2);
    EXPECT_EQ(model->headerData(0, Qt::Horizontal).toString(), QStringLiteral("File Name"));
    EXPECT_EQ(model->headerData(1, Qt::Horizontal).toString(), QStringLiteral("File Size"));
    EXPECT_FALSE(form->ListView1()->horizontalHeader()->isHidden());

    EXPECT_EQ(form->Frame1()->font().family(), QStringLiteral("Cambria"));
    EXPECT_DOUBLE_EQ(form->Frame1()->font().pointSizeF(), 11.25);
    EXPECT_EQ(form->Combo1()->font().family(), QStringLiteral("MS Sans Serif"));
    EXPECT_DOUBLE_EQ(form->Combo1()->font().pointSizeF(), 9.75);
    EXPECT_EQ(form->Label2()->font().family(), QStringLiteral("Arial Black"));
    EXPECT_EQ(form->Label2()->font().weight(), QFont::Black);
    // The frame's font stays on its caption; the list keeps the window's.
    EXPECT_EQ(form->ListView1()->font().family(), QStringLiteral("MS Sans Serif"));
}

// What assistive technology is told about each control.
TEST_F(Form1InitialStateTest, EveryControlIsReachableByAssistiveTechnology)
{
    form->show();
    struct Expect {
        QWidget* widget;
        QAccessible::Role role;
        QString name;
    };
    const Expect expects[] = {
        {form->chameleonButton1(), QAccessible::Button, "Start"},
        {form->chameleonButton2(), QAccessible::Button, "Clear"},
        {form->chameleonButton3(), QAccessible::Button, "Output"},
        {form->chameleonButton5(), QAccessible::Button, "Browse..."},
        {form->Text1(), QAccessible::EditableText, "Folder last browsed"},
        {form->Label3(), QAccessible::StaticText, "Online Help"},
        {form->Frame1(), QAccessible::Grouping, "Drag and Drop Folders"},
    };
    for (const Expect& e : expects) {
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(e.widget);
        ASSERT_NE(a, nullptr) << e.widget->objectName().toStdString();
        EXPECT_EQ(a->role(), e.role) << e.widget->objectName().toStdString();
        EXPECT_EQ(a->text(QAccessible::Name), e.name) << e.widget->objectName().toStdString();
    }
    EXPECT_TRUE(QAccessible::queryAccessibleInterface(form->chameleonButton1())->state().disabled);
    EXPECT_FALSE(QAccessible::queryAccessibleInterface(form->chameleonButton5())->state().disabled);

    // The combo box says its value; its label is the frame around it.
    QAccessibleInterface* combo = QAccessible::queryAccessibleInterface(form->Combo1());
    EXPECT_EQ(combo->role(), QAccessible::ComboBox);
    EXPECT_EQ(combo->text(QAccessible::Value), QStringLiteral("jpg"));
    const auto labels = combo->relations(QAccessible::Label);
    ASSERT_EQ(labels.size(), 1);
    EXPECT_EQ(labels[0].first->text(QAccessible::Name), QStringLiteral("File Extension"));

    // The list: a table of cells with their text and check state.
    form->AddFoundFile("a.jpg", 2048, "/p/a.jpg");
    form->CheckAllRows();
    QCoreApplication::processEvents(); // the view lays its rows out lazily
    QAccessibleInterface* list = QAccessible::queryAccessibleInterface(form->ListView1());
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
    EXPECT_EQ(size->text(QAccessible::Name), Form1::FormatSize(2048));
    EXPECT_TRUE(name->state().checkable);
    EXPECT_TRUE(name->state().checked);
    form->Files()->SetChecked(0, false);
    EXPECT_FALSE(table->cellAt(0, 0)->state().checked);
}

} // namespace
