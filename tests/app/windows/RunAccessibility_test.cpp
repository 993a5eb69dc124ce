// What the main window tells screen readers during a run: a change only when
// what it shows changed (the percentage's text, a bar's value), however many
// progress reports the run gives; the percentage and the run's end are still
// told. Runs on an accessibility bus only (ctest's app_tests_a11y).
#include "AppFixture.h"

#include "../../controls/AccessibilityEventLog.h"
#include "OutputNameDialog.h"
#include "XP_ProgressBar.h"
#include "chameleonButton.h"

#include <QLineEdit>
#include <QProgressBar>
#include <QSignalSpy>
#include <QTest>

#include <set>

namespace fs = std::filesystem;

TEST_F(AppTest, RunTellsScreenReadersOnlyWhatChanged)
{
    if (!AccessibilityEventLog::WaitUntilActive())
        GTEST_SKIP() << "accessibility is not active (no accessibility bus)";
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    Select(QStringLiteral("All (*.*)"));
    for (int i = 0; i < 1500; ++i)
        temp.write("logs/f" + std::to_string(i) + ".log", "line " + std::to_string(i));
    shell.folderAnswers.push_back((temp.path() / "logs").string());
    QTest::mouseClick(form->browseButton(), Qt::LeftButton);
    WaitForListing();
    QTest::mouseClick(form->outputButton(), Qt::LeftButton);
    ASSERT_NE(form->outputDialog(), nullptr);
    form->outputDialog()->nameField()->setText(QStringLiteral("logs"));
    shell.folderAnswers.push_back(temp.path().string());
    QTest::mouseClick(form->outputDialog()->okButton(), Qt::LeftButton);

    AccessibilityEventLog log;
    QSignalSpy ended(run.get(), &ZipRunService::Ended);
    std::set<int> percents;
    QObject::connect(run.get(), &ZipRunService::Progress, [&](int p) { percents.insert(p); });
    QTest::mouseClick(form->startButton(), Qt::LeftButton);
    ASSERT_TRUE(ended.wait(60000));
    ASSERT_GE(percents.size(), 50u);

    QLabel* label = form->percentLabel();
    EXPECT_EQ(label->text(), QStringLiteral("100%"));
    const int texts = log.Count(label, QAccessible::NameChanged);
    EXPECT_GE(texts, 1) << "the percentage was never told";
    EXPECT_LE(texts, int(percents.size()));
    EXPECT_LE(log.Count(form->progressBar(), QAccessible::ValueChanged), int(percents.size()));
    EXPECT_EQ(log.Count(form->drawnProgressBar()), 0) << "a hidden bar told something";
    // 1,500 files: thousands of progress reports; the whole window told about
    // as much as a run of one large file.
    int all = 0;
    for (QObject* object : form->findChildren<QObject*>())
        all += log.Count(object);
    EXPECT_LE(all, 3 * int(percents.size()) + 40);
}
