// The device context's outlined shapes: the ellipse and the rectangle it
// falls back to, each with the selected pen around the selected brush.
#include "DeviceContext.h"

#include "DeviceRaster.h"
#include "EllipseGeometry.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace {

// Shapes take their corners in any order; a box of no width or height draws nothing.
bool NormaliseBox(int& left, int& top, int& right, int& bottom)
{
    if (left > right)
        std::swap(left, right);
    if (top > bottom)
        std::swap(top, bottom);
    return right != left && bottom != top;
}

} // namespace

bool DeviceContext::Ellipse(int left, int top, int right, int bottom)
{
    if (!NormaliseBox(left, top, right, bottom))
        return true;
    if (right - left <= 2 || bottom - top <= 2)
        return Rectangle(left, top, right, bottom);
    // Curves are traced on the device pixels, with the pen scaled, so an oval
    // stays smooth at any ratio.
    const Rect box = grid_.Map(Rect{left, top, right, bottom});
    left = box.left;
    top = box.top;
    right = box.right;
    bottom = box.bottom;
    const bool outline = pen_.style != PS_NULL;
    const int pw = !outline ? 0
        : grid_.IsIdentity() ? pen_.width
                             : std::max(1, static_cast<int>(std::lround(pen_.width * grid_.Ratio())));
    if (outline && pen_.style == PS_INSIDEFRAME) {
        left += pw / 2;
        top += pw / 2;
        right -= (pw - 1) / 2;
        bottom -= (pw - 1) / 2;
    }
    const std::vector<QPoint> path = EllipsePath(left, top, right, bottom);
    if (brush_.IsValid()) {
        for (const EllipseSpan& s : EllipseSpans(left, top, right, bottom))
            PatternDevice(Rect{s.left, s.y, s.right + 1, s.y + 1}, brush_, PATCOPY);
    }
    if (outline) {
        const DeviceRaster raster(*image_);
        for (const QPoint& p : path)
            raster.PlotPen(p.x(), p.y(), pw, ToRgb32(pen_.color));
    }
    return true;
}

bool DeviceContext::Rectangle(int left, int top, int right, int bottom)
{
    if (!NormaliseBox(left, top, right, bottom))
        return true;
    if (pen_.style == PS_NULL) {
        // A null pen leaves the interior one pixel short on the right and bottom.
        if (brush_.IsValid())
            PatternRect(Rect{left, top, right - 1, bottom - 1}, brush_, PATCOPY);
        return true;
    }
    if (brush_.IsValid())
        PatternRect(Rect{left + 1, top + 1, right - 1, bottom - 1}, brush_, PATCOPY);
    const Brush edge = Brush::Solid(pen_.color);
    FrameRect(Rect{left, top, right, bottom}, edge);
    return true;
}
