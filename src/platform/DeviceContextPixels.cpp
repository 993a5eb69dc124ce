// The device context's pixel access: single pixels, blocks read and written
// back in place of the device-independent bitmap calls, and mirroring.
#include "DeviceContext.h"

#include "DeviceRaster.h"

#include <algorithm>

bool DeviceContext::SetPixelV(int x, int y, uint32_t colorValue)
{
    if (x < 0 || y < 0 || x >= Width() || y >= Height())
        return false;
    const QRgb colour = ToRgb32(TranslateColor(colorValue));
    if (grid_.IsIdentity())
        ScanLine(y)[x] = colour;
    else
        DeviceRaster(*image_).Fill(grid_.Map(Rect{x, y, x + 1, y + 1}), colour);
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
    block.fill(kOpaquePixel);
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

void DeviceContext::MirrorHorizontally(const Rect& area)
{
    DeviceRaster(*image_).ForEachSpan(grid_.Map(area), [](QRgb* first, QRgb* last) { std::reverse(first, last); });
}
