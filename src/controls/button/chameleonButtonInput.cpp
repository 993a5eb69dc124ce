// The control's mouse, keyboard, focus and hover handling. Each handler raises
// its event with the arguments as received first, then acts.
#include "chameleonButton.h"

#include "ButtonKeys.h"

#include <QApplication>
#include <QCursor>
#include <QEnterEvent>
#include <QFocusEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>

using namespace button;

bool chameleonButton::PointerOverUs(const QPointF& position) const
{
    const QPoint p = position.toPoint();
    if (!rect().contains(p))
        return false;
    return mask().isEmpty() || mask().contains(p);
}

void chameleonButton::HoverStart()
{
    overTimer_.start();
    lookState_.hovered = true;
    Redraw(0, true);
    emit MouseOver();
}

void chameleonButton::HoverEnd()
{
    overTimer_.stop();
    lookState_.hovered = false;
    Redraw(0, true);
    emit MouseOut();
}

void chameleonButton::OverTimerTick()
{
    bool over = underMouse();
    // Only X11 can tell where the pointer is outside our windows; elsewhere
    // (Wayland, offscreen) the leave event is the authority.
    if (over && QGuiApplication::platformName() == QLatin1String("xcb"))
        over = PointerOverUs(mapFromGlobal(QCursor::pos()).toPointF());
    if (!over)
        HoverEnd();
}

void chameleonButton::mousePressEvent(QMouseEvent* event)
{
    short buttonCode = MouseButtonCode(event->button());
    short shift = ShiftCode(event->modifiers());
    float x = static_cast<float>(event->position().x());
    float y = static_cast<float>(event->position().y());
    lastButton_ = buttonCode;
    pressButton_ = event->button();
    emit MouseDown(buttonCode, shift, x, y);
    if (lastButton_ != 2)
        Redraw(2, false);
}

void chameleonButton::mouseMoveEvent(QMouseEvent* event)
{
    short buttons = MouseButtonsCode(event->buttons());
    short shift = ShiftCode(event->modifiers());
    float x = static_cast<float>(event->position().x());
    float y = static_cast<float>(event->position().y());
    emit MouseMove(buttons, shift, x, y);
    const short held = MouseButtonsCode(event->buttons());
    if (held != 0 && held != 1)
        return;
    const bool over = PointerOverUs(event->position());
    if (over && held == 0) {
        if (!lookState_.hovered)
            HoverStart();
    } else if (over) {
        // Draw pressed as if hovered, and keep the hover flag as it was so a
        // hovered button does not report MouseOver a second time afterwards.
        const bool wasHovered = lookState_.hovered;
        lookState_.hovered = true;
        Redraw(2, false);
        lookState_.hovered = wasHovered;
    } else {
        Redraw(0, false);
    }
}

void chameleonButton::mouseReleaseEvent(QMouseEvent* event)
{
    short buttonCode = MouseButtonCode(event->button());
    short shift = ShiftCode(event->modifiers());
    float x = static_cast<float>(event->position().x());
    float y = static_cast<float>(event->position().y());
    emit MouseUp(buttonCode, shift, x, y);
    if (buttonCode != 2)
        Redraw(0, false);
    const bool completesClick = event->button() == pressButton_ && !afterDoubleClick_
        && PointerOverUs(event->position());
    if (event->button() == pressButton_) {
        pressButton_ = Qt::NoButton;
        afterDoubleClick_ = false;
    }
    if (completesClick)
        ClickFromSystem();
}

void chameleonButton::mouseDoubleClickEvent(QMouseEvent* event)
{
    // The second press of a double click comes as this event; it acts as a
    // left press, and its release ends the double click without a second Click.
    pressButton_ = event->button();
    afterDoubleClick_ = true;
    if (lastButton_ != 1)
        return;
    short buttonCode = 1, shift = 0;
    float x = 0, y = 0;
    emit MouseDown(buttonCode, shift, x, y);
    Redraw(2, false);
}

void chameleonButton::ClickFromSystem()
{
    if (lastButton_ != 1 || !props_.enabled)
        return;
    if (props_.checkBoxBehaviour) {
        props_.value = !props_.value;
        NotifyAccessibleState();
    }
    Redraw(0, true);
    repaint();
    emit Click();
}

void chameleonButton::keyPressEvent(QKeyEvent* event)
{
    short keyCode = VirtualKeyCode(event->key());
    short shift = ShiftCode(event->modifiers());
    emit KeyDown(keyCode, shift);
    lastKey_ = keyCode & 0xFF;
    bool handled = true;
    switch (keyCode) {
    case kVkSpace:
        Redraw(2, false);
        break;
    case kVkLeft:
    case kVkUp:
        focusNextPrevChild(false);
        break;
    case kVkRight:
    case kVkDown:
        focusNextPrevChild(true);
        break;
    default:
        handled = false;
        break;
    }
    const QString text = event->text();
    if (!text.isEmpty() && text[0].unicode() != 0 && hasFocus()) {
        short ascii = static_cast<short>(text[0].unicode());
        emit KeyPress(ascii);
    }
    // Keys the button does not use go on to the window (Return, Escape ...).
    if (!handled)
        event->ignore();
}

void chameleonButton::keyReleaseEvent(QKeyEvent* event)
{
    if (event->isAutoRepeat()) {
        event->ignore();
        return;
    }
    short keyCode = VirtualKeyCode(event->key());
    short shift = ShiftCode(event->modifiers());
    emit KeyUp(keyCode, shift);
    if (lastKey_ == kVkSpace && keyCode == kVkSpace) {
        lastKey_ = 0;
        SpaceClick();
    } else {
        event->ignore();
    }
}

void chameleonButton::SpaceClick()
{
    if (props_.checkBoxBehaviour) {
        props_.value = !props_.value;
        NotifyAccessibleState();
    }
    Redraw(0, false);
    repaint();
    emit Click();
}

void chameleonButton::focusInEvent(QFocusEvent* event)
{
    QWidget::focusInEvent(event);
    lookState_.focused = true;
    lastKey_ = 0;
    Redraw(lookState_.drawnState, true);
}

void chameleonButton::focusOutEvent(QFocusEvent* event)
{
    QWidget::focusOutEvent(event);
    lookState_.focused = false;
    // A Space held while the focus leaves would otherwise stay drawn pressed.
    const bool spaceHeld = lastKey_ == kVkSpace;
    lastKey_ = 0;
    Redraw(spaceHeld ? 0 : lookState_.drawnState, true);
}

void chameleonButton::enterEvent(QEnterEvent* event)
{
    QWidget::enterEvent(event);
    if (QApplication::mouseButtons() == Qt::NoButton && !lookState_.hovered
        && PointerOverUs(event->position()))
        HoverStart();
}

void chameleonButton::leaveEvent(QEvent* event)
{
    QWidget::leaveEvent(event);
    if (lookState_.hovered)
        HoverEnd();
}
