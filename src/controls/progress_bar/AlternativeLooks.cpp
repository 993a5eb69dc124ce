#include "AlternativeLooks.h"

#include "DrawUtil.h"
#include "FramedLooks.h"
#include "ProgressColors.h"
#include "ProgressGradient.h"
#include "ProgressMath.h"

#include <limits>

namespace {

Rect Client(const ProgressState& s)
{
    return Rect{0, 0, s.width, s.height};
}

} // namespace

std::optional<int32_t> FillEnd(ProgressLook look, int32_t percent, int32_t width)
{
    // Each look has its own divisor and width base; 101 keeps looks 5, 7 and 8
    // just short of the full width at 100 percent.
    switch (look) {
    case ProgressLook::Flat: return RoundToInt32(percent / 100.0 * width);
    case ProgressLook::Etched: return RoundToInt32(percent / 100.0 * (width - 4));
    case ProgressLook::Dark: return RoundToInt32(percent / 100.0 * (width - 5));
    case ProgressLook::Glossy: return RoundToInt32(percent / 100.0 * (width - 4));
    case ProgressLook::TwinGradient:
    case ProgressLook::Hatched:
    case ProgressLook::Picture: return RoundToInt32(percent / 101.0 * width);
    default: return 0;
    }
}

bool DrawFlatLook(DeviceContext& dc, const ProgressState& s)
{
    const auto E = FillEnd(s.look, s.percent, s.width);
    if (!E)
        return false;
    FrameSolidRect(dc, Client(s), LightenColor(s.color, 100));
    FillSolidRect(dc, Rect{1, 1, *E, s.height - 1}, LightenColor(s.color, 180));
    return true;
}

bool DrawEtchedLook(DeviceContext& dc, const ProgressState& s)
{
    const auto E = FillEnd(s.look, s.percent, s.width);
    if (!E)
        return false;
    Rect edge = Client(s);
    dc.DrawEdge(edge, EDGE_ETCHED, BF_RECT);
    DrawGradient(dc, LightenColor(s.color, 140), LightenColor(s.color, 200), 2, 2, *E, s.height - 3, true);
    return true;
}

bool DrawTwinGradientLook(DeviceContext& dc, const ProgressState& s)
{
    const auto E = FillEnd(s.look, s.percent, s.width);
    if (!E)
        return false;
    const int32_t R = s.width, B = s.height;
    FrameSolidRect(dc, Client(s), LightenColor(s.color, 10));
    DrawGradient(dc, s.color, LightenColor(s.color, 100), 2, 2, R - 2, B - 5, false);
    DrawGradient(dc, LightenColor(s.color, 250), s.color, 3, 3, *E, B - 6, false);
    DrawSolidLine(dc, *E, 2, *E, B - 2, LightenColor(s.color, 25));
    return true;
}

bool DrawDarkLook(DeviceContext& dc, const ProgressState& s)
{
    const auto E = FillEnd(s.look, s.percent, s.width);
    if (!E)
        return false;
    FrameSolidRect(dc, Client(s), MixColors(s.color, 0x000000, 200));
    const ColorRef dark = LightenColor(TranslateColor(MixColors(s.color, 0x000000, 100)), 10);
    DrawGradient(dc, 0x000000, dark, 2, 2, *E, s.height - 2, true);
    return true;
}

bool DrawHatchedLook(DeviceContext& dc, const ProgressState& s)
{
    const auto E = FillEnd(s.look, s.percent, s.width);
    if (!E)
        return false;
    Rect edge = Client(s);
    dc.DrawEdge(edge, EDGE_BUMP, BF_RECT);
    // The style is taken as a 16-bit integer; one that does not fit is an overflow.
    using Limits = std::numeric_limits<int16_t>;
    if (s.hatchStyle < Limits::min() || s.hatchStyle > Limits::max())
        return false;
    const Brush hatch = Brush::Hatch(static_cast<int16_t>(s.hatchStyle), s.color);
    // Left selected: the gaps show it only while the background mode is opaque.
    dc.SetBkColor(LightenColor(s.color, 140));
    dc.FillRect(Rect{2, 2, *E, s.height - 2}, hatch);
    return true;
}

bool DrawPictureLook(DeviceContext& dc, const ProgressState& s)
{
    const auto E = FillEnd(s.look, s.percent, s.width);
    if (!E)
        return false;
    Rect edge = Client(s);
    dc.DrawEdge(edge, BDR_SUNKENOUTER, BF_RECT);
    if (!s.pattern)
        return true;
    // Only a bitmap makes a pattern brush; an icon's handle draws nothing.
    const Brush pattern = s.pattern->IsBitmap() ? Brush::Pattern(s.pattern->Image()) : Brush();
    const Brush previous = dc.SelectBrush(pattern);
    dc.PatBlt(2, 2, *E, s.height - 4, PATCOPY);
    dc.SelectBrush(previous);
    return true;
}

bool DrawGlossyLook(DeviceContext& dc, const ProgressState& s)
{
    const auto E = FillEnd(s.look, s.percent, s.width);
    const auto h = RoundToInt32((s.height - 3) / 2.0);
    if (!E || !h)
        return false;
    const int32_t R = s.width;
    DrawGradient(dc, 0xFFFFFF, 0xC0C0C0, 2, 2, R - 3, *h, false);
    DrawGradient(dc, MixColors(0xC0C0C0, 0x000000, 255), 0xC0C0C0, 2, *h, R - 3, *h, false);
    DrawGradient(dc, LightenColor(s.color, 150), MixColors(s.color, 0x000000, 180), 2, 2, *E, *h, false);
    DrawGradient(dc, MixColors(s.color, 0x000000, 190), s.color, 2, *h, *E, *h, false);
    DrawFrame(dc, R, s.height);
    return true;
}
