#include "PictureTransfer.h"

namespace button {

namespace {

constexpr std::uint32_t Pixel(int r, int g, int b)
{
    return 0xFF000000u | (static_cast<std::uint32_t>(r) << 16) | (static_cast<std::uint32_t>(g) << 8)
        | static_cast<std::uint32_t>(b);
}

} // namespace

void TransferRow(std::uint32_t* background, const std::uint32_t* picture, int count,
                 const TransferMode& mode)
{
    const std::uint32_t colourPixel =
        mode.colour ? Pixel(Red(*mode.colour), Green(*mode.colour), Blue(*mode.colour)) : 0;
    for (int i = 0; i < count; ++i) {
        const std::uint32_t p = picture[i];
        const int r = (p >> 16) & 0xFF, g = (p >> 8) & 0xFF, b = p & 0xFF;
        if (mode.useMask && Rgb(r, g, b) == mode.mask)
            continue;
        std::uint32_t& out = background[i];
        if (mode.colour) {
            if (!(mode.darkOnly && r + g + b > 384))
                out = colourPixel;
        } else if (mode.grey) {
            const auto level = static_cast<std::uint32_t>(GreyLevel(r, g, b));
            out = 0xFF000000u | (level << 16) | (level << 8) | level;
        } else if (mode.blend) {
            const int br = (out >> 16) & 0xFF, bg = (out >> 8) & 0xFF, bb = out & 0xFF;
            out = Pixel((2 * r + br) / 3, (2 * g + bg) / 3, (2 * b + bb) / 3);
        } else {
            out = p | 0xFF000000u;
        }
    }
}

QImage CoverageImage(const QImage& picture, QSize deviceSize, const TransferMode& mode)
{
    QImage masked = picture.convertToFormat(QImage::Format_ARGB32);
    if (mode.useMask) {
        for (int y = 0; y < masked.height(); ++y) {
            auto* row = reinterpret_cast<std::uint32_t*>(masked.scanLine(y));
            for (int x = 0; x < masked.width(); ++x) {
                const std::uint32_t p = row[x];
                if (Rgb((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF) == mode.mask)
                    row[x] = 0;
            }
        }
    }
    return masked.convertToFormat(QImage::Format_ARGB32_Premultiplied)
        .scaled(deviceSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

void TransferCoveredRow(std::uint32_t* background, const std::uint32_t* picture, int count,
                        const TransferMode& mode)
{
    TransferMode unmasked = mode;
    unmasked.useMask = false;
    for (int i = 0; i < count; ++i) {
        const int alpha = qAlpha(picture[i]);
        if (alpha == 0)
            continue;
        const std::uint32_t pixel = qUnpremultiply(picture[i]) | 0xFF000000u;
        std::uint32_t drawn = background[i];
        TransferRow(&drawn, &pixel, 1, unmasked);
        if (alpha == 255) {
            background[i] = drawn;
            continue;
        }
        const std::uint32_t under = background[i];
        auto mix = [alpha](std::uint32_t over, std::uint32_t base, int shift) {
            const int o = static_cast<int>((over >> shift) & 0xFF), b = static_cast<int>((base >> shift) & 0xFF);
            return static_cast<std::uint32_t>((o * alpha + b * (255 - alpha) + 127) / 255) << shift;
        };
        background[i] = 0xFF000000u | mix(drawn, under, 16) | mix(drawn, under, 8) | mix(drawn, under, 0);
    }
}

} // namespace button
