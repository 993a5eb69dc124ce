#pragma once
// Owner-drawn progress bar. For now only what the main window uses: Color and
// Value (Visible is the widget's own); the looks come next.
#include <QWidget>
#include <cstdint>

class XP_ProgressBar : public QWidget {
    Q_OBJECT
public:
    explicit XP_ProgressBar(QWidget* parent = nullptr);

    uint32_t Color() const { return color_; }
    void SetColor(uint32_t color);

    int32_t Value() const { return percent_; }
    // Returns false (and keeps the old value) when the value cannot be mapped.
    bool SetValue(int32_t value);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    uint32_t color_ = 0xFFFFFF;
    int32_t percent_ = 0;
};
