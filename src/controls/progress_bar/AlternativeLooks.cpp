#include "AlternativeLooks.h"

#include "FramedLooks.h"
#include "ProgressColors.h"
#include "ProgressGradient.h"

#include <limits>

int32_t FillEnd(ProgressDrawState& s, int32_t look)
{
    const int32_t L = s.clientRc.left;
    const int32_t R = s.clientRc.right;
    // Each look has its own divisor and width base; 101 keeps looks 5, 7 and 8
    // just short of the full width at 100 percent.
    switch (look) {
    case 3: return s.Round(s.percent / 100.0 * (R - L) + L);
    case 4: return s.Round(s.percent / 100.0 * (R - L - 4) + L);
    case 5: return s.Round(s.percent / 101.0 * (R - L) + L);
    case 6: return s.Round(s.percent / 100.0 * (R - L - 5) + L);
    case 7: return s.Round(s.percent / 101.0 * (R - L) + L);
    case 8: return s.Round(s.percent / 101.0 * (R - L) + L);
    case 9: return s.Round(s.percent / 100.0 * (R - L - 4) + L);
    default: return 0;
    }
}

void DrawFlatStyle(DeviceContext& dc, ProgressDrawState& s)
{
    const int32_t E = FillEnd(s, 3);
    if (s.overflow)
        return;
    FrameSolidRect(dc, s.clientRc, LightenColor(s.resolvedColor, 100));
    s.fillRc = Rect{1, 1, E, s.clientRc.bottom - 1};
    FillSolidRect(dc, s.fillRc, LightenColor(s.resolvedColor, 180));
}

void DrawEtchedStyle(DeviceContext& dc, ProgressDrawState& s)
{
    const int32_t E = FillEnd(s, 4);
    if (s.overflow)
        return;
    dc.DrawEdge(s.clientRc, EDGE_ETCHED, BF_RECT);
    uint32_t first = LightenColor(s.resolvedColor, 140);
    uint32_t last = LightenColor(s.resolvedColor, 200);
    DrawGradient(dc, first, last, 2, 2, E, s.clientRc.bottom - 3, true);
}

void DrawTwinGradientStyle(DeviceContext& dc, ProgressDrawState& s)
{
    const int32_t E = FillEnd(s, 5);
    if (s.overflow)
        return;
    const int32_t R = s.clientRc.right;
    const int32_t B = s.clientRc.bottom;
    FrameSolidRect(dc, s.clientRc, LightenColor(s.resolvedColor, 10));
    s.fillRc.right = E;
    uint32_t color = s.resolvedColor;
    uint32_t light = LightenColor(color, 100);
    DrawGradient(dc, color, light, 2, 2, R - 2, B - 5, false);
    uint32_t pale = LightenColor(s.resolvedColor, 250);
    color = s.resolvedColor;
    DrawGradient(dc, pale, color, 3, 3, E, B - 6, false);
    DrawSolidLine(dc, E, 2, E, B - 2, LightenColor(s.resolvedColor, 25));
}

void DrawDarkStyle(DeviceContext& dc, ProgressDrawState& s)
{
    const int32_t E = FillEnd(s, 6);
    if (s.overflow)
        return;
    FrameSolidRect(dc, s.clientRc, MixColors(s.resolvedColor, 0x000000, 200));
    uint32_t dark = LightenColor(TranslateColor(MixColors(s.resolvedColor, 0x000000, 100)), 10);
    uint32_t black = 0x000000;
    DrawGradient(dc, black, dark, 2, 2, E, s.clientRc.bottom - 2, true);
}

void DrawHatchedStyle(DeviceContext& dc, ProgressDrawState& s)
{
    const int32_t E = FillEnd(s, 7);
    if (s.overflow)
        return;
    dc.DrawEdge(s.clientRc, EDGE_BUMP, BF_RECT);
    s.fillRc = Rect{2, 2, E, s.clientRc.bottom - 2};
    // The style is taken as a 16-bit integer; one that does not fit is an overflow.
    if (s.hatchStyle < std::numeric_limits<int16_t>::min() ||
        s.hatchStyle > std::numeric_limits<int16_t>::max()) {
        s.overflow = true;
        return;
    }
    const Brush hatch = Brush::Hatch(static_cast<int16_t>(s.hatchStyle), TranslateColor(s.resolvedColor));
    dc.SetBkColor(LightenColor(s.resolvedColor, 140));
    dc.FillRect(s.fillRc, hatch);
}

void DrawPictureStyle(DeviceContext& dc, ProgressDrawState& s)
{
    const int32_t E = FillEnd(s, 8);
    if (s.overflow)
        return;
    dc.DrawEdge(s.clientRc, BDR_SUNKENOUTER, BF_RECT);
    if (!s.pattern)
        return;
    s.fillRc.right = E;
    // Only a bitmap makes a pattern brush; an icon's handle draws nothing.
    const Brush pattern = s.pattern->IsBitmap() ? Brush::Pattern(s.pattern->Image()) : Brush();
    const Brush previous = dc.SelectBrush(pattern);
    dc.PatBlt(2, 2, E, s.clientRc.bottom - 4, PATCOPY);
    dc.SelectBrush(previous);
}

void DrawGlossyStyle(DeviceContext& dc, ProgressDrawState& s)
{
    const int32_t E = FillEnd(s, 9);
    if (s.overflow)
        return;
    const int32_t R = s.clientRc.right;
    const int32_t B = s.clientRc.bottom;
    s.fillRc.right = E;
    const int32_t h = s.Round((B - 3) / 2.0);
    uint32_t c1 = 0xFFFFFF, c2 = 0xC0C0C0;
    DrawGradient(dc, c1, c2, 2, 2, R - 3, h, false);
    c1 = MixColors(0xC0C0C0, 0x000000, 255);
    c2 = 0xC0C0C0;
    DrawGradient(dc, c1, c2, 2, h, R - 3, h, false);
    c1 = LightenColor(s.resolvedColor, 150);
    c2 = MixColors(s.resolvedColor, 0x000000, 180);
    DrawGradient(dc, c1, c2, 2, 2, E, h, false);
    c1 = MixColors(s.resolvedColor, 0x000000, 190);
    c2 = s.resolvedColor;
    DrawGradient(dc, c1, c2, 2, h, E, h, false);
    s.clientRc.left += 3;
    DrawFrame(dc, s);
}
