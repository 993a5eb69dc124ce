#pragma once
// The bar's off-screen surface: an image at the screen's ratio and the device
// context that draws on it. It only grows, so an ordinary redraw allocates
// nothing; a screen of another ratio gets a new one.
#include "DeviceContext.h"

#include <QImage>
#include <QSize>
#include <memory>

class ProgressSurface {
public:
    // Makes the surface cover w x h logical pixels at `screenRatio`: none is
    // made for an empty area, and a failed allocation leaves none.
    void Ensure(int w, int h, qreal screenRatio);
    void Free();

    // The context drawing on the surface; null while there is none.
    DeviceContext* Dc() const { return dc_.get(); }
    const QImage& Image() const { return image_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    bool MatchesScreen(qreal screenRatio) const;
    // The surface's top-left w x h logical pixels (at most its own size), with its ratio.
    QImage Shown(int w, int h) const;

private:
    void Make(int w, int h, qreal screenRatio);

    QImage image_;
    std::unique_ptr<DeviceContext> dc_;
    int width_ = 0;
    int height_ = 0;
};
