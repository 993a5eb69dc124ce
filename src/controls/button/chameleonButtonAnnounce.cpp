// What assistive technology is told of the control: its state bits, and the
// name and state changes it hears while the button is shown.
#include "chameleonButton.h"

#include <QAccessible>

// Assistive technology hears of a change only when what the button shows
// changed, and nothing while it is hidden (it reads the state when shown).
void chameleonButton::NotifyAccessibleName()
{
    if (props_.caption == announcedCaption_)
        return;
    announcedCaption_ = props_.caption;
    if (!isVisible() || !QAccessible::isActive())
        return;
    QAccessibleEvent nameChanged(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&nameChanged);
}

button::AccessibleStateBits chameleonButton::AccessibleState() const
{
    button::AccessibleStateBits bits;
    bits.pressed = LastDrawnState() == 2 && !CheckBoxBehaviour();
    bits.checkable = CheckBoxBehaviour();
    bits.checked = bits.checkable && Value();
    return bits;
}

void chameleonButton::NotifyAccessibleState()
{
    const button::AccessibleStateBits now = AccessibleState();
    if (now == announcedState_)
        return;
    QAccessible::State changed;
    changed.pressed = now.pressed != announcedState_.pressed;
    changed.checkable = now.checkable != announcedState_.checkable;
    changed.checked = now.checked != announcedState_.checked;
    announcedState_ = now;
    if (!isVisible() || !QAccessible::isActive())
        return;
    QAccessibleStateChangeEvent event(this, changed);
    QAccessible::updateAccessibility(&event);
}
