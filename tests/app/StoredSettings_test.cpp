#include "AppFixture.h"
#include "StoredSettings.h"
#include "XP_ProgressBar.h"
#include "chameleonButton.h"

#include <QFile>

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
    for (chameleonButton* button : {form->chameleonButton1(), form->chameleonButton2(),
                                    form->chameleonButton3(), form->chameleonButton5()}) {
        EXPECT_EQ(button->ButtonType(), 3) << button->objectName().toStdString();
        EXPECT_EQ(button->ColorScheme(), 1) << button->objectName().toStdString();
    }
    EXPECT_TRUE(form->chameleonButton1()->PictureNormal());
    EXPECT_TRUE(form->chameleonButton3()->PictureNormal());
    EXPECT_TRUE(form->chameleonButton5()->PictureNormal());
    EXPECT_EQ(form->chameleonButton1()->Caption(), QStringLiteral("Start"));
    // The stored "ENAB" is True; the window's load step runs after it and wins.
    EXPECT_FALSE(form->chameleonButton1()->Enabled());
    EXPECT_FALSE(form->chameleonButton2()->Enabled());
    EXPECT_FALSE(form->chameleonButton3()->Enabled());
    EXPECT_TRUE(form->chameleonButton5()->Enabled());

    EXPECT_EQ(form->XP_ProgressBar1()->Scrolling(), 1);
    EXPECT_EQ(form->XP_ProgressBar1()->Color(), 0xFFFFFFu);
    EXPECT_FALSE(form->XP_ProgressBar1()->isVisible());
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

} // namespace
