#include "ArchiveName.h"
#include "FakeShell.h"
#include "OutputNameDialog.h"
#include "chameleonButton.h"

#include "TempDir.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QTest>
#include <QSignalSpy>
#include <gtest/gtest.h>

#include <optional>

namespace fs = std::filesystem;

namespace {

// The dialog on real folders; only the desktop (picker, message boxes) is a fake.
struct OutputNameDialogTest : ::testing::Test {
    TempDir dir;
    fs::path out = dir / "out";
    FakeShell shell;
    QPointer<OutputNameDialog> form;
    std::vector<OutputChoice> chosen;

    void SetUp() override
    {
        fs::create_directories(out);
        form = Load();
    }
    void TearDown() override { delete form.data(); }

    OutputNameDialog* Load()
    {
        auto* dialog = new OutputNameDialog(QStringLiteral("jpg"));
        QObject::connect(dialog, &OutputNameDialog::Chosen, [this](const OutputChoice& c) { chosen.push_back(c); });
        dialog->ShowDialog();
        return dialog;
    }

    // The picker answers `answer` the next time it is shown.
    void pickerAnswers(const std::string& answer) { shell.folderAnswers.push_back(answer); }
    int pickerCalls() const { return static_cast<int>(shell.browseCalls.size()); }
    int errors() const { return static_cast<int>(shell.messages.size()); }
    void typeName(const QString& name) { form->nameField()->setText(name); }
    void clickOk()
    {
        pickerAnswers(out.native());
        QTest::mouseClick(form->okButton(), Qt::LeftButton);
    }
};

}  // namespace

TEST_F(OutputNameDialogTest, LayoutCaptionsAndProposal)
{
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Output"));
    EXPECT_EQ(form->size(), QSize(330, 83));
    auto* label = form->findChild<QLabel*>(QStringLiteral("Label2"));
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->text(), QStringLiteral("File Name:"));
    EXPECT_EQ(label->geometry(), QRect(8, 16, 65, 25));
    EXPECT_EQ(form->nameField()->geometry(), QRect(80, 16, 241, 25));
    EXPECT_EQ(form->okButton()->Caption(), QStringLiteral("OK"));
    EXPECT_EQ(form->okButton()->geometry(), QRect(232, 48, 89, 25));
    EXPECT_EQ(form->cancelButton()->Caption(), QStringLiteral("Cancel"));
    EXPECT_EQ(form->cancelButton()->geometry(), QRect(104, 48, 89, 25));
    EXPECT_EQ(form->nameField()->text(), ArchiveName::Propose(QStringLiteral("jpg"), QDate::currentDate()));
    EXPECT_TRUE(form->nameField()->text().startsWith(QStringLiteral("JPG ZIP Archive ")));
    // Typing replaces the proposal.
    EXPECT_EQ(form->nameField()->selectedText(), form->nameField()->text());
}

TEST_F(OutputNameDialogTest, EnterConfirmsTheNameAndFolder)
{
    typeName(QStringLiteral("Holiday"));
    pickerAnswers(out.native());
    QTest::keyClick(form->nameField(), Qt::Key_Return);
    EXPECT_EQ(pickerCalls(), 1);
    ASSERT_EQ(chosen.size(), 1u) << errors();
    EXPECT_EQ(chosen[0].name, QStringLiteral("Holiday"));
    EXPECT_EQ(chosen[0].archive, out / "Holiday.zip");
    // The drive was asked about the name, and nothing of that is left.
    EXPECT_TRUE(fs::is_empty(out));
    // Hidden, not unloaded: the typed name waits for the next Output.
    ASSERT_TRUE(form);
    EXPECT_TRUE(form->isHidden());
    EXPECT_EQ(form->nameField()->text(), QStringLiteral("Holiday"));
}

// Return on a focused button is that button's, as on any dialog; it
// confirms once, never twice.
TEST_F(OutputNameDialogTest, ReturnOnTheFocusedButtons)
{
    pickerAnswers(out.native());
    form->okButton()->setFocus();
    QTest::keyClick(form->okButton(), Qt::Key_Return);
    EXPECT_EQ(pickerCalls(), 1);
    EXPECT_EQ(chosen.size(), 1u);
    form->ShowDialog();
    form->cancelButton()->setFocus();
    QTest::keyClick(form->cancelButton(), Qt::Key_Return);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(form);
    EXPECT_EQ(pickerCalls(), 1);
}

TEST_F(OutputNameDialogTest, EscapeUnloadsTheDialog)
{
    QTest::keyClick(form->nameField(), Qt::Key_Escape);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(form);
    EXPECT_EQ(pickerCalls(), 0);
    EXPECT_TRUE(chosen.empty());
}

// Escape means Cancel wherever the focus is in the dialog, and Space on a
// focused button presses it.
TEST_F(OutputNameDialogTest, EscapeOnAButtonAndSpaceOnOk)
{
    form->okButton()->setFocus();
    QTest::keyClick(form->okButton(), Qt::Key_Escape);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(form);
    EXPECT_EQ(pickerCalls(), 0);

    form = Load();
    typeName(QStringLiteral("Spaced"));
    pickerAnswers(out.native());
    form->okButton()->setFocus();
    QTest::keyClick(form->okButton(), Qt::Key_Space);
    EXPECT_EQ(pickerCalls(), 1);
    EXPECT_EQ(chosen.size(), 1u);
}

TEST_F(OutputNameDialogTest, CancelButtonUnloadsTheDialog)
{
    QTest::mouseClick(form->cancelButton(), Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(form);
    EXPECT_TRUE(chosen.empty());
}

// Each refused name: one message, the dialog stays open, the picker is not
// shown, and nothing on disk changes (sentinels beside and inside a folder).
TEST_F(OutputNameDialogTest, RefusedNamesTouchNothing)
{
    const fs::path beside = dir.write("beside.txt", "beside");
    const fs::path inside = dir.write("staging/inside.txt", "inside");
    const fs::path foreign = dir.write("staging/Mine/keep.txt", "keep");
    const QString names[] = {QString(), QStringLiteral("  "), QStringLiteral("."), QStringLiteral(".."),
                             QStringLiteral("../out"), QStringLiteral("a\nb"), QString(300, QLatin1Char('x'))};
    for (const QString& name : names) {
        shell.messages.clear();
        typeName(name);
        QTest::mouseClick(form->okButton(), Qt::LeftButton);
        EXPECT_EQ(errors(), 1) << name.toStdString();
        EXPECT_TRUE(form->isVisible()) << name.toStdString();
    }
    EXPECT_EQ(pickerCalls(), 0);
    EXPECT_TRUE(chosen.empty());
    EXPECT_EQ(readFileBytes(beside), "beside");
    EXPECT_EQ(readFileBytes(inside), "inside");
    EXPECT_EQ(readFileBytes(foreign), "keep");
}

// After the message about a refused name the keyboard is back in the name
// field, its text selected for retyping.
TEST_F(OutputNameDialogTest, RefusedNameGivesTheFocusBackToTheName)
{
    QApplication::setActiveWindow(form);
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.data()));
    QWidget message;
    shell.whileMessageShown = [&message] {
        message.show();
        QApplication::setActiveWindow(&message);
        (void)QTest::qWaitForWindowActive(&message, 1000);
        message.hide();
        QCoreApplication::processEvents();
    };
    typeName(QStringLiteral("a/b"));
    QTest::keyClick(form->nameField(), Qt::Key_Return);
    ASSERT_EQ(errors(), 1);
    EXPECT_TRUE(QTest::qWaitForWindowActive(form.data(), 1000));
    EXPECT_EQ(QApplication::activeWindow(), form.data());
    EXPECT_EQ(form->focusWidget(), form->nameField());
    EXPECT_EQ(QApplication::focusWidget(), form->nameField());
    EXPECT_EQ(form->nameField()->selectedText(), QStringLiteral("a/b"));
}

TEST_F(OutputNameDialogTest, CancelledPickerChangesNothing)
{
    typeName(QStringLiteral("Never"));
    QTest::mouseClick(form->okButton(), Qt::LeftButton);  // the picker answers Cancel
    EXPECT_EQ(pickerCalls(), 1);
    EXPECT_TRUE(chosen.empty());
    EXPECT_TRUE(form->isHidden());
    EXPECT_TRUE(fs::is_empty(out));
}

TEST_F(OutputNameDialogTest, PickerAnswerIsCutAtNul)
{
    pickerAnswers(out.native() + std::string("\0garbage", 8));
    typeName(QStringLiteral("x"));
    QTest::mouseClick(form->okButton(), Qt::LeftButton);
    ASSERT_EQ(chosen.size(), 1u);
    EXPECT_EQ(chosen[0].archive, out / "x.zip");
}

// ".zip" is added unless the typed name ends in it, in any case.
TEST_F(OutputNameDialogTest, TypedNameGivesTheArchiveFileName)
{
    const std::pair<QString, std::string> cases[] = {
        {QStringLiteral("photos"), "photos.zip"},         {QStringLiteral("photos.zip"), "photos.zip"},
        {QStringLiteral("Photos.ZIP"), "Photos.ZIP"},     {QStringLiteral("photos.Zip"), "photos.Zip"},
        {QStringLiteral("photos.zipx"), "photos.zipx.zip"}, {QStringLiteral(".zip"), ".zip.zip"},
    };
    for (const auto& [typed, file] : cases) {
        form->ShowDialog();
        typeName(typed);
        clickOk();
        ASSERT_FALSE(chosen.empty()) << file;
        EXPECT_EQ(chosen.back().archive, out / file);
        EXPECT_EQ(chosen.back().name, typed);
    }
    EXPECT_TRUE(shell.questions.empty());
}

// What already lies at the archive's place decides: nothing goes ahead, a
// file or link is replaced only when the user says so, a folder is refused.
// Until then nothing on disk changes.
TEST_F(OutputNameDialogTest, ArchivePlaceTakenIsAskedAbout)
{
    enum class There { Nothing, File, DanglingLink, Folder };
    const struct Case {
        There there;
        std::optional<bool> answer;  // none: the question is not asked
        bool goesAhead;
    } cases[] = {
        {There::Nothing, std::nullopt, true}, {There::File, false, false},         {There::File, true, true},
        {There::DanglingLink, false, false},  {There::DanglingLink, true, true},   {There::Folder, std::nullopt, false},
    };
    int n = 0;
    for (const Case& c : cases) {
        const std::string name = "case" + std::to_string(++n);
        const fs::path archive = out / (name + ".zip");
        if (c.there == There::File)
            dir.write("out/" + name + ".zip", "old");
        else if (c.there == There::DanglingLink)
            fs::create_symlink(dir / "gone", archive);
        else if (c.there == There::Folder)
            fs::create_directory(archive);
        shell.questions.clear();
        shell.messages.clear();
        if (c.answer)
            shell.askAnswers.push_back(*c.answer);
        const size_t before = chosen.size();

        form->ShowDialog();
        typeName(QString::fromStdString(name));
        clickOk();
        EXPECT_EQ(shell.questions.size(), c.answer ? 1u : 0u) << name;
        EXPECT_EQ(errors(), c.there == There::Folder ? 1 : 0) << name;
        EXPECT_EQ(chosen.size() - before, c.goesAhead ? 1u : 0u) << name;
        // The drive's answer about the name leaves nothing at the archive's place.
        EXPECT_EQ(fs::exists(fs::symlink_status(archive)), c.there != There::Nothing) << name;
        // Going back shows the dialog with the name ready to be retyped.
        EXPECT_EQ(form->isVisible(), !c.goesAhead) << name;
        if (!c.goesAhead) {
            EXPECT_EQ(form->nameField()->selectedText(), QString::fromStdString(name));
        }
        if (c.there == There::File) {
            EXPECT_EQ(readFileBytes(archive), "old");
        }
        EXPECT_EQ(fs::is_symlink(fs::symlink_status(archive)), c.there == There::DanglingLink) << name;
    }
}
