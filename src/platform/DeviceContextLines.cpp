// The device context's lines: LineTo with the selected pen, stepping as
// Windows steps, scaled block by block on an image of a higher ratio.
#include "DeviceContext.h"

#include "DeviceRaster.h"

#include <algorithm>
#include <cstdlib>

namespace {

// A one-pixel horizontal or vertical line as a clipped span (the same pixels
// as stepping along it); false for any other line.
bool StraightSpan(const DeviceRaster& r, QPoint from, QPoint to, QRgb colour)
{
    const int x0 = from.x(), y0 = from.y(), x = to.x(), y = to.y();
    const int dx = x - x0, dy = y - y0;
    if (dy == 0 && dx != 0) {
        if (y0 < 0 || y0 >= r.Height())
            return true;
        const int lo = std::max(dx > 0 ? x0 : x + 1, 0);
        const int hi = std::min(dx > 0 ? x : x0 + 1, r.Width());
        if (lo < hi)
            std::fill(r.Row(y0) + lo, r.Row(y0) + hi, colour);
        return true;
    }
    if (dx != 0)
        return false;
    if (x0 < 0 || x0 >= r.Width())
        return true;
    const int lo = std::max(dy > 0 ? y0 : y + 1, 0);
    const int hi = std::min(dy > 0 ? y : y0 + 1, r.Height());
    for (int yy = lo; yy < hi; ++yy)
        r.Row(yy)[x0] = colour;
    return true;
}

// Bresenham with the Windows tie rule: on a midpoint tie x-major lines take
// the upper pixel and y-major lines the left one, whatever the direction.
// The end point is left out.
template <typename Plot>
void BresenhamLine(QPoint from, QPoint to, Plot plot)
{
    const int dx = to.x() - from.x(), dy = to.y() - from.y();
    const int adx = std::abs(dx), ady = std::abs(dy);
    const int sx = dx < 0 ? -1 : 1, sy = dy < 0 ? -1 : 1;
    const bool xMajor = adx > ady;
    const int major = xMajor ? adx : ady, minor = xMajor ? ady : adx;
    const int bias = xMajor ? (dy < 0 ? 1 : 0) : (dx < 0 ? 1 : 0);
    int e = 2 * minor - major;
    int px = from.x(), py = from.y();
    for (int i = 0; i < major; ++i) {
        plot(px, py);
        const bool stepMinor = e + bias > 0;
        e += stepMinor ? 2 * minor - 2 * major : 2 * minor;
        if (xMajor) {
            py += stepMinor ? sy : 0;
            px += sx;
        } else {
            px += stepMinor ? sx : 0;
            py += sy;
        }
    }
}

} // namespace

bool DeviceContext::LineTo(int x, int y)
{
    const QPoint from = position_;
    position_ = QPoint(x, y);
    if (pen_.style == PS_NULL)
        return true;
    const DeviceRaster raster(*image_);
    const QRgb colour = ToRgb32(pen_.color);
    const int penWidth = pen_.width;
    if (grid_.IsIdentity()) {
        // The gradients and frames are all one-pixel horizontal or vertical lines.
        if (penWidth == 1 && StraightSpan(raster, from, position_, colour))
            return true;
        BresenhamLine(from, position_, [&](int px, int py) { raster.PlotPen(px, py, penWidth, colour); });
        return true;
    }
    // Scaled: each logical pixel of the line, or of its pen square, fills its device block.
    const int dx = x - from.x(), dy = y - from.y();
    if (penWidth == 1 && (dx == 0 || dy == 0)) {
        if (dx == 0 && dy == 0)
            return true;
        const Rect span = dy == 0 ? Rect{dx > 0 ? from.x() : x + 1, y, dx > 0 ? x : from.x() + 1, y + 1}
                                  : Rect{x, dy > 0 ? from.y() : y + 1, x + 1, dy > 0 ? y : from.y() + 1};
        raster.Fill(grid_.Map(span), colour);
        return true;
    }
    const int off = penWidth / 2;
    BresenhamLine(from, position_, [&](int px, int py) {
        raster.Fill(grid_.Map(Rect{px - off, py - off, px - off + penWidth, py - off + penWidth}), colour);
    });
    return true;
}
