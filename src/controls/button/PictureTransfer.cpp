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

} // namespace button
