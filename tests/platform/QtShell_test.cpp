#include "FakeShell.h"
#include "QtShell.h"
#include "TempDir.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <gtest/gtest.h>

#include <fstream>
#include <sys/stat.h>

namespace fs = std::filesystem;

namespace {

// A stand-in for xdg-open that writes its argument count and arguments, one
// per line, to a file.
fs::path RecordingOpener(const TempDir& temp, const fs::path& record)
{
    const fs::path script = temp.write("opener.sh", "#!/bin/sh\n{ echo \"$#\"; for a in \"$@\"; do printf '%s\\n' \"$a\"; done; } > '"
                                                         + record.string() + ".tmp'\nmv '" + record.string() + ".tmp' '"
                                                         + record.string() + "'\n");
    fs::permissions(script, fs::perms::owner_all);
    return script;
}

TEST(QtShell, OpenWithPassesThePathAsOneArgumentWithoutAShell)
{
    TempDir temp;
    const fs::path record = temp.path() / "record.txt";
    const std::string file = temp.write("it's a \"file\" $(touch pwned) ; x.txt", "x").string();
    // No portal answers in the test session (or there is no session bus at
    // all), so the fallback runs, possibly after the bus has said so.
    QtShell shell(RecordingOpener(temp, record).string());
    shell.OpenWith(file);
    ASSERT_TRUE(QTest::qWaitFor([&] { return fs::exists(record); }, 10000));
    EXPECT_EQ(readFileBytes(record), "1\n" + file + "\n");
    EXPECT_FALSE(fs::exists(fs::current_path() / "pwned"));
}

TEST(QtShell, SpawnDetachedLeavesNoChildBehind)
{
    TempDir temp;
    const fs::path marker = temp.path() / "ran";
    ASSERT_TRUE(QtShell::SpawnDetached({"/bin/sh", "-c", "touch \"$0\"", marker.string()}));
    ASSERT_TRUE(QTest::qWaitFor([&] { return fs::exists(marker); }, 5000));
    EXPECT_EQ(::waitpid(-1, nullptr, WNOHANG), -1); // nothing of ours left to reap
    EXPECT_TRUE(QtShell::SpawnDetached({"/no/such/program"})); // failure is silent
}

// A message box belongs to the window that asked: it opens over that window
// and the keyboard focus goes back there when it closes. A dialog asks through
// the window that owns it, which outlives the dialog should it be closed meanwhile.
TEST(QtShell, MessageBoxBelongsToTheActiveWindowsOwner)
{
    for (const bool fromDialog : {false, true}) {
        SCOPED_TRACE(fromDialog ? "dialog" : "window");
        QWidget window;
        window.show();
        QWidget* dialog = new QWidget(&window, Qt::Dialog);
        QWidget* asking = fromDialog ? dialog : &window;
        asking->show();
        QApplication::setActiveWindow(asking);
        ASSERT_TRUE(QTest::qWaitForWindowActive(asking));
        QWidget* owner = nullptr;
        bool seen = false;
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, [&] {
            for (QWidget* top : QApplication::topLevelWidgets()) {
                if (auto* box = qobject_cast<QMessageBox*>(top); box && box->isVisible()) {
                    seen = true;
                    owner = box->parentWidget();
                    box->accept();
                }
            }
        });
        poll.start(10);
        QtShell shell;
        shell.MessageBox(QStringLiteral("text"), QStringLiteral("title"), Shell::Icon::Warning);
        ASSERT_TRUE(seen);
        EXPECT_EQ(owner, &window);
    }
}

// A question goes ahead only through its own button: Cancel is the default,
// so Enter and Escape keep what is there.
TEST(QtShell, QuestionGoesAheadOnlyThroughItsButton)
{
    enum class Press { Enter, Escape, Accept };
    const std::pair<Press, bool> cases[] = {{Press::Enter, false}, {Press::Escape, false}, {Press::Accept, true}};
    for (const auto& [press, expected] : cases) {
        bool seen = false, cancelIsDefault = false;
        QString acceptCaption;
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, [&, press = press] {
            for (QWidget* top : QApplication::topLevelWidgets()) {
                auto* box = qobject_cast<QMessageBox*>(top);
                if (!box || !box->isVisible() || seen)
                    continue;
                seen = box->icon() == QMessageBox::Question && box->windowTitle() == QStringLiteral("title");
                cancelIsDefault = box->defaultButton() == box->button(QMessageBox::Cancel) && box->defaultButton();
                QAbstractButton* accept = nullptr;
                for (QAbstractButton* b : box->buttons())
                    if (box->buttonRole(b) == QMessageBox::AcceptRole)
                        accept = b;
                acceptCaption = accept ? accept->text() : QString();
                if (press == Press::Accept && accept)
                    accept->click();
                else
                    QTest::keyClick(box, press == Press::Enter ? Qt::Key_Return : Qt::Key_Escape);
            }
        });
        poll.start(10);
        QtShell shell;
        EXPECT_EQ(shell.Ask(QStringLiteral("Replace it?"), QStringLiteral("title"), QStringLiteral("&Replace")),
                  expected);
        EXPECT_TRUE(seen);
        EXPECT_TRUE(cancelIsDefault);
        EXPECT_EQ(acceptCaption, QStringLiteral("&Replace"));
    }
}

TEST(FakeShell, StandsInWhileItLivesAndAnswersFromItsQueue)
{
    Shell* before = &Shell::Instance();
    {
        FakeShell fake;
        EXPECT_EQ(&Shell::Instance(), &fake);
        fake.folderAnswers = {"/one"};
        EXPECT_EQ(Shell::Instance().BrowseForFolder("t", "/start/"), "/one");
        EXPECT_EQ(Shell::Instance().BrowseForFolder("t", "/start/"), ""); // empty queue: cancel
        ASSERT_EQ(fake.browseCalls.size(), 2u);
        EXPECT_EQ(fake.browseCalls[0].initialFolder, "/start/");
    }
    EXPECT_EQ(&Shell::Instance(), before);
}

} // namespace
