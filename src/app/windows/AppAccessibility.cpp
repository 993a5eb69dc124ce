#include "AppAccessibility.h"

#include "ClickLabel.h"
#include "ClickLabelAccessible.h"

#include <QAccessibleWidget>

namespace {

QAccessibleInterface* Factory(const QString& className, QObject* object)
{
    if (!object || !object->isWidgetType())
        return nullptr;
    auto* widget = static_cast<QWidget*>(object);
    if (className == QLatin1String("MainWindow"))
        return new QAccessibleWidget(widget, QAccessible::Window);
    if (className == QLatin1String("OutputNameDialog"))
        return new QAccessibleWidget(widget, QAccessible::Dialog);
    if (className == QLatin1String("ClickLabel"))
        return new ClickLabelAccessible(static_cast<ClickLabel*>(widget));
    return nullptr;
}

} // namespace

namespace AppAccessibility {

void Install()
{
    static const bool installed = [] {
        QAccessible::installFactory(Factory);
        return true;
    }();
    (void)installed;
}

} // namespace AppAccessibility
