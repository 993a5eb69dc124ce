#include "ButtonPrimitives.h"

namespace button {

void Bevel(DeviceContext& dc, const Rect& rect, const BevelColours& c, bool outerOnly)
{
    const int l = rect.left, t = rect.top, r = rect.right - 1, b = rect.bottom - 1;
    DrawSolidLine(dc, l, b, l, t, c.c1);
    DrawSolidLine(dc, l, t, r, t, c.c1);
    DrawSolidLine(dc, r, t, r, b, c.c2);
    DrawSolidLine(dc, r, b, l - 1, b, c.c2);
    if (outerOnly)
        return;
    DrawSolidLine(dc, l + 1, b - 1, l + 1, t + 1, c.c3);
    DrawSolidLine(dc, l + 1, t + 1, r - 1, t + 1, c.c3);
    DrawSolidLine(dc, r - 1, t + 1, r - 1, b - 1, c.c4);
    DrawSolidLine(dc, r - 1, b - 1, l, b - 1, c.c4);
}

void Gradient(DeviceContext& dc, const Rect& rect, Colour base, int total, bool topDown,
              bool blueScaled, bool soft)
{
    const int h = rect.Height();
    if (h <= 0)
        return;
    // The step is held in single precision, as the rows' shades were always computed.
    const float step = static_cast<float>(total) / static_cast<float>(h);
    for (int i = 1; i <= h; ++i) {
        const float amount = step * static_cast<float>(i);
        const Colour colour = Shift(base, -RoundHalfEven(amount), blueScaled, soft);
        const int y = topDown ? rect.top + i : rect.bottom - i;
        DrawSolidLine(dc, rect.left, y, rect.right, y, colour);
    }
}

} // namespace button
