#include "ArchiveName.h"
#include "Form2.h"
#include "Form2Host.h"
#include "StagingArea.h"
#include "chameleonButton.h"

#include "TempDir.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QTest>
#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace {

// Stands in for the main window: the folder picker answers with a queued
// reply, message boxes are recorded.
struct FakeHost : Form2Host {
    QString row = QStringLiteral("jpg");
    std::string pickerAnswer;
    int pickerCalls = 0;
    QStringList errors;
    fs::path busy;
    int chosenCalls = 0;
    fs::path staging, outputBase;

    QString SelectedExtensionRow() const override { return row; }
    std::string BrowseForFolder() override
    {
        ++pickerCalls;
        return pickerAnswer;
    }
    // A window that takes the focus while a message is shown, as a message box does.
    QWidget* messageWindow = nullptr;
    void ShowNameError(const QString& text) override
    {
        errors << text;
        if (messageWindow) {
            messageWindow->show();
            QApplication::setActiveWindow(messageWindow);
            (void)QTest::qWaitForWindowActive(messageWindow, 1000);
            messageWindow->hide();
            QCoreApplication::processEvents();
        }
    }
    bool StagingInUse(const fs::path& folder) const override { return !busy.empty() && folder == busy; }
    void OutputChosen(const fs::path& s, const fs::path& o) override
    {
        ++chosenCalls;
        staging = s;
        outputBase = o;
    }
};

struct Form2Fixture : ::testing::Test {
    TempDir dir;
    fs::path root = dir / "staging";
    fs::path out = dir / "out";
    StagingArea area{root};
    FakeHost host;
    QPointer<Form2> form;

    void SetUp() override
    {
        fs::create_directories(out);
        host.pickerAnswer = out.native();
        form = new Form2(host, area);
        form->ShowDialog();
    }
    void TearDown() override { delete form.data(); }

    void typeName(const QString& name) { form->Text2()->setText(name); }
    void clickOk() { QTest::mouseClick(form->chameleonButton1(), Qt::LeftButton); }
};

}  // namespace

TEST_F(Form2Fixture, LayoutCaptionsAndProposal)
{
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Output"));
    EXPECT_EQ(form->size(), QSize(330, 83));
    EXPECT_EQ(form->Label2()->text(), QStringLiteral("File Name:"));
    EXPECT_EQ(form->Text2()->geometry(), QRect(80, 16, 241, 25));
    EXPECT_EQ(form->chameleonButton1()->Caption(), QStringLiteral("OK"));
    EXPECT_EQ(form->chameleonButton1()->geometry(), QRect(232, 48, 89, 25));
    EXPECT_EQ(form->chameleonButton2()->Caption(), QStringLiteral("Cancel"));
    EXPECT_EQ(form->chameleonButton2()->geometry(), QRect(104, 48, 89, 25));
    EXPECT_EQ(form->Text2()->text(), ArchiveName::Propose(QStringLiteral("jpg"), QDate::currentDate()));
    EXPECT_TRUE(form->Text2()->text().startsWith(QStringLiteral("JPG ZIP Archive ")));
    // Typing replaces the proposal.
    EXPECT_EQ(form->Text2()->selectedText(), form->Text2()->text());
}

TEST_F(Form2Fixture, EnterConfirmsAndPreparesTheStagingFolder)
{
    typeName(QStringLiteral("Holiday"));
    QTest::keyClick(form->Text2(), Qt::Key_Return);
    EXPECT_EQ(host.pickerCalls, 1);
    ASSERT_EQ(host.chosenCalls, 1) << host.errors.join(QStringLiteral("|")).toStdString();
    EXPECT_EQ(host.staging, root / "Holiday");
    EXPECT_EQ(host.outputBase, out / "Holiday");
    EXPECT_TRUE(area.IsOurs(root / "Holiday"));
    // Hidden, not unloaded: the typed name waits for the next Output.
    ASSERT_TRUE(form);
    EXPECT_TRUE(form->isHidden());
    EXPECT_EQ(form->Text2()->text(), QStringLiteral("Holiday"));
}

// Return on a focused button is that button's, as on any dialog; it
// confirms once, never twice.
TEST_F(Form2Fixture, ReturnOnTheFocusedButtons)
{
    form->chameleonButton1()->setFocus();
    QTest::keyClick(form->chameleonButton1(), Qt::Key_Return);
    EXPECT_EQ(host.pickerCalls, 1);
    EXPECT_EQ(host.chosenCalls, 1);
    form->ShowDialog();
    form->chameleonButton2()->setFocus();
    QTest::keyClick(form->chameleonButton2(), Qt::Key_Return);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(form);
    EXPECT_EQ(host.pickerCalls, 1);
}

TEST_F(Form2Fixture, EscapeUnloadsTheDialog)
{
    QTest::keyClick(form->Text2(), Qt::Key_Escape);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(form);
    EXPECT_EQ(host.pickerCalls, 0);
    EXPECT_EQ(host.chosenCalls, 0);
}

// Escape means Cancel wherever the focus is in the dialog, and Space on a
// focused button presses it.
TEST_F(Form2Fixture, EscapeOnAButtonAndSpaceOnOk)
{
    form->chameleonButton1()->setFocus();
    QTest::keyClick(form->chameleonButton1(), Qt::Key_Escape);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(form);
    EXPECT_EQ(host.pickerCalls, 0);

    form = new Form2(host, area);
    form->ShowDialog();
    typeName(QStringLiteral("Spaced"));
    form->chameleonButton1()->setFocus();
    QTest::keyClick(form->chameleonButton1(), Qt::Key_Space);
    EXPECT_EQ(host.pickerCalls, 1);
    EXPECT_EQ(host.chosenCalls, 1);
}

TEST_F(Form2Fixture, CancelButtonUnloadsTheDialog)
{
    QTest::mouseClick(form->chameleonButton2(), Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(form);
    EXPECT_EQ(host.chosenCalls, 0);
}

// Each refused name: one message, the dialog stays open, the picker is not
// shown, and nothing on disk changes (sentinels beside and inside the root).
TEST_F(Form2Fixture, RefusedNamesTouchNothing)
{
    const fs::path beside = dir.write("beside.txt", "beside");
    const fs::path inside = dir.write("staging/inside.txt", "inside");
    const fs::path foreign = dir.write("staging/Mine/keep.txt", "keep");
    const QString names[] = {QString(), QStringLiteral("  "), QStringLiteral("."), QStringLiteral(".."),
                             QStringLiteral("../out"), QStringLiteral("a\nb"), QString(300, QLatin1Char('x')),
                             QStringLiteral("Mine"), QStringLiteral("inside.txt")};
    for (const QString& name : names) {
        host.errors.clear();
        typeName(name);
        clickOk();
        EXPECT_EQ(host.errors.size(), 1) << name.toStdString();
        EXPECT_TRUE(form->isVisible()) << name.toStdString();
    }
    EXPECT_EQ(host.pickerCalls, 0);
    EXPECT_EQ(host.chosenCalls, 0);
    EXPECT_EQ(readFileBytes(beside), "beside");
    EXPECT_EQ(readFileBytes(inside), "inside");
    EXPECT_EQ(readFileBytes(foreign), "keep");
    EXPECT_TRUE(area.Made().empty());
}

// After the message about a refused name the keyboard is back in the name
// field, its text selected for retyping.
TEST_F(Form2Fixture, RefusedNameGivesTheFocusBackToTheName)
{
    QApplication::setActiveWindow(form);
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.data()));
    QWidget message;
    host.messageWindow = &message;
    typeName(QStringLiteral("a/b"));
    QTest::keyClick(form->Text2(), Qt::Key_Return);
    ASSERT_EQ(host.errors.size(), 1);
    EXPECT_TRUE(QTest::qWaitForWindowActive(form.data(), 1000));
    EXPECT_EQ(QApplication::activeWindow(), form.data());
    EXPECT_EQ(form->focusWidget(), form->Text2());
    EXPECT_EQ(QApplication::focusWidget(), form->Text2());
    EXPECT_EQ(form->Text2()->selectedText(), QStringLiteral("a/b"));
}

TEST_F(Form2Fixture, NameOfTheRunningStagingFolderIsRefused)
{
    typeName(QStringLiteral("Busy"));
    clickOk();
    ASSERT_EQ(host.chosenCalls, 1);
    dir.write("staging/Busy/copy.jpg", "being zipped");
    host.busy = root / "Busy";
    form->ShowDialog();
    clickOk();
    EXPECT_EQ(host.errors.size(), 1);
    EXPECT_EQ(host.chosenCalls, 1);
    EXPECT_EQ(readFileBytes(root / "Busy" / "copy.jpg"), "being zipped");
}

// The staging folder of a name another Volarin Z window is using is refused
// before the picker, and its copies stay.
TEST_F(Form2Fixture, NameInUseByAnotherWindowIsRefused)
{
    StagingArea otherWindow(root);
    ASSERT_TRUE(otherWindow.Prepare("Shared").ok);
    dir.write("staging/Shared/copy.jpg", "other window's copy");
    typeName(QStringLiteral("Shared"));
    clickOk();
    ASSERT_EQ(host.errors.size(), 1);
    EXPECT_TRUE(host.errors[0].contains(QStringLiteral("another Volarin Z window"))) << host.errors[0].toStdString();
    EXPECT_EQ(host.pickerCalls, 0);
    EXPECT_EQ(host.chosenCalls, 0);
    EXPECT_EQ(readFileBytes(root / "Shared" / "copy.jpg"), "other window's copy");
}

TEST_F(Form2Fixture, CancelledPickerChangesNothing)
{
    host.pickerAnswer.clear();
    typeName(QStringLiteral("Never"));
    clickOk();
    EXPECT_EQ(host.pickerCalls, 1);
    EXPECT_EQ(host.chosenCalls, 0);
    EXPECT_TRUE(form->isHidden());
    EXPECT_FALSE(fs::exists(root / "Never"));
}

TEST_F(Form2Fixture, PickerAnswerIsCutAtNul)
{
    host.pickerAnswer += std::string("\0garbage", 8);
    typeName(QStringLiteral("x.zip"));
    clickOk();
    ASSERT_EQ(host.chosenCalls, 1);
    EXPECT_EQ(host.outputBase, out / "x.zip");
}

// The old copies under the confirmed name go; folders of other names stay.
TEST_F(Form2Fixture, ConfirmingEmptiesOnlyTheFolderOfThatName)
{
    typeName(QStringLiteral("A"));
    clickOk();
    typeName(QStringLiteral("B"));
    form->ShowDialog();
    clickOk();
    dir.write("staging/A/a.jpg", "a");
    dir.write("staging/B/b.jpg", "b");
    form->ShowDialog();
    typeName(QStringLiteral("B"));
    clickOk();
    EXPECT_EQ(host.chosenCalls, 3);
    EXPECT_TRUE(fs::exists(root / "A" / "a.jpg"));
    EXPECT_FALSE(fs::exists(root / "B" / "b.jpg"));
}

TEST_F(Form2Fixture, StagingFailureIsShownAndTheDialogComesBack)
{
    // The root cannot be made: a file stands where its parent should be.
    TempDir other;
    other.write("blocked", "file");
    StagingArea blocked(other / "blocked" / "staging");
    delete form.data();
    form = new Form2(host, blocked);
    form->ShowDialog();
    clickOk();
    EXPECT_EQ(host.pickerCalls, 1);
    EXPECT_EQ(host.chosenCalls, 0);
    ASSERT_EQ(host.errors.size(), 1);
    EXPECT_TRUE(host.errors[0].contains(QStringLiteral("Not a directory"))) << host.errors[0].toStdString();
    EXPECT_TRUE(form->isVisible());
}
