#include "ButtonAccessible.h"

#include "chameleonButton.h"

#include <QKeySequence>
#include <QMetaObject>

namespace button {

namespace {

QAccessibleInterface* ButtonFactory(const QString& className, QObject* object)
{
    if (className == QLatin1String("chameleonButton") && object && object->isWidgetType())
        return new ButtonAccessible(static_cast<QWidget*>(object));
    return nullptr;
}

} // namespace

QString CaptionWithoutAccessMarks(const QString& caption)
{
    QString out;
    out.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        // A lone "&" at the end is drawn as it is, so it is spoken too.
        if (caption[i] == QLatin1Char('&') && i + 1 < caption.size()) {
            if (caption[i + 1] == QLatin1Char('&')) {
                out += QLatin1Char('&');
                ++i;
            }
            continue;
        }
        out += caption[i];
    }
    return out;
}

void InstallButtonAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(ButtonFactory);
        return true;
    }();
    (void)installed;
}

ButtonAccessible::ButtonAccessible(QWidget* widget) : QAccessibleWidget(widget, QAccessible::Button)
{
}

chameleonButton* ButtonAccessible::Button() const
{
    return static_cast<chameleonButton*>(widget());
}

QString ButtonAccessible::text(QAccessible::Text t) const
{
    switch (t) {
    case QAccessible::Name: {
        const QString name = widget()->accessibleName();
        return name.isEmpty() ? CaptionWithoutAccessMarks(Button()->Caption()) : name;
    }
    case QAccessible::Accelerator: {
        const QChar key = Button()->AccessKey();
        return key.isNull() ? QString()
                            : QKeySequence::mnemonic(QStringLiteral("&") + key).toString(QKeySequence::NativeText);
    }
    default:
        return QAccessibleWidget::text(t);
    }
}

QAccessible::State ButtonAccessible::state() const
{
    QAccessible::State s = QAccessibleWidget::state();
    const chameleonButton* b = Button();
    if (!b->Enabled())
        s.disabled = true;
    const AccessibleStateBits bits = b->AccessibleState();
    s.pressed = bits.pressed;
    s.checkable = bits.checkable;
    s.checked = bits.checked;
    return s;
}

QStringList ButtonAccessible::actionNames() const
{
    if (!Button()->Enabled())
        return {};
    QStringList names{pressAction()};
    if (Button()->CheckBoxBehaviour())
        names << toggleAction();
    return names;
}

void ButtonAccessible::doAction(const QString& actionName)
{
    if (!Button()->Enabled())
        return;
    if (actionName != pressAction() && actionName != toggleAction())
        return;
    // Clicks once the caller has its answer, as Qt's own buttons do: a click
    // that opens a modal dialog must not keep a screen reader waiting.
    chameleonButton* button = Button();
    QMetaObject::invokeMethod(button, [button] { button->AccessKeyPress(); }, Qt::QueuedConnection);
}

QStringList ButtonAccessible::keyBindingsForAction(const QString& actionName) const
{
    const QString key = text(QAccessible::Accelerator);
    if (actionName == pressAction() && !key.isEmpty())
        return {key};
    return {};
}

} // namespace button
