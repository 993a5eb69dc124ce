#include "FramedLooks.h"

#include "ProgressColors.h"
#include "ProgressMath.h"
#include "ProgressGradient.h"

void CalcFill(DeviceContext&, ProgressDrawState& s)
{
    s.blockWidth = s.look == 0 ? 6 : 0;
    s.blockGap = 2;
    const int32_t period = s.blockWidth + s.blockGap;
    s.clientRc.left += 3;
    const int32_t L = s.clientRc.left;
    const int32_t R = s.clientRc.right;
    const int32_t B = s.clientRc.bottom;
    s.fillRc = s.clientRc;
    // 98, not 100: the bar looks full from 98 percent on.
    s.fillFraction = s.percent / 98.0;
    if (s.fillFraction < 0)
        s.fillFraction = 0;
    if (s.direction == 0) {
        const int32_t m = s.Round((R - L) * s.fillFraction + L);
        s.fillRc.right = m - ((m - L) % period);
        if (s.fillRc.right < L)
            s.fillRc.right = L;
    } else {
        s.fillFraction = 1 - s.fillFraction;
        const int32_t top = s.clientRc.top;
        const int32_t o = s.Round((B - top) * s.fillFraction + top);
        s.fillRc.top = o - ((o - s.fillRc.bottom) % period);
        if (s.fillRc.top > B)
            s.fillRc.top = B;
    }
}

void DrawFill(DeviceContext& dc, ProgressDrawState& s)
{
    const int32_t R = s.clientRc.right;
    const int32_t B = s.clientRc.bottom;
    uint32_t color = s.resolvedColor;
    uint32_t light = LightenColor(color, 150);
    if (s.direction == 0) {
        // A short stub shows even at 0 percent.
        if (s.fillRc.right <= 14)
            s.fillRc.right = 12;
        const int32_t rr = s.fillRc.right + 4 > R ? s.fillRc.right - 4 : s.fillRc.right;
        if (s.look != 2) {
            DrawGradient(dc, light, color, 4, 3, rr, 6, false);
            FillSolidRect(dc, Rect{4, 8, rr, B - 8}, color);
            DrawGradient(dc, color, light, 4, B - 10, rr, 6, false);
        } else {
            const auto lag = CheckedSub(100, s.percent);
            if (!lag) {
                s.overflow = true;
                return;
            }
            for (int i = 0; i < 3; ++i) {
                // Three blocks 10 wide, 2 apart, travelling with the percentage.
                const int32_t left = s.Round(s.fillRc.right + 12 * i - *lag / 100.0 * 45);
                if (s.overflow)
                    return;
                uint32_t first = LightenColor(color, 220 - 40 * i);
                uint32_t last = LightenColor(color, 200 - 40 * i);
                DrawGradient(dc, first, last, left, 3, 9, B - 2, true);
            }
        }
    } else {
        if (s.look != 2) {
            DrawGradient(dc, light, color, 4, s.fillRc.top, 4, B, true);
            FillSolidRect(dc, Rect{9, s.fillRc.top, R - 8, B}, color);
            DrawGradient(dc, color, light, R - 8, s.fillRc.top, 4, B, true);
        } else {
            for (int i = 0; i < 3; ++i) {
                const int32_t top = s.fillRc.top + 12 * i;
                uint32_t first = LightenColor(color, 220 - 40 * i);
                uint32_t last = LightenColor(color, 200 - 40 * i);
                DrawGradient(dc, first, last, R - 2, top, 2, 9, false);
            }
        }
    }
}

void DrawSeparators(DeviceContext& dc, ProgressDrawState& s)
{
    const Brush white = Brush::Solid(0xFFFFFF);
    const int32_t period = s.blockWidth + s.blockGap;
    s.sepRc = s.clientRc;
    if (s.direction == 0) {
        for (int32_t x = s.fillRc.left + s.blockWidth; x <= s.fillRc.right; x += period) {
            s.sepRc.left = x + 1;
            s.sepRc.right = x + 1 + s.blockGap;
            dc.FillRect(s.sepRc, white);
        }
    } else {
        for (int32_t y = s.fillRc.bottom; y >= s.fillRc.top + s.blockWidth; y -= period) {
            s.sepRc.top = y - 2;
            s.sepRc.bottom = y - 2 + s.blockGap;
            dc.FillRect(s.sepRc, white);
        }
    }
}

void DrawFrame(DeviceContext& dc, ProgressDrawState& s)
{
    s.clientRc.left -= 3;
    const int32_t R = s.clientRc.right;
    const int32_t B = s.clientRc.bottom;
    DrawSolidLine(dc, 2, 1, R - 2, 1, 0xBEBEBE);
    DrawSolidLine(dc, 2, B - 2, R - 2, B - 2, 0xEFEFEF);
    DrawSolidLine(dc, 1, 2, 1, B - 2, 0xBEBEBE);
    DrawSolidLine(dc, 2, 2, 2, B - 2, 0xEFEFEF);
    DrawSolidLine(dc, 2, 2, R - 2, 2, 0xEFEFEF);
    DrawSolidLine(dc, R - 2, 2, R - 2, B - 2, 0xEFEFEF);
    FrameSolidRect(dc, s.clientRc, 0x686868);
    // The shaped corners; they are deliberately not mirror images of each other.
    struct CornerPixel {
        int32_t x, y;
        uint32_t color;
    };
    const CornerPixel corners[] = {
        {0, 0, 0xFFFFFF}, {0, 1, 0xA6ABAC}, {0, 2, 0x7D7E7F}, {1, 0, 0xA7ABAC},
        {1, 1, 0x777777}, {2, 0, 0x7D7E7F}, {2, 2, 0xBEBEBE},
        {0, B - 1, 0xFFFFFF}, {1, B - 1, 0xA6ABAC}, {2, B - 1, 0x7D7E7F}, {0, B - 3, 0x7D7E7F},
        {0, B - 2, 0xA7ABAC}, {1, B - 2, 0x777777},
        {R - 1, 0, 0xFFFFFF}, {R - 1, 1, 0xBEBEBE}, {R - 1, 2, 0x7D7E7F}, {R - 2, 2, 0xBEBEBE},
        {R - 2, 1, 0x686868},
        {R - 1, B - 1, 0xFFFFFF}, {R - 1, B - 2, 0xBEBEBE}, {R - 1, B - 3, 0x7D7E7F},
        {R - 2, B - 2, 0x777777}, {R - 2, B - 1, 0xBEBEBE}, {R - 3, B - 1, 0x7D7E7F},
    };
    for (const CornerPixel& p : corners)
        dc.SetPixelV(p.x, p.y, TranslateColor(p.color));
}

void DrawCaption(DeviceContext& dc, ProgressDrawState& s)
{
    if (!s.showCaption)
        return;
    const int32_t R = s.clientRc.right;
    const int32_t B = s.clientRc.bottom;
    const QString caption = s.Caption();
    const bool twoColour = s.look == 6 || s.look == 9;

    QFont previous = dc.SelectFont(s.textFont);
    dc.SetBkMode(TRANSPARENT); // stays transparent afterwards, as the hatched look relies on
    dc.SetTextColor(s.look == 6 ? 0xC0C0C0 : 0x000040);

    Rect measure{0, 0, 0, 0};
    dc.DrawText(caption, measure, DT_CALCRECT);
    const int32_t w = measure.Width();
    const int32_t h = measure.Height();
    s.textRc.left = s.Round(R / 2.0 - w / 2.0);
    s.textRc.top = s.Round(B / 2.0 - h / 2.0);
    s.textRc.right = s.textRc.left + w;
    s.textRc.bottom = s.textRc.top + h;

    // Where the fill is taken to end, for the two-colour captions.
    const double ext = s.percent / 100.0 * R;
    if (!(twoColour && ext > s.textRc.right))
        dc.DrawText(caption, s.textRc, DT_SINGLELINE);
    dc.SelectFont(previous);

    if (twoColour && ext >= s.textRc.left) {
        previous = dc.SelectFont(s.textFont);
        dc.SetBkMode(TRANSPARENT);
        dc.SetTextColor(s.look == 6 ? LightenColor(s.resolvedColor, 80) : 0xFFFFFF);
        s.textRc.left = s.Round(R / 2.0 - (s.textRc.right - s.textRc.left) / 2.0);
        s.textRc.right = s.Round(ext);
        if (!s.overflow)
            dc.DrawText(caption, s.textRc, DT_SINGLELINE);
        dc.SelectFont(previous);
    }
}
