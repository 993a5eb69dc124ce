#include "AppFixture.h"
#include "StoredSettings.h"
#include "XP_ProgressBar.h"
#include "chameleonButton.h"

#include <QFile>
#include <QLineEdit>

namespace {

class StoredSettingsTest : public AppTest {};

// Every section of the built-in form files names a control of its window, and
// every picture it points to loads: a typo there would silently leave a
// button on its defaults.
TEST_F(StoredSettingsTest, BuiltInFormFilesApplyWithoutProblems)
{
    const StoredSettingsResult main = ApplyStoredSettings(*form, QStringLiteral(":/forms/Form1.frm"));
    EXPECT_TRUE(main.ok);
    EXPECT_TRUE(main.problems.isEmpty()) << main.problems.join(QLatin1Char('\n')).toStdString();
}

TEST_F(StoredSettingsTest, MainWindowButtonsWearTheStoredLookWhileTheLoadStepStillDisablesThem)
{
    for (chameleonButton* button : {form->startButton(), form->clearButton(),
                                    form->outputButton(), form->browseButton()}) {
        EXPECT_EQ(button->ButtonType(), 3) << button->objectName().toStdString();
        EXPECT_EQ(button->ColorScheme(), 1) << button->objectName().toStdString();
    }
    EXPECT_TRUE(form->startButton()->PictureNormal());
    EXPECT_TRUE(form->outputButton()->PictureNormal());
    EXPECT_TRUE(form->browseButton()->PictureNormal());
    EXPECT_EQ(form->startButton()->Caption(), QStringLiteral("Start"));
    // The stored "ENAB" is True; the window's load step runs after it and wins.
    EXPECT_FALSE(form->startButton()->Enabled());
    EXPECT_FALSE(form->clearButton()->Enabled());
    EXPECT_FALSE(form->outputButton()->Enabled());
    EXPECT_TRUE(form->browseButton()->Enabled());

    EXPECT_EQ(form->drawnProgressBar()->Scrolling(), 1);
    EXPECT_EQ(form->drawnProgressBar()->Color(), 0xFFFFFFu);
    EXPECT_FALSE(form->drawnProgressBar()->isVisible());
}

TEST_F(StoredSettingsTest, MissingFileOrUnknownControlIsReported)
{
    const StoredSettingsResult missing = ApplyStoredSettings(*form, QStringLiteral(":/forms/None.frm"));
    EXPECT_FALSE(missing.ok);
    EXPECT_FALSE(missing.problems.isEmpty());

    const auto file = temp.write("Other.frm", "[chameleonButton9]\nbtype = 4\n");
    const StoredSettingsResult unknown =
        ApplyStoredSettings(*form, QString::fromStdString(file.string()));
    EXPECT_TRUE(unknown.ok);
    ASSERT_EQ(unknown.problems.size(), 1);
    EXPECT_TRUE(unknown.problems.front().contains(QStringLiteral("chameleonButton9")));
}

// The form data sizes the window and places plain controls; a plain control
// given anything but its place is reported rather than silently ignored.
TEST_F(StoredSettingsTest, SizesTheWindowAndPlacesPlainControls)
{
    const auto file = temp.write("Moved.frm", "[Form1]\nWidth = 500\nHeight = 300\n"
                                              "[Text1]\nLeft = 1\nTop = 2\nWidth = 30\nHeight = 40\n"
                                              "[Label3]\nCaption = \"Help\"\n");
    const StoredSettingsResult moved = ApplyStoredSettings(*form, QString::fromStdString(file.string()));
    EXPECT_TRUE(moved.ok);
    EXPECT_EQ(form->size(), QSize(500, 300));
    EXPECT_EQ(form->folderField()->geometry(), QRect(1, 2, 30, 40));
    ASSERT_EQ(moved.problems.size(), 1);
    EXPECT_TRUE(moved.problems.front().contains(QStringLiteral("Label3"))) << moved.problems.front().toStdString();
}

// A broken form file costs the window its stored settings, not its opening:
// each problem goes to the log for whoever looks.
TEST_F(StoredSettingsTest, ProblemsOfABrokenFormFileAreLogged)
{
    static QStringList logged;
    logged.clear();
    const QtMessageHandler previous =
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString& text) { logged << text; });
    const auto file = temp.write("Broken.frm", "[chameleonButton1]\nbtype 3\n");
    LoadStoredSettings(*form, QString::fromStdString(file.string()));
    qInstallMessageHandler(previous);
    ASSERT_EQ(logged.size(), 1);
    EXPECT_TRUE(logged[0].contains(QStringLiteral("Broken.frm:2: expected Key = value"))) << logged[0].toStdString();
    EXPECT_EQ(form->startButton()->Caption(), QStringLiteral("Start"));
}

} // namespace
