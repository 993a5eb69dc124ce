// The device context's set-up and its selected objects: pen, brush, font,
// text and background colours, background mode and the current position.
#include "DeviceContext.h"

#include <utility>

DeviceContext::DeviceContext(QImage& target, QSize logical) : image_(&target)
{
    if (image_->format() != QImage::Format_RGB32)
        *image_ = image_->convertToFormat(QImage::Format_RGB32);
    grid_ = image_->devicePixelRatio() == 1.0 && !logical.isValid()
        ? DeviceGrid(1.0, image_->size(), image_->size())
        : DeviceGrid::Of(*image_, logical);
    pen_ = Pen{PS_SOLID, 1, 0x000000};
    brush_ = Brush::Solid(0xFFFFFF);
    font_ = FontObject::Default().ToQFont();
}

Pen DeviceContext::SelectPen(const Pen& pen)
{
    return std::exchange(pen_, pen);
}

Brush DeviceContext::SelectBrush(const Brush& brush)
{
    return std::exchange(brush_, brush);
}

QFont DeviceContext::SelectFont(const QFont& font)
{
    return std::exchange(font_, font);
}

ColorRef DeviceContext::SetTextColor(uint32_t colorValue)
{
    return std::exchange(textColor_, TranslateColor(colorValue) & 0xFFFFFF);
}

ColorRef DeviceContext::SetBkColor(uint32_t colorValue)
{
    return std::exchange(bkColor_, TranslateColor(colorValue) & 0xFFFFFF);
}

BkMode DeviceContext::SetBkMode(BkMode mode)
{
    return std::exchange(bkMode_, mode);
}

QPoint DeviceContext::MoveToEx(int x, int y)
{
    return std::exchange(position_, QPoint(x, y));
}
