#pragma once
// The two shading steps several looks share, on top of the platform's drawing
// helpers: the two-ring bevel and the row gradient. Both restore what they select.
#include "ButtonColors.h"
#include "DrawUtil.h"

namespace button {

// c1/c3 top-left, c2/c4 bottom-right of the outer and inner ring.
struct BevelColours {
    Colour c1 = 0, c2 = 0, c3 = 0, c4 = 0;
};
// The bevel of `rect`: its outer ring on the rectangle's edge, the inner ring
// one pixel in; outerOnly draws c1 and c2 alone.
void Bevel(DeviceContext& dc, const Rect& rect, const BevelColours& colours, bool outerOnly);

// One line across `rect` per row i = 1..H (H its height) in
// Shift(base, -round(total / H * i)): row top + i for a top-down gradient,
// bottom - i for a bottom-up one.
void Gradient(DeviceContext& dc, const Rect& rect, Colour base, int total, bool topDown,
              bool blueScaled, bool soft);

} // namespace button
