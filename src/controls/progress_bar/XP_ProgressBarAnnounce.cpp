// What assistive technology hears of the bar: its value as text, and each
// new percentage while the bar is shown.
#include "XP_ProgressBar.h"

#include <QAccessible>
#include <QCoreApplication>

QString XP_ProgressBar::AccessibleText() const
{
    return QCoreApplication::translate("XP_ProgressBar", "%1 %").arg(percent_);
}

// Assistive technology hears of a new value once per shown percent, and
// nothing while the bar is hidden (it reads the value when shown).
void XP_ProgressBar::NotifyValue()
{
    if (percent_ == announcedPercent_)
        return;
    announcedPercent_ = percent_;
    if (!isVisible() || !QAccessible::isActive())
        return;
    QAccessibleValueChangeEvent event(this, Value());
    QAccessible::updateAccessibility(&event);
}
