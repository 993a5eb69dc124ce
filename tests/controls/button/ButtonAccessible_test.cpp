#include "ButtonTestSupport.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QSignalSpy>

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
    actions->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(clicks.count(), 1);
    b.SetEnabled(false);
    EXPECT_TRUE(iface->state().disabled);
    actions->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(clicks.count(), 1);
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
    EXPECT_TRUE(b.Value());
    EXPECT_TRUE(iface->state().checked);
}
