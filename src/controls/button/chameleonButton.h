#pragma once
// Owner-drawn push button. For now only what the windows use: Caption,
// Enabled and Click; the looks, persistence and full input handling come next.
#include <QString>
#include <QWidget>

class chameleonButton : public QWidget {
    Q_OBJECT
public:
    explicit chameleonButton(QWidget* parent = nullptr);

    QString Caption() const { return caption_; }
    void SetCaption(const QString& caption);

    bool Enabled() const { return isEnabled(); }
    void SetEnabled(bool enabled) { setEnabled(enabled); }

signals:
    void Click();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QString caption_;
    bool pressed_ = false;
};
