#include "ScreenCopy.h"

#include "DeviceGrid.h"

#include <QPaintDevice>
#include <cmath>

namespace {
bool IsWholeRatio(qreal ratio)
{
    return std::abs(ratio - std::round(ratio)) < 1e-6;
}
} // namespace

void CopyToScreen(QPainter& painter, const QImage& image, const QRect& source,
                  const QPoint& destination)
{
    const qreal ratio = painter.device() ? painter.device()->devicePixelRatioF() : 1.0;
    painter.save();
    if (image.devicePixelRatio() != 1.0) {
        // The device pixels of the source, placed at their own size.
        const qreal r = image.devicePixelRatio();
        const Rect from = DeviceGrid::Of(image).Map(Rect::FromQRect(source));
        painter.drawImage(QRectF(QPointF(destination), QSizeF(from.Width() / r, from.Height() / r)), image,
                          QRectF(from.ToQRect()));
    } else {
        painter.setRenderHint(QPainter::SmoothPixmapTransform, !IsWholeRatio(ratio));
        painter.drawImage(QRect(destination, source.size()), image, source);
    }
    painter.restore();
}
