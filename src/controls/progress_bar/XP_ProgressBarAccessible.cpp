#include "XP_ProgressBarAccessible.h"

#include "XP_ProgressBar.h"

namespace {
QAccessibleInterface* Factory(const QString& className, QObject* object)
{
    if (className == QLatin1String("XP_ProgressBar") && object && object->isWidgetType())
        if (auto* bar = qobject_cast<XP_ProgressBar*>(object))
            return new XP_ProgressBarAccessible(bar);
    return nullptr;
}
} // namespace

XP_ProgressBarAccessible::XP_ProgressBarAccessible(XP_ProgressBar* bar)
    : QAccessibleWidget(bar, QAccessible::ProgressBar)
{
}

void XP_ProgressBarAccessible::Install()
{
    static const bool installed = [] {
        QAccessible::installFactory(Factory);
        return true;
    }();
    (void)installed;
}

XP_ProgressBar* XP_ProgressBarAccessible::Bar() const
{
    return static_cast<XP_ProgressBar*>(widget());
}

void* XP_ProgressBarAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::ValueInterface)
        return static_cast<QAccessibleValueInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

QString XP_ProgressBarAccessible::text(QAccessible::Text t) const
{
    if (t == QAccessible::Value)
        return Bar()->AccessibleText();
    return QAccessibleWidget::text(t);
}

QVariant XP_ProgressBarAccessible::currentValue() const
{
    return Bar()->Value();
}

void XP_ProgressBarAccessible::setCurrentValue(const QVariant&)
{
}

QVariant XP_ProgressBarAccessible::maximumValue() const
{
    return Bar()->Max();
}

QVariant XP_ProgressBarAccessible::minimumValue() const
{
    return Bar()->Min();
}

QVariant XP_ProgressBarAccessible::minimumStepSize() const
{
    return 1;
}
