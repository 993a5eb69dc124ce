#include "DeviceGrid.h"

#include <algorithm>
#include <cmath>

namespace {

int Scaled(qreal ratio, int edge)
{
    return static_cast<int>(std::floor(edge * ratio + 0.5));
}

// The ratio as the screen reports it can carry rounding noise (1.4999999).
qreal Tidy(qreal ratio)
{
    const qreal eighths = std::round(ratio * 8.0) / 8.0;
    return std::abs(eighths - ratio) < 1e-6 ? eighths : ratio;
}

} // namespace

DeviceGrid::DeviceGrid(qreal ratio, QSize logical, QSize device)
    : ratio_(Tidy(ratio)), identity_(ratio_ == 1.0), logical_(logical)
{
    if (identity_)
        return;
    snapX_ = std::max(0, device.width() - Scaled(ratio_, logical.width()));
    snapY_ = std::max(0, device.height() - Scaled(ratio_, logical.height()));
}

DeviceGrid DeviceGrid::Of(const QImage& image, QSize logical)
{
    const qreal ratio = Tidy(image.devicePixelRatio());
    if (!logical.isValid()) {
        // The image was made for a whole number of logical pixels (MakeImage).
        logical = QSize(static_cast<int>(std::floor(image.width() / ratio + 1e-6)),
                        static_cast<int>(std::floor(image.height() / ratio + 1e-6)));
    }
    return DeviceGrid(ratio, logical, image.size());
}

qreal DeviceGrid::DrawingRatio(qreal screenRatio)
{
    return screenRatio > 1.0 ? Tidy(screenRatio) : 1.0;
}

QSize DeviceGrid::DeviceSize(int w, int h, qreal ratio)
{
    ratio = DrawingRatio(ratio);
    return QSize(static_cast<int>(std::ceil(w * ratio - 1e-6)), static_cast<int>(std::ceil(h * ratio - 1e-6)));
}

QImage DeviceGrid::MakeImage(int w, int h, qreal ratio)
{
    QImage image(DeviceSize(w, h, ratio), QImage::Format_RGB32);
    image.setDevicePixelRatio(DrawingRatio(ratio));
    return image;
}

Rect DeviceGrid::Map(const Rect& r) const
{
    if (identity_)
        return r;
    return Rect{X(r.left), Y(r.top), X(r.right), Y(r.bottom)};
}

int DeviceGrid::Edge(int edge, int extent, int snap) const
{
    if (identity_)
        return edge;
    return Scaled(ratio_, edge) + (edge >= extent ? snap : 0);
}

int DeviceGrid::Logical(int device, int extent, int snap) const
{
    if (identity_)
        return device;
    int i = static_cast<int>(std::floor((device + 0.5) / ratio_));
    while (i > INT32_MIN + 1 && Edge(i, extent, snap) > device)
        --i;
    while (Edge(i + 1, extent, snap) <= device)
        ++i;
    return i;
}
