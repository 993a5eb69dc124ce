#pragma once
// The rows of an RGB32 image behind one detach check, so plotting is plain
// pointer steps (QImage::scanLine per pixel dominated the cost of a redraw).
#include "Rect.h"

#include <QImage>
#include <algorithm>

// The alpha byte every written pixel carries, as RGB32 wants it.
inline constexpr QRgb kOpaquePixel = 0xFF000000u;

class DeviceRaster {
public:
    explicit DeviceRaster(QImage& image)
        : bits_(image.bits()), stride_(image.bytesPerLine()), width_(image.width()), height_(image.height())
    {
    }

    int Width() const { return width_; }
    int Height() const { return height_; }
    QRgb* Row(int y) const { return reinterpret_cast<QRgb*>(bits_ + y * stride_); }

    // Calls span(first, last) for each row of `area` clipped to the image.
    template <typename Span>
    void ForEachSpan(const Rect& area, Span span) const
    {
        const int left = std::max(area.left, 0), right = std::min(area.right, width_);
        for (int y = std::max(area.top, 0); y < std::min(area.bottom, height_); ++y)
            if (left < right)
                span(Row(y) + left, Row(y) + right);
    }

    // The device pixels of `area`, clipped.
    void Fill(const Rect& area, QRgb colour) const
    {
        ForEachSpan(area, [colour](QRgb* first, QRgb* last) { std::fill(first, last, colour); });
    }

    // A square of the pen's width centred on (x, y) as Windows centres it, clipped.
    void PlotPen(int x, int y, int penWidth, QRgb colour) const
    {
        const int off = penWidth / 2;
        for (int dy = 0; dy < penWidth; ++dy) {
            const int yy = y - off + dy;
            if (yy < 0 || yy >= height_)
                continue;
            QRgb* row = Row(yy);
            for (int dx = 0; dx < penWidth; ++dx) {
                const int xx = x - off + dx;
                if (xx >= 0 && xx < width_)
                    row[xx] = colour;
            }
        }
    }

private:
    uchar* bits_;
    qsizetype stride_;
    int width_;
    int height_;
};
