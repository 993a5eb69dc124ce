#pragma once
// What assistive technology sees of the "Online Help" label: a link named by
// its text, whose press action clicks it.
#include <QAccessibleWidget>

class ClickLabel;

class ClickLabelAccessible : public QAccessibleWidget {
public:
    explicit ClickLabelAccessible(ClickLabel* label);

    QString text(QAccessible::Text t) const override;
    QAccessible::State state() const override;
    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;
    QStringList keyBindingsForAction(const QString& actionName) const override;

private:
    ClickLabel* Label() const;
};
