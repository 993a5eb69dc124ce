#include "ScreenCopy.h"

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
    painter.setRenderHint(QPainter::SmoothPixmapTransform, !IsWholeRatio(ratio));
    painter.drawImage(QRect(destination, source.size()), image, source);
    painter.restore();
}
