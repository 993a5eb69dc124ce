#include "ProgressGradient.h"

#include "ProgressMath.h"

#include <cmath>

void DrawGradient(DeviceContext& dc, uint32_t endColorValue, uint32_t startColorValue, int32_t x,
                  int32_t y, int32_t x2, int32_t y2, bool bH)
{
    const ColorRef endColor = TranslateColor(endColorValue);
    const ColorRef startColor = TranslateColor(startColorValue);
    const float rs = static_cast<float>(startColor & 0xFF);
    const float gs = static_cast<float>((startColor / 256) & 0xFF);
    const float bs = static_cast<float>((startColor & 0xFF0000) / 65536);
    const float re = static_cast<float>(endColor & 0xFF);
    const float ge = static_cast<float>((endColor / 256) & 0xFF);
    const float be = static_cast<float>((endColor & 0xFF0000) / 65536);
    const int32_t n = bH ? x2 : y2;
    // With no steps only the first line is drawn, so the step size is never used.
    float dr = 0, dg = 0, db = 0;
    if (n != 0) {
        dr = static_cast<float>((static_cast<double>(rs) - re) / n);
        dg = static_cast<float>((static_cast<double>(gs) - ge) / n);
        db = static_cast<float>((static_cast<double>(bs) - be) / n);
    }
    auto channel = [](float base, float step, int32_t i) {
        const double v = std::nearbyint(static_cast<double>(base) + static_cast<double>(step) * i);
        return v < 0 ? 0 : (v > 255 ? 255 : static_cast<int>(v));
    };
    for (int32_t i = 0; i <= n; ++i) {
        // Lines only move away from the image from here on: nothing left to draw.
        if ((bH ? static_cast<int64_t>(x) + i >= dc.Width() : static_cast<int64_t>(y) + i >= dc.Height()))
            break;
        const ColorRef c = RGBColor(channel(re, dr, i), channel(ge, dg, i), channel(be, db, i));
        // A line whose position does not fit is skipped, like any failing step here.
        if (bH) {
            const auto xi = CheckedAdd(x, i);
            if (xi)
                DrawSolidLine(dc, *xi, y, *xi, y2, c);
        } else {
            const auto yi = CheckedAdd(y, i);
            if (yi)
                DrawSolidLine(dc, x, *yi, x2, *yi, c);
        }
        if (i == INT32_MAX)
            break;
    }
}
