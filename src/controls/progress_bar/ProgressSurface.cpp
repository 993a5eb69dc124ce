// Making, growing and freeing the bar's off-screen surface.
#include "ProgressSurface.h"

#include "DeviceGrid.h"

#include <algorithm>

void ProgressSurface::Ensure(int w, int h, qreal screenRatio)
{
    if (dc_) {
        if (h > height_ || w > width_ || !MatchesScreen(screenRatio))
            Make(std::max(w, width_), std::max(h, height_), screenRatio);
    } else if (w > 0 && h > 0) {
        Make(w, h, screenRatio);
    }
}

void ProgressSurface::Make(int w, int h, qreal screenRatio)
{
    Free();
    // Drawn at the screen's resolution; the looks keep their logical coordinates.
    QImage image = DeviceGrid::MakeImage(w, h, screenRatio);
    if (image.isNull())
        return; // out of memory: draw nothing rather than fail
    image.fill(Qt::white);
    image_ = std::move(image);
    dc_ = std::make_unique<DeviceContext>(image_, QSize(w, h));
    width_ = w;
    height_ = h;
}

void ProgressSurface::Free()
{
    dc_.reset();
    image_ = QImage();
    width_ = 0;
    height_ = 0;
}

bool ProgressSurface::MatchesScreen(qreal screenRatio) const
{
    return image_.devicePixelRatio() == DeviceGrid::DrawingRatio(screenRatio);
}

QImage ProgressSurface::Shown(int w, int h) const
{
    if (image_.isNull())
        return QImage();
    const Rect shown{0, 0, std::min(w, width_), std::min(h, height_)};
    QImage copy = image_.copy(dc_->Grid().Map(shown).ToQRect());
    copy.setDevicePixelRatio(image_.devicePixelRatio());
    return copy;
}
