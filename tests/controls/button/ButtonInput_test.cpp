// The control driven through real widget events on the offscreen platform.
#include "ButtonTestSupport.h"

#include <QHBoxLayout>
#include <QSignalSpy>
#include <QTest>
#include <QWidget>

using namespace buttontest;

namespace {

// A window with three buttons side by side, active, so focus and shortcuts work.
struct Window {
    QWidget widget;
    chameleonButton* a;
    chameleonButton* b;
    chameleonButton* c;

    Window()
    {
        auto* layout = new QHBoxLayout(&widget);
        layout->setContentsMargins(20, 20, 20, 20);
        a = new chameleonButton(&widget);
        b = new chameleonButton(&widget);
        c = new chameleonButton(&widget);
        for (chameleonButton* button : {a, b, c}) {
            button->SetButtonType(3);
            button->setFixedSize(90, 30);
            layout->addWidget(button);
        }
        a->SetCaption(QStringLiteral("&Start"));
        b->SetCaption(QStringLiteral("Browse..."));
        c->SetCaption(QStringLiteral("Fish && &Chips"));
        widget.show();
        widget.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&widget));
    }
};

QPoint Centre(const QWidget* w)
{
    return w->rect().center();
}

// Pointer moves go through the window system, which derives enter and leave.
void MoveTo(Window& w, QPoint pos)
{
    QTest::mouseMove(w.widget.windowHandle(), pos);
}

} // namespace

class ButtonInput : public XpColours {};

TEST_F(ButtonInput, LeftClickRaisesClickAndEventsInOrder)
{
    Window w;
    QStringList order;
    QObject::connect(w.a, &chameleonButton::MouseDown, [&](short& b, short&, float&, float&) {
        order << QStringLiteral("down%1").arg(b);
    });
    QObject::connect(w.a, &chameleonButton::MouseUp, [&](short& b, short&, float&, float&) {
        order << QStringLiteral("up%1").arg(b);
    });
    QObject::connect(w.a, &chameleonButton::Click, [&] { order << QStringLiteral("click"); });
    QTest::mousePress(w.a, Qt::LeftButton, {}, Centre(w.a));
    EXPECT_EQ(w.a->LastDrawnState(), 2);
    QTest::mouseRelease(w.a, Qt::LeftButton, {}, Centre(w.a));
    EXPECT_EQ(w.a->LastDrawnState(), 0);
    EXPECT_EQ(order, (QStringList{"down1", "up1", "click"}));
}

TEST_F(ButtonInput, RightButtonNeitherDrawsNorClicksMiddleDrawsWithoutClick)
{
    Window w;
    QSignalSpy clicks(w.a, &chameleonButton::Click);
    const QImage before = w.a->Surface();
    QTest::mousePress(w.a, Qt::RightButton, {}, Centre(w.a));
    EXPECT_EQ(w.a->LastDrawnState(), 0);
    EXPECT_EQ(w.a->Surface(), before);
    QTest::mouseRelease(w.a, Qt::RightButton, {}, Centre(w.a));
    QTest::mousePress(w.a, Qt::MiddleButton, {}, Centre(w.a));
    EXPECT_EQ(w.a->LastDrawnState(), 2);
    QTest::mouseRelease(w.a, Qt::MiddleButton, {}, Centre(w.a));
    EXPECT_EQ(w.a->LastDrawnState(), 0);
    EXPECT_EQ(clicks.count(), 0);
}

TEST_F(ButtonInput, DragOffAndBackShowsUpOutsideAndPressedInside)
{
    Window w;
    QSignalSpy clicks(w.a, &chameleonButton::Click);
    QTest::mousePress(w.a, Qt::LeftButton, {}, Centre(w.a));
    QTest::mouseMove(w.a, QPoint(200, 15));
    EXPECT_EQ(w.a->LastDrawnState(), 0);
    QTest::mouseMove(w.a, Centre(w.a));
    EXPECT_EQ(w.a->LastDrawnState(), 2);
    QTest::mouseMove(w.a, QPoint(-30, 15));
    QTest::mouseRelease(w.a, Qt::LeftButton, {}, QPoint(-30, 15));
    EXPECT_EQ(w.a->LastDrawnState(), 0);
    EXPECT_EQ(clicks.count(), 0); // released outside
}

TEST_F(ButtonInput, DoubleClickActsAsASecondPressWithoutASecondClick)
{
    Window w;
    QSignalSpy clicks(w.a, &chameleonButton::Click);
    QSignalSpy downs(w.a, &chameleonButton::MouseDown);
    QTest::mouseDClick(w.widget.windowHandle(), Qt::LeftButton, {}, w.a->geometry().center());
    EXPECT_EQ(clicks.count(), 1);
    EXPECT_EQ(downs.count(), 2);
    EXPECT_EQ(w.a->LastDrawnState(), 0);
}

TEST_F(ButtonInput, SpaceClicksOnlyWhenPressedAndReleasedOnTheSameButton)
{
    Window w;
    QSignalSpy clicksA(w.a, &chameleonButton::Click);
    QSignalSpy clicksB(w.b, &chameleonButton::Click);
    w.a->setFocus();
    QTest::keyPress(w.a, Qt::Key_Space);
    EXPECT_EQ(w.a->LastDrawnState(), 2);
    QTest::keyRelease(w.a, Qt::Key_Space);
    EXPECT_EQ(clicksA.count(), 1);
    EXPECT_EQ(w.a->LastDrawnState(), 0);

    QTest::keyPress(w.a, Qt::Key_Space);
    w.b->setFocus();
    EXPECT_EQ(w.a->LastDrawnState(), 0); // not left drawn pressed
    QTest::keyRelease(w.b, Qt::Key_Space);
    EXPECT_EQ(clicksA.count(), 1);
    EXPECT_EQ(clicksB.count(), 0);
}

TEST_F(ButtonInput, ArrowsMoveTheFocus)
{
    Window w;
    w.b->setFocus();
    QTest::keyClick(w.b, Qt::Key_Right);
    EXPECT_TRUE(w.c->hasFocus());
    QTest::keyClick(w.c, Qt::Key_Up);
    EXPECT_TRUE(w.b->hasFocus());
    QTest::keyClick(w.b, Qt::Key_Left);
    EXPECT_TRUE(w.a->hasFocus());
    QTest::keyClick(w.a, Qt::Key_Down);
    EXPECT_TRUE(w.b->hasFocus());
}

TEST_F(ButtonInput, KeyEventsCarryVirtualKeyCodes)
{
    Window w;
    w.a->setFocus();
    std::vector<int> downs, presses;
    QObject::connect(w.a, &chameleonButton::KeyDown, [&](short& code, short&) { downs.push_back(code); });
    QObject::connect(w.a, &chameleonButton::KeyPress, [&](short& ascii) { presses.push_back(ascii); });
    QTest::keyClick(w.a, Qt::Key_A);
    QTest::keyClick(w.a, Qt::Key_Space);
    EXPECT_EQ(downs, (std::vector<int>{65, 32}));
    EXPECT_EQ(presses, (std::vector<int>{'a', ' '}));
}

TEST_F(ButtonInput, HoverRaisesMouseOverOnceAndMouseOutOnLeaving)
{
    Window w;
    QSignalSpy over(w.a, &chameleonButton::MouseOver);
    QSignalSpy out(w.a, &chameleonButton::MouseOut);
    MoveTo(w, w.a->geometry().center());
    MoveTo(w, w.a->geometry().center() + QPoint(3, 2));
    MoveTo(w, w.a->geometry().center() + QPoint(-5, 1));
    EXPECT_EQ(over.count(), 1);
    EXPECT_TRUE(w.a->IsHovered());
    EXPECT_TRUE(w.a->OverTimer().isActive());
    MoveTo(w, QPoint(5, 5));
    if (out.count() == 0)
        out.wait(200); // at the latest the next timer tick
    EXPECT_EQ(out.count(), 1);
    EXPECT_FALSE(w.a->IsHovered());
    EXPECT_FALSE(w.a->OverTimer().isActive());
    EXPECT_EQ(over.count(), 1);
}

TEST_F(ButtonInput, ClickWhileHoveredKeepsTheHoverWithoutASecondMouseOver)
{
    Window w;
    QSignalSpy over(w.a, &chameleonButton::MouseOver);
    MoveTo(w, w.a->geometry().center());
    QTest::mouseClick(w.a, Qt::LeftButton, {}, Centre(w.a));
    MoveTo(w, w.a->geometry().center() + QPoint(2, 0));
    EXPECT_EQ(over.count(), 1);
    EXPECT_TRUE(w.a->IsHovered());
}

TEST_F(ButtonInput, CheckBoxBehaviourTogglesValueAndStaysPressed)
{
    Window w;
    w.a->SetCheckBoxBehaviour(true);
    QTest::mouseClick(w.a, Qt::LeftButton, {}, Centre(w.a));
    EXPECT_TRUE(w.a->Value());
    EXPECT_EQ(w.a->LastDrawnState(), 2);
    w.a->Redraw(0, true);
    EXPECT_EQ(w.a->LastDrawnState(), 2);
    QTest::mouseClick(w.a, Qt::LeftButton, {}, Centre(w.a));
    EXPECT_FALSE(w.a->Value());
    EXPECT_EQ(w.a->LastDrawnState(), 0);
}

TEST_F(ButtonInput, DisabledButtonIgnoresClicksAndKeys)
{
    Window w;
    QSignalSpy clicks(w.a, &chameleonButton::Click);
    w.a->SetEnabled(false);
    EXPECT_FALSE(w.a->isEnabled());
    QTest::mouseClick(w.a, Qt::LeftButton, {}, Centre(w.a));
    QTest::keyClick(&w.widget, Qt::Key_S, Qt::AltModifier);
    w.a->AccessKeyPress();
    EXPECT_EQ(clicks.count(), 0);
    // Drawn disabled: look 3's disabled fill.
    EXPECT_EQ(PixelAt(w.a->Surface(), 5, 15), button::Rgb(231, 231, 224));
}

TEST_F(ButtonInput, AltAndTheAccessKeyClicks)
{
    Window w;
    QSignalSpy clicksA(w.a, &chameleonButton::Click);
    QSignalSpy clicksC(w.c, &chameleonButton::Click);
    EXPECT_EQ(w.a->AccessKey(), QLatin1Char('s'));
    EXPECT_EQ(w.c->AccessKey(), QLatin1Char('c'));
    EXPECT_TRUE(w.b->AccessKey().isNull());
    QTest::keyClick(&w.widget, Qt::Key_S, Qt::AltModifier);
    QTest::keyClick(&w.widget, Qt::Key_C, Qt::AltModifier);
    EXPECT_EQ(clicksA.count(), 1);
    EXPECT_EQ(clicksC.count(), 1);
}

TEST_F(ButtonInput, HandPointerSetsThePointerCode)
{
    chameleonButton b;
    b.SetMousePointer(11);
    EXPECT_EQ(b.cursor().shape(), Qt::WaitCursor);
    b.SetHandPointer(true);
    EXPECT_EQ(b.MousePointer(), 99);
    EXPECT_EQ(b.cursor().shape(), Qt::PointingHandCursor);
    b.SetMousePointer(5);
    b.SetHandPointer(false);
    EXPECT_EQ(b.MousePointer(), 1);
    EXPECT_EQ(b.cursor().shape(), Qt::ArrowCursor);
}
