// The device context's brush fills: the brush's pixel at a point (solid,
// hatch, pattern) and the pattern blits FillRect, FrameRect and PatBlt build on.
#include "DeviceContext.h"

#include "DeviceRaster.h"

#include <algorithm>

namespace {

int PositiveMod(int v, int m)
{
    const int r = v % m;
    return r < 0 ? r + m : r;
}

// PatBlt's normalisation: a negative extent covers x+w+1 .. x.
Rect NormalisedBlit(int x, int y, int w, int h)
{
    if (w < 0) {
        x = x + w + 1;
        w = -w;
    }
    if (h < 0) {
        y = y + h + 1;
        h = -h;
    }
    return Rect{x, y, x + w, y + h};
}

} // namespace

QRgb DeviceContext::BrushPixel(const Brush& brush, int x, int y, bool* paint) const
{
    *paint = true;
    switch (brush.GetKind()) {
    case Brush::Kind::Solid:
        return ToRgb32(brush.Color());
    case Brush::Kind::Hatch: {
        const int col = PositiveMod(x, 8);
        const int row = PositiveMod(y, 8);
        if (Brush::HatchBit(brush.Style(), col, row))
            return ToRgb32(brush.Color());
        if (bkMode_ == OPAQUE)
            return ToRgb32(bkColor_);
        *paint = false;
        return 0;
    }
    case Brush::Kind::Pattern: {
        const QImage& pat = brush.PatternImage();
        const int col = PositiveMod(x, pat.width());
        const int row = PositiveMod(y, pat.height());
        if (brush.IsMonochrome())
            return ToRgb32(pat.pixelIndex(col, row) ? bkColor_ : textColor_);
        return reinterpret_cast<const QRgb*>(pat.constScanLine(row))[col] | kOpaquePixel;
    }
    default:
        *paint = false;
        return 0;
    }
}

void DeviceContext::PatternRect(const Rect& area, const Brush& brush, RasterOp rop)
{
    PatternDevice(grid_.Map(area), brush, rop);
}

// Patterns stay aligned to the logical pixels, so a hatch or the focus dots
// grow with the ratio as the shapes do.
void DeviceContext::PatternDevice(const Rect& area, const Brush& brush, RasterOp rop)
{
    Rect clip;
    if (!IntersectRect(clip, area, Rect{0, 0, image_->width(), image_->height()}))
        return;
    const bool scaled = !grid_.IsIdentity();
    const DeviceRaster raster(*image_);
    const bool solid = brush.GetKind() == Brush::Kind::Solid;
    const QRgb solidPixel = ToRgb32(brush.Color());
    // Each pixel the brush paints at device pixel (x, y) of `row`, combined by `apply`.
    auto forBrushPixels = [&](QRgb* row, int y, auto apply) {
        for (int x = clip.left; x < clip.right; ++x) {
            bool paint = true;
            const QRgb p = scaled ? BrushPixel(brush, grid_.LogicalX(x), grid_.LogicalY(y), &paint)
                                  : BrushPixel(brush, x, y, &paint);
            if (paint)
                row[x] = apply(row[x], p);
        }
    };
    for (int y = clip.top; y < clip.bottom; ++y) {
        QRgb* const row = raster.Row(y);
        QRgb* const first = row + clip.left;
        QRgb* const last = row + clip.right;
        switch (rop) {
        case BLACKNESS: std::fill(first, last, kOpaquePixel); break;
        case WHITENESS: std::fill(first, last, 0xFFFFFFFFu); break;
        case DSTINVERT:
            for (QRgb* d = first; d != last; ++d)
                *d = (*d ^ 0x00FFFFFFu) | kOpaquePixel;
            break;
        case PATINVERT:
            if (solid) {
                for (QRgb* d = first; d != last; ++d)
                    *d = (*d ^ (solidPixel & 0x00FFFFFFu)) | kOpaquePixel;
                break;
            }
            forBrushPixels(row, y, [](QRgb d, QRgb p) { return (d ^ (p & 0x00FFFFFFu)) | kOpaquePixel; });
            break;
        default:
            if (solid) {
                std::fill(first, last, solidPixel);
                break;
            }
            forBrushPixels(row, y, [](QRgb, QRgb p) { return p; });
            break;
        }
    }
}

bool DeviceContext::FillRect(const Rect& rect, const Brush& brush)
{
    if (!brush.IsValid())
        return false;
    // An inverted rectangle is empty: a fill that has shrunk to nothing (a bar
    // at 0 percent) must not show as a sliver.
    PatternRect(rect, brush, PATCOPY);
    return true;
}

bool DeviceContext::FrameRect(const Rect& rect, const Brush& brush)
{
    if (!brush.IsValid() || rect.right <= rect.left || rect.bottom <= rect.top)
        return false;
    PatternRect(Rect{rect.left, rect.top, rect.left + 1, rect.bottom}, brush, PATCOPY);
    PatternRect(Rect{rect.right - 1, rect.top, rect.right, rect.bottom}, brush, PATCOPY);
    PatternRect(Rect{rect.left, rect.top, rect.right, rect.top + 1}, brush, PATCOPY);
    PatternRect(Rect{rect.left, rect.bottom - 1, rect.right, rect.bottom}, brush, PATCOPY);
    return true;
}

bool DeviceContext::PatBlt(int x, int y, int width, int height, RasterOp rop)
{
    switch (rop) {
    case PATCOPY:
    case PATINVERT:
        if (!brush_.IsValid())
            return false;
        break;
    case DSTINVERT:
    case BLACKNESS:
    case WHITENESS:
        break;
    default:
        return false;
    }
    PatternRect(NormalisedBlit(x, y, width, height), brush_, rop);
    return true;
}
