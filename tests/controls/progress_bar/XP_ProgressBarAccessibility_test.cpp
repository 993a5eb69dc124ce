// What the bar tells the accessibility bus. Runs on an accessibility bus only
// (ctest's progress_bar_tests_a11y); skipped elsewhere.
#include "XP_ProgressBar.h"

#include "../AccessibilityEventLog.h"

#include <QAccessibleValueInterface>
#include <QTest>

TEST(ProgressBarAccessibilityEvents, OneValueChangePerShownPercentAndNoneWhileHidden)
{
    if (!AccessibilityEventLog::WaitUntilActive())
        GTEST_SKIP() << "accessibility is not active (no accessibility bus)";
    QWidget window;
    window.resize(200, 60);
    auto* bar = new XP_ProgressBar(&window);
    bar->setGeometry(10, 10, 177, 17);
    auto* hidden = new XP_ProgressBar(&window);
    hidden->setGeometry(10, 30, 177, 17);
    hidden->hide();
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    AccessibilityEventLog log;

    for (int value = 0; value <= 100; ++value)
        for (int repeat = 0; repeat < 3; ++repeat)
            bar->SetValue(value);
    EXPECT_EQ(log.Count(bar, QAccessible::ValueChanged), 100); // 1 to 100; 0 was shown already
    bar->SetColor(0x808000);
    bar->SetColor(0xFFFFFF);
    bar->SetValue(250); // shown as 100, as it is now
    EXPECT_EQ(log.Count(bar), 100);

    for (int value = 1; value <= 100; ++value)
        hidden->SetValue(value);
    EXPECT_EQ(log.Count(hidden), 0);
    hidden->show();
    QAccessibleValueInterface* value = QAccessible::queryAccessibleInterface(hidden)->valueInterface();
    ASSERT_NE(value, nullptr);
    EXPECT_EQ(value->currentValue().toInt(), 100);
    EXPECT_EQ(log.Count(hidden, QAccessible::ValueChanged), 0);
}
