#include "FramedLooks.h"

#include "DrawUtil.h"
#include "ProgressColors.h"
#include "ProgressGradient.h"
#include "ProgressMath.h"

namespace {

// Looks 0 to 2 leave three columns on the left for the frame.
constexpr int32_t kFrameLeft = 3;
constexpr int32_t kBlockGap = 2;

int32_t BlockWidth(const ProgressState& s)
{
    return s.look == ProgressLook::Segmented ? 6 : 0;
}

bool DrawMarquee(DeviceContext& dc, const ProgressState& s, const Rect& fill)
{
    const int32_t R = s.width, B = s.height;
    for (int i = 0; i < 3; ++i) {
        const ColorRef first = LightenColor(s.color, 220 - 40 * i);
        const ColorRef last = LightenColor(s.color, 200 - 40 * i);
        if (s.vertical) {
            DrawGradient(dc, first, last, R - 2, fill.top + 12 * i, 2, 9, false);
            continue;
        }
        // Three blocks 10 wide, 2 apart, travelling with the percentage.
        const auto lag = CheckedSub(100, s.percent);
        const auto left = lag ? RoundToInt32(fill.right + 12 * i - *lag / 100.0 * 45) : std::nullopt;
        if (!left)
            return false;
        DrawGradient(dc, first, last, *left, 3, 9, B - 2, true);
    }
    return true;
}

bool DrawFramedFill(DeviceContext& dc, const ProgressState& s, const Rect& fill)
{
    if (s.look == ProgressLook::Marquee)
        return DrawMarquee(dc, s, fill);
    const int32_t R = s.width, B = s.height;
    const ColorRef light = LightenColor(s.color, 150);
    if (s.vertical) {
        DrawGradient(dc, light, s.color, 4, fill.top, 4, B, true);
        FillSolidRect(dc, Rect{9, fill.top, R - 8, B}, s.color);
        DrawGradient(dc, s.color, light, R - 8, fill.top, 4, B, true);
    } else {
        const int32_t rr = fill.right + 4 > R ? fill.right - 4 : fill.right;
        DrawGradient(dc, light, s.color, 4, 3, rr, 6, false);
        FillSolidRect(dc, Rect{4, 8, rr, B - 8}, s.color);
        DrawGradient(dc, s.color, light, 4, B - 10, rr, 6, false);
    }
    return true;
}

// White gaps across the fill: two columns (or rows) after every block.
void DrawBlockGaps(DeviceContext& dc, const ProgressState& s, const Rect& fill)
{
    const int32_t period = BlockWidth(s) + kBlockGap;
    if (s.vertical) {
        for (int32_t y = fill.bottom; y >= fill.top + BlockWidth(s); y -= period)
            FillSolidRect(dc, Rect{kFrameLeft, y - 2, s.width, y - 2 + kBlockGap}, 0xFFFFFF);
    } else {
        for (int32_t x = fill.left + BlockWidth(s); x <= fill.right; x += period)
            FillSolidRect(dc, Rect{x + 1, 0, x + 1 + kBlockGap, s.height}, 0xFFFFFF);
    }
}

} // namespace

std::optional<Rect> FramedFill(const ProgressState& s)
{
    const int32_t period = BlockWidth(s) + kBlockGap;
    const int32_t L = kFrameLeft, R = s.width, B = s.height;
    Rect fill{L, 0, R, B};
    // 98, not 100: the bar looks full from 98 percent on.
    const double fraction = s.percent < 0 ? 0 : s.percent / 98.0;
    if (s.vertical) {
        const auto o = RoundToInt32(B * (1 - fraction));
        if (!o)
            return std::nullopt;
        fill.top = *o - ((*o - fill.bottom) % period);
        if (fill.top > B)
            fill.top = B;
        return fill;
    }
    const auto m = RoundToInt32((R - L) * fraction + L);
    if (!m)
        return std::nullopt;
    fill.right = *m - ((*m - L) % period);
    if (fill.right < L)
        fill.right = L;
    // A short stub shows even at 0 percent.
    if (fill.right <= 14)
        fill.right = 12;
    return fill;
}

bool DrawFramedLook(DeviceContext& dc, const ProgressState& s)
{
    const auto fill = FramedFill(s);
    if (!fill || !DrawFramedFill(dc, s, *fill))
        return false;
    if (s.look == ProgressLook::Segmented)
        DrawBlockGaps(dc, s, *fill);
    DrawFrame(dc, s.width, s.height);
    return true;
}

void DrawFrame(DeviceContext& dc, int32_t R, int32_t B)
{
    DrawSolidLine(dc, 2, 1, R - 2, 1, 0xBEBEBE);
    DrawSolidLine(dc, 2, B - 2, R - 2, B - 2, 0xEFEFEF);
    DrawSolidLine(dc, 1, 2, 1, B - 2, 0xBEBEBE);
    DrawSolidLine(dc, 2, 2, 2, B - 2, 0xEFEFEF);
    DrawSolidLine(dc, 2, 2, R - 2, 2, 0xEFEFEF);
    DrawSolidLine(dc, R - 2, 2, R - 2, B - 2, 0xEFEFEF);
    FrameSolidRect(dc, Rect{0, 0, R, B}, 0x686868);
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
        dc.SetPixelV(p.x, p.y, p.color);
}

bool DrawCaption(DeviceContext& dc, const ProgressState& s)
{
    if (!s.showCaption)
        return true;
    const int32_t R = s.width, B = s.height;
    const QString caption = s.Caption();
    const bool twoColour = s.look == ProgressLook::Dark || s.look == ProgressLook::Glossy;

    QFont previous = dc.SelectFont(s.font);
    dc.SetBkMode(TRANSPARENT); // stays transparent afterwards, as the hatched look relies on
    dc.SetTextColor(s.look == ProgressLook::Dark ? 0xC0C0C0 : 0x000040);
    Rect measure{0, 0, 0, 0};
    dc.DrawText(caption, measure, DT_CALCRECT);
    const auto left = RoundToInt32(R / 2.0 - measure.Width() / 2.0);
    const auto top = RoundToInt32(B / 2.0 - measure.Height() / 2.0);
    if (!left || !top) {
        dc.SelectFont(previous);
        return false;
    }
    Rect text{*left, *top, *left + measure.Width(), *top + measure.Height()};
    // Where the fill is taken to end, for the two-colour captions; a mirrored
    // bar fills from the right, so its fill begins there.
    const double ext = s.percent / 100.0 * R;
    const bool mirrored = s.Mirrored();
    const bool covered = mirrored ? R - ext < text.left : ext > text.right;
    if (!(twoColour && covered))
        dc.DrawText(caption, text, DT_SINGLELINE);
    dc.SelectFont(previous);
    if (!twoColour || (mirrored ? R - ext > text.right : ext < text.left))
        return true;

    // The part over the fill again, in the second colour.
    previous = dc.SelectFont(s.font);
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(s.look == ProgressLook::Dark ? LightenColor(s.color, 80) : 0xFFFFFF);
    const auto overLeft = RoundToInt32(mirrored ? R - ext : R / 2.0 - (text.right - text.left) / 2.0);
    const auto overRight = RoundToInt32(mirrored ? text.right : ext);
    if (overLeft && overRight) {
        Rect over{*overLeft, text.top, *overRight, text.bottom};
        dc.DrawText(caption, over, DT_SINGLELINE | (mirrored ? DT_RIGHT : 0u));
    }
    dc.SelectFont(previous);
    return overLeft && overRight;
}
