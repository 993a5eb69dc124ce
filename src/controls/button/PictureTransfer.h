#pragma once
// The pixel rule of the picture transfer, applied to whole rows at a time.
// Row pixels are QRgb 0xAARRGGBB of an RGB32 image (alpha is ignored and written
// as 0xFF);
// colours given here are 0x00BBGGRR colour values.
#include "ButtonColors.h"

#include <QImage>
#include <QSize>

#include <cstdint>
#include <optional>

namespace button {

struct TransferMode {
    bool useMask = true;         // pixels equal to mask are left out
    Colour mask = 0xC0C0C0;
    std::optional<Colour> colour; // silhouette: every drawn pixel in this colour
    bool darkOnly = false;       // with a colour: only pixels with R + G + B <= 384
    bool grey = false;
    bool blend = false;          // (2 * picture + background) / 3; grey wins over it
};

void TransferRow(std::uint32_t* background, const std::uint32_t* picture, int count,
                 const TransferMode& mode);

// A picture drawn on more device pixels than it has: its masked pixels made
// transparent first, then scaled smoothly to `deviceSize`, so the mask colour
// never bleeds into the edges. Premultiplied ARGB; alpha is how much picture
// covers each device pixel.
QImage CoverageImage(const QImage& picture, QSize deviceSize, const TransferMode& mode);

// The rule of TransferRow for a row of a CoverageImage: each result is blended
// over the background by the pixel's coverage (fully covered pixels come out
// exactly as TransferRow makes them).
void TransferCoveredRow(std::uint32_t* background, const std::uint32_t* picture, int count,
                        const TransferMode& mode);

} // namespace button
