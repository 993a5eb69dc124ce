#pragma once
// What assistive technology sees of the bar: a progress bar with its value.
#include <QAccessibleValueInterface>
#include <QAccessibleWidget>

class XP_ProgressBar;

class XP_ProgressBarAccessible : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit XP_ProgressBarAccessible(XP_ProgressBar* bar);

    // Installs the factory once per process. The program does this at
    // start-up; the bar itself does not know its interface.
    static void Install();

    void* interface_cast(QAccessible::InterfaceType type) override;
    QString text(QAccessible::Text t) const override;

    QVariant currentValue() const override;
    void setCurrentValue(const QVariant& value) override; // read-only: ignored
    QVariant maximumValue() const override;
    QVariant minimumValue() const override;
    QVariant minimumStepSize() const override;

private:
    XP_ProgressBar* Bar() const;
};
