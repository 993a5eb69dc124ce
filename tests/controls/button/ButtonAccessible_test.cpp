#include "ButtonTestSupport.h"

#include "../AccessibilityEventLog.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QCoreApplication>
#include <QSignalSpy>
#include <QTest>

using namespace buttontest;

TEST(ButtonAccessible, IsAPushButtonNamedByItsCaption)
{
    chameleonButton b;
    b.SetCaption(QStringLiteral("&Start"));
    b.resize(90, 30);
    b.show();
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(&b);
    ASSERT_NE(iface, nullptr);
    EXPECT_EQ(iface->role(), QAccessible::Button);
    EXPECT_EQ(iface->text(QAccessible::Name), QStringLiteral("Start"));
    EXPECT_FALSE(iface->state().disabled);
    EXPECT_FALSE(iface->state().checkable);
    QAccessibleActionInterface* actions = iface->actionInterface();
    ASSERT_NE(actions, nullptr);
    EXPECT_TRUE(actions->actionNames().contains(QAccessibleActionInterface::pressAction()));
    QSignalSpy clicks(&b, &chameleonButton::Click);
    b.SetEnabled(false);
    EXPECT_TRUE(iface->state().disabled);
    actions->doAction(QAccessibleActionInterface::pressAction());
    QCoreApplication::processEvents();
    EXPECT_EQ(clicks.count(), 0);
}

// A click handler that opens a modal dialog would otherwise keep the caller
// of the action (a screen reader) waiting until the dialog closes.
TEST(ButtonAccessible, PressReturnsAtOnceAndClicksOnceAfterwards)
{
    chameleonButton b;
    b.SetCaption(QStringLiteral("Browse..."));
    b.resize(90, 30);
    b.show();
    int clicks = 0;
    QObject::connect(&b, &chameleonButton::Click, [&clicks] { ++clicks; });
    QAccessibleActionInterface* actions = QAccessible::queryAccessibleInterface(&b)->actionInterface();
    actions->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(clicks, 0);
    QCoreApplication::processEvents();
    EXPECT_EQ(clicks, 1);
    QCoreApplication::processEvents();
    EXPECT_EQ(clicks, 1);
    // A button disabled before the queued click comes does not click.
    actions->doAction(QAccessibleActionInterface::pressAction());
    b.SetEnabled(false);
    QCoreApplication::processEvents();
    EXPECT_EQ(clicks, 1);
}

TEST(ButtonAccessible, CheckBoxBehaviourIsAToggleButton)
{
    chameleonButton b;
    b.SetCaption(QStringLiteral("Keep"));
    b.SetCheckBoxBehaviour(true);
    b.resize(90, 30);
    b.show();
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(&b);
    ASSERT_NE(iface, nullptr);
    EXPECT_TRUE(iface->state().checkable);
    EXPECT_FALSE(iface->state().checked);
    iface->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    EXPECT_FALSE(b.Value());
    QCoreApplication::processEvents();
    EXPECT_TRUE(b.Value());
    EXPECT_TRUE(iface->state().checked);
}

// Runs on an accessibility bus only (ctest's button_tests_a11y); skipped elsewhere.
class ButtonAccessibilityEvents : public XpColours {};

TEST_F(ButtonAccessibilityEvents, TellOnlyWhatChanged)
{
    if (!AccessibilityEventLog::WaitUntilActive())
        GTEST_SKIP() << "accessibility is not active (no accessibility bus)";
    QWidget window;
    window.resize(300, 100);
    auto* b = new chameleonButton(&window);
    b->setGeometry(10, 10, 90, 30);
    b->SetButtonType(3);
    auto* hidden = new chameleonButton(&window);
    hidden->setGeometry(110, 10, 90, 30);
    hidden->hide();
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    AccessibilityEventLog log;

    b->SetEnabled(false);
    b->SetEnabled(false);
    b->SetEnabled(true);
    b->SetEnabled(true);
    EXPECT_EQ(log.Count(b, QAccessible::StateChanged), 2);
    b->SetCaption(QStringLiteral("Start"));
    b->SetCaption(QStringLiteral("Start"));
    EXPECT_EQ(log.Count(b, QAccessible::NameChanged), 1);
    log.Clear();
    b->SetValue(false); // without CheckBoxBehaviour the value shows nowhere
    b->SetValue(false);
    EXPECT_EQ(log.Count(b), 0);
    QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(45, 15));
    EXPECT_EQ(log.Count(b, QAccessible::StateChanged), 2); // pressed, then released
    log.Clear();
    b->SetCheckBoxBehaviour(true);
    QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(45, 15));
    EXPECT_EQ(log.Count(b, QAccessible::StateChanged), 2); // checkable, then checked
    hidden->SetCaption(QStringLiteral("Clear"));
    hidden->SetCheckBoxBehaviour(true);
    hidden->SetValue(true);
    EXPECT_EQ(log.Count(hidden), 0);
}
