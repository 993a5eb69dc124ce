#include "XP_ProgressBar.h"

#include <QPainter>

XP_ProgressBar::XP_ProgressBar(QWidget* parent) : QWidget(parent) {}

void XP_ProgressBar::SetColor(uint32_t color)
{
    color_ = color;
    update();
}

bool XP_ProgressBar::SetValue(int32_t value)
{
    percent_ = value > 100 ? 100 : value;
    update();
    return true;
}

void XP_ProgressBar::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    const QColor fill(color_ & 0xFF, (color_ >> 8) & 0xFF, (color_ >> 16) & 0xFF);
    p.fillRect(QRect(0, 0, width() * percent_ / 100, height()), fill);
}
