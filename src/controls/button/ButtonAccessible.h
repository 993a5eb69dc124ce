#pragma once
// What assistive technology sees of the button: a push button (a toggle button
// with CheckBoxBehaviour) named by its caption, with a press action.
#include <QAccessibleWidget>

class chameleonButton;

namespace button {

class ButtonAccessible : public QAccessibleWidget {
public:
    explicit ButtonAccessible(QWidget* widget);

    QString text(QAccessible::Text t) const override;
    QAccessible::State state() const override;
    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;
    QStringList keyBindingsForAction(const QString& actionName) const override;

private:
    chameleonButton* Button() const;
};

// The caption as read aloud: "&x" gives "x", "&&" gives "&".
QString CaptionWithoutAccessMarks(const QString& caption);

// Installs the factory that gives every chameleonButton its interface (once).
// The program does this at start-up; the button itself does not know its
// interface, so the two do not need each other.
void InstallButtonAccessibility();

} // namespace button
