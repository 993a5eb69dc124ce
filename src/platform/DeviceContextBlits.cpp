// The device context's copies from other images: BitBlt with its raster
// operations, scaled between ratios, and pictures drawn with DrawIconEx.
#include "DeviceContext.h"

#include "DeviceRaster.h"

#include <QPainter>
#include <algorithm>

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
            case SRCCOPY: d[i] = sp | kOpaquePixel; break;
            case SRCPAINT: d[i] = d[i] | sp | kOpaquePixel; break;
            case SRCAND: d[i] = (d[i] & sp) | kOpaquePixel; break;
            default: d[i] = (d[i] ^ sp) | kOpaquePixel; break;
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
