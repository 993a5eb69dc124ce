#include "DeviceContext.h"

#include "EllipseGeometry.h"
#include "SystemColors.h"

#include <QPainter>
#include <algorithm>
#include <cstdlib>
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

constexpr QRgb kOpaque = 0xFF000000u;

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

// The image's pixels behind one detach check, so plotting is plain pointer
// steps (QImage::scanLine per pixel dominated the cost of a redraw).
struct Raster {
    uchar* bits;
    qsizetype stride;
    int width;
    int height;

    explicit Raster(QImage& image)
        : bits(image.bits()), stride(image.bytesPerLine()), width(image.width()), height(image.height())
    {
    }
    QRgb* Row(int y) const { return reinterpret_cast<QRgb*>(bits + y * stride); }

    // The device pixels of `area`, clipped.
    void Fill(const Rect& area, QRgb colour) const
    {
        const int left = std::max(area.left, 0), right = std::min(area.right, width);
        for (int y = std::max(area.top, 0); y < std::min(area.bottom, height); ++y)
            if (left < right)
                std::fill(Row(y) + left, Row(y) + right, colour);
    }

    // A square of the pen's width centred on (x, y) as Windows centres it, clipped.
    void PlotPen(int x, int y, int penWidth, QRgb colour) const
    {
        const int off = penWidth / 2;
        for (int dy = 0; dy < penWidth; ++dy) {
            const int yy = y - off + dy;
            if (yy < 0 || yy >= height)
                continue;
            QRgb* row = Row(yy);
            for (int dx = 0; dx < penWidth; ++dx) {
                const int xx = x - off + dx;
                if (xx >= 0 && xx < width)
                    row[xx] = colour;
            }
        }
    }
};

// A one-pixel horizontal or vertical line as a clipped span (the same pixels
// as stepping along it); false for any other line.
bool StraightSpan(const Raster& r, QPoint from, QPoint to, QRgb colour)
{
    const int x0 = from.x(), y0 = from.y(), x = to.x(), y = to.y();
    const int dx = x - x0, dy = y - y0;
    if (dy == 0 && dx != 0) {
        if (y0 < 0 || y0 >= r.height)
            return true;
        const int lo = std::max(dx > 0 ? x0 : x + 1, 0);
        const int hi = std::min(dx > 0 ? x : x0 + 1, r.width);
        if (lo < hi)
            std::fill(r.Row(y0) + lo, r.Row(y0) + hi, colour);
        return true;
    }
    if (dx != 0)
        return false;
    if (x0 < 0 || x0 >= r.width)
        return true;
    const int lo = std::max(dy > 0 ? y0 : y + 1, 0);
    const int hi = std::min(dy > 0 ? y : y0 + 1, r.height);
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

void DeviceContext::MirrorHorizontally(const Rect& area)
{
    const Raster raster(*image_);
    const Rect device = grid_.Map(area);
    const int left = std::max(device.left, 0), right = std::min(device.right, raster.width);
    for (int y = std::max(device.top, 0); y < std::min(device.bottom, raster.height); ++y)
        if (left < right)
            std::reverse(raster.Row(y) + left, raster.Row(y) + right);
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

// --- pixels -------------------------------------------------------------------

bool DeviceContext::SetPixelV(int x, int y, uint32_t colorValue)
{
    if (x < 0 || y < 0 || x >= Width() || y >= Height())
        return false;
    const QRgb colour = ToRgb32(TranslateColor(colorValue));
    if (grid_.IsIdentity())
        ScanLine(y)[x] = colour;
    else
        Raster(*image_).Fill(grid_.Map(Rect{x, y, x + 1, y + 1}), colour);
    return true;
}

QRgb* DeviceContext::ScanLine(int y)
{
    if (y < 0 || y >= image_->height())
        return nullptr;
    return reinterpret_cast<QRgb*>(image_->scanLine(y));
}

const QRgb* DeviceContext::ScanLine(int y) const
{
    if (y < 0 || y >= image_->height())
        return nullptr;
    return reinterpret_cast<const QRgb*>(image_->constScanLine(y));
}

QImage DeviceContext::ReadBlock(const Rect& logical) const
{
    if (logical.IsEmpty())
        return QImage();
    const Rect rect = grid_.Map(logical);
    QImage block(rect.Width(), rect.Height(), QImage::Format_RGB32);
    block.fill(kOpaque);
    block.setDevicePixelRatio(image_->devicePixelRatio());
    Rect clip;
    if (IntersectRect(clip, rect, Rect{0, 0, image_->width(), image_->height()})) {
        for (int y = clip.top; y < clip.bottom; ++y) {
            const QRgb* src = ScanLine(y);
            QRgb* dst = reinterpret_cast<QRgb*>(block.scanLine(y - rect.top));
            std::copy(src + clip.left, src + clip.right, dst + (clip.left - rect.left));
        }
    }
    return block;
}

void DeviceContext::WriteBlock(int x, int y, const QImage& block)
{
    if (block.isNull())
        return;
    const QImage src = block.format() == QImage::Format_RGB32 ? block : block.convertToFormat(QImage::Format_RGB32);
    CopyDevice(grid_.X(x), grid_.Y(y), src, 0, 0, src.width(), src.height(), SRCCOPY);
}

// --- brushes and pattern blits -----------------------------------------------------

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
        return reinterpret_cast<const QRgb*>(pat.constScanLine(row))[col] | kOpaque;
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
    // One detach check for the whole blit; rows are then plain pointer steps
    // (QImage::scanLine per pixel or row dominated the cost of a redraw).
    uchar* const bits = image_->bits();
    const qsizetype stride = image_->bytesPerLine();
    const bool solid = brush.GetKind() == Brush::Kind::Solid;
    const QRgb solidPixel = ToRgb32(brush.Color());
    for (int y = clip.top; y < clip.bottom; ++y) {
        QRgb* const row = reinterpret_cast<QRgb*>(bits + y * stride);
        QRgb* const first = row + clip.left;
        QRgb* const last = row + clip.right;
        switch (rop) {
        case BLACKNESS: std::fill(first, last, kOpaque); break;
        case WHITENESS: std::fill(first, last, 0xFFFFFFFFu); break;
        case DSTINVERT:
            for (QRgb* d = first; d != last; ++d)
                *d = (*d ^ 0x00FFFFFFu) | kOpaque;
            break;
        case PATINVERT:
            if (solid) {
                for (QRgb* d = first; d != last; ++d)
                    *d = (*d ^ (solidPixel & 0x00FFFFFFu)) | kOpaque;
                break;
            }
            for (int x = clip.left; x < clip.right; ++x) {
                bool paint = true;
                const QRgb p = scaled ? BrushPixel(brush, grid_.LogicalX(x), grid_.LogicalY(y), &paint)
                                      : BrushPixel(brush, x, y, &paint);
                if (paint)
                    row[x] = (row[x] ^ (p & 0x00FFFFFFu)) | kOpaque;
            }
            break;
        default:
            if (solid) {
                std::fill(first, last, solidPixel);
                break;
            }
            for (int x = clip.left; x < clip.right; ++x) {
                bool paint = true;
                const QRgb p = scaled ? BrushPixel(brush, grid_.LogicalX(x), grid_.LogicalY(y), &paint)
                                      : BrushPixel(brush, x, y, &paint);
                if (paint)
                    row[x] = p;
            }
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

// --- shapes -------------------------------------------------------------------------

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
        const Raster raster(*image_);
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

// --- lines ----------------------------------------------------------------------------

bool DeviceContext::LineTo(int x, int y)
{
    const QPoint from = position_;
    position_ = QPoint(x, y);
    if (pen_.style == PS_NULL)
        return true;
    const Raster raster(*image_);
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

// --- edges and focus ----------------------------------------------------------------------

bool DeviceContext::DrawEdge(Rect& rect, uint32_t edge, uint32_t flags)
{
    const uint32_t outer = edge & (BDR_RAISEDOUTER | BDR_SUNKENOUTER);
    const uint32_t inner = edge & (BDR_RAISEDINNER | BDR_SUNKENINNER);
    auto line = [&](int l, int t, int r, int b, int sysColor) {
        PatternRect(Rect{l, t, r, b}, Brush::Solid(SYSTEM_COLOR_FLAG | sysColor), PATCOPY);
    };
    const Rect rc = rect;
    int ltOuter = -1, rbOuter = -1, ltInner = -1, rbInner = -1;
    if (outer == BDR_RAISEDOUTER) {
        ltOuter = COLOR_3DLIGHT;
        rbOuter = COLOR_3DDKSHADOW;
    } else if (outer == BDR_SUNKENOUTER) {
        ltOuter = COLOR_BTNSHADOW;
        rbOuter = COLOR_BTNHIGHLIGHT;
    }
    if (inner == BDR_RAISEDINNER) {
        ltInner = COLOR_BTNHIGHLIGHT;
        rbInner = COLOR_BTNSHADOW;
    } else if (inner == BDR_SUNKENINNER) {
        ltInner = COLOR_3DDKSHADOW;
        rbInner = COLOR_3DLIGHT;
    }
    const bool hasOuter = ltOuter >= 0, hasInner = ltInner >= 0;
    // Outer ring, then inner ring; within a ring top, left, bottom, right, so the
    // top-left corner belongs to the light side and the other three to the dark side.
    if (hasOuter) {
        if (flags & BF_TOP) line(rc.left, rc.top, rc.right, rc.top + 1, ltOuter);
        if (flags & BF_LEFT) line(rc.left, rc.top, rc.left + 1, rc.bottom, ltOuter);
        if (flags & BF_BOTTOM) line(rc.left, rc.bottom - 1, rc.right, rc.bottom, rbOuter);
        if (flags & BF_RIGHT) line(rc.right - 1, rc.top, rc.right, rc.bottom, rbOuter);
    }
    const int d = hasOuter ? 1 : 0;
    if (hasInner) {
        const int l = rc.left + ((flags & BF_LEFT) ? d : 0), t = rc.top + ((flags & BF_TOP) ? d : 0);
        const int r = rc.right - ((flags & BF_RIGHT) ? d : 0), b = rc.bottom - ((flags & BF_BOTTOM) ? d : 0);
        if (flags & BF_TOP) line(l, t, r, t + 1, ltInner);
        if (flags & BF_LEFT) line(l, t, l + 1, b, ltInner);
        if (flags & BF_BOTTOM) line(l, b - 1, r, b, rbInner);
        if (flags & BF_RIGHT) line(r - 1, t, r, b, rbInner);
    }
    const int width = (hasOuter ? 1 : 0) + (hasInner ? 1 : 0);
    Rect inside = rc;
    if (flags & BF_LEFT) inside.left += width;
    if (flags & BF_TOP) inside.top += width;
    if (flags & BF_RIGHT) inside.right -= width;
    if (flags & BF_BOTTOM) inside.bottom -= width;
    if (flags & BF_MIDDLE)
        PatternRect(inside, Brush::Solid(SYSTEM_COLOR_FLAG | COLOR_BTNFACE), PATCOPY);
    if (flags & BF_ADJUST)
        rect = inside;
    return true;
}

bool DeviceContext::DrawFocusRect(const Rect& rect)
{
    if (rect.IsEmpty())
        return true;
    const Brush gray = Brush::GrayPattern();
    const Rect r = rect;
    PatternRect(Rect{r.left, r.top, r.right, r.top + 1}, gray, PATINVERT);
    if (r.bottom - 1 > r.top)
        PatternRect(Rect{r.left, r.bottom - 1, r.right, r.bottom}, gray, PATINVERT);
    PatternRect(Rect{r.left, r.top + 1, r.left + 1, r.bottom - 1}, gray, PATINVERT);
    if (r.right - 1 > r.left)
        PatternRect(Rect{r.right - 1, r.top + 1, r.right, r.bottom - 1}, gray, PATINVERT);
    return true;
}

// --- blits --------------------------------------------------------------------------------

bool DeviceContext::BitBlt(int xDst, int yDst, int width, int height, const DeviceContext& source,
                           int xSrc, int ySrc, RasterOp rop)
{
    if (&source == this && rop == SRCCOPY) {
        const QImage copy = source.Image().copy();
        return BitBlt(xDst, yDst, width, height, copy, xSrc, ySrc, rop);
    }
    return BitBlt(xDst, yDst, width, height, source.Image(), xSrc, ySrc, rop);
}

bool DeviceContext::BitBlt(int xDst, int yDst, int width, int height, const QImage& sourceImage,
                           int xSrc, int ySrc, RasterOp rop)
{
    switch (rop) {
    case PATCOPY:
    case PATINVERT:
    case DSTINVERT:
    case BLACKNESS:
    case WHITENESS:
        return PatBlt(xDst, yDst, width, height, rop);
    case SRCCOPY:
    case SRCPAINT:
    case SRCAND:
    case SRCINVERT:
        break;
    default:
        return false;
    }
    if (width <= 0 || height <= 0)
        return true;
    QImage src = sourceImage.format() == QImage::Format_RGB32 ||
            sourceImage.format() == QImage::Format_ARGB32
        ? sourceImage
        : sourceImage.convertToFormat(QImage::Format_RGB32);
    if (grid_.IsIdentity() && src.devicePixelRatio() == 1.0) {
        CopyDevice(xDst, yDst, src, xSrc, ySrc, width, height, rop);
        return true;
    }
    // Both sides in device pixels; a source of another ratio is scaled to fit,
    // smoothly where it is copied as it is.
    const Rect dst = grid_.Map(Rect{xDst, yDst, xDst + width, yDst + height});
    const DeviceGrid sourceGrid = DeviceGrid::Of(src);
    const Rect from = sourceGrid.Map(Rect{xSrc, ySrc, xSrc + width, ySrc + height});
    if (from.Width() == dst.Width() && from.Height() == dst.Height()) {
        CopyDevice(dst.left, dst.top, src, from.left, from.top, dst.Width(), dst.Height(), rop);
        return true;
    }
    QImage part = src.copy(from.ToQRect())
                      .scaled(dst.Width(), dst.Height(), Qt::IgnoreAspectRatio,
                              rop == SRCCOPY ? Qt::SmoothTransformation : Qt::FastTransformation)
                      .convertToFormat(QImage::Format_RGB32);
    CopyDevice(dst.left, dst.top, part, 0, 0, part.width(), part.height(), rop);
    return true;
}

void DeviceContext::CopyDevice(int xDst, int yDst, const QImage& src, int xSrc, int ySrc, int width,
                               int height, RasterOp rop)
{
    // Clip against the source and the destination at once.
    int sx = xSrc, sy = ySrc, dx = xDst, dy = yDst, w = width, h = height;
    auto clipLow = [](int& s, int& d, int& n) {
        const int cut = std::max(0 - s, 0 - d);
        if (cut > 0) {
            s += cut;
            d += cut;
            n -= cut;
        }
    };
    clipLow(sx, dx, w);
    clipLow(sy, dy, h);
    w = std::min({w, src.width() - sx, image_->width() - dx});
    h = std::min({h, src.height() - sy, image_->height() - dy});
    if (w <= 0 || h <= 0)
        return;
    for (int row = 0; row < h; ++row) {
        const QRgb* s = reinterpret_cast<const QRgb*>(src.constScanLine(sy + row)) + sx;
        QRgb* d = ScanLine(dy + row) + dx;
        for (int i = 0; i < w; ++i) {
            const QRgb sp = s[i] & 0x00FFFFFFu;
            switch (rop) {
            case SRCCOPY: d[i] = sp | kOpaque; break;
            case SRCPAINT: d[i] = d[i] | sp | kOpaque; break;
            case SRCAND: d[i] = (d[i] & sp) | kOpaque; break;
            default: d[i] = (d[i] ^ sp) | kOpaque; break;
            }
        }
    }
}

bool DeviceContext::DrawIconEx(int x, int y, const Picture& picture, int width, int height,
                               uint32_t flags)
{
    if (picture.GetType() == Picture::Type::None || picture.Image().isNull())
        return false;
    if (!(flags & DI_IMAGE))
        return true;
    const int w = width > 0 ? width : picture.WidthPixels();
    const int h = height > 0 ? height : picture.HeightPixels();
    QPainter p(image_);
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    if (grid_.IsIdentity()) {
        p.drawImage(QRect(x, y, w, h), picture.Image());
        return true;
    }
    // The picture fills exactly the device pixels of its logical box.
    const Rect box = grid_.Map(Rect{x, y, x + w, y + h});
    const qreal r = image_->devicePixelRatio();
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawImage(QRectF(box.left / r, box.top / r, box.Width() / r, box.Height() / r), picture.Image());
    return true;
}
