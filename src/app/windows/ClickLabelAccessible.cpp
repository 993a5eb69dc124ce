#include "ClickLabelAccessible.h"

#include "ClickLabel.h"

#include <QKeySequence>

ClickLabelAccessible::ClickLabelAccessible(ClickLabel* label) : QAccessibleWidget(label, QAccessible::Link) {}

ClickLabel* ClickLabelAccessible::Label() const
{
    return static_cast<ClickLabel*>(widget());
}

QString ClickLabelAccessible::text(QAccessible::Text t) const
{
    if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
        return Label()->text();
    return QAccessibleWidget::text(t);
}

QAccessible::State ClickLabelAccessible::state() const
{
    QAccessible::State s = QAccessibleWidget::state();
    s.linked = true;
    return s;
}

QStringList ClickLabelAccessible::actionNames() const
{
    if (!widget()->isEnabled())
        return QAccessibleWidget::actionNames();
    return QStringList{pressAction()} + QAccessibleWidget::actionNames();
}

void ClickLabelAccessible::doAction(const QString& actionName)
{
    if (actionName != pressAction()) {
        QAccessibleWidget::doAction(actionName);
        return;
    }
    if (!widget()->isEnabled())
        return;
    // Queued: the click may open a message box, and the screen reader that
    // asked must get its answer first rather than wait until the box closes.
    ClickLabel* label = Label();
    QMetaObject::invokeMethod(label, [label] { emit label->Click(); }, Qt::QueuedConnection);
}

QStringList ClickLabelAccessible::keyBindingsForAction(const QString& actionName) const
{
    if (actionName == pressAction())
        return {QKeySequence(Qt::Key_Space).toString(QKeySequence::NativeText),
                QKeySequence(Qt::Key_Return).toString(QKeySequence::NativeText)};
    return QAccessibleWidget::keyBindingsForAction(actionName);
}
