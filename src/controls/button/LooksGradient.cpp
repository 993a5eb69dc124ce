// The gradient looks: 3 (BlueGradient, the look of every button of the program)
// and 14 (HighlightGradient).
#include "ButtonCaption.h"
#include "ButtonFocus.h"
#include "ButtonLooks.h"
#include "ButtonPrimitives.h"

#include <utility>

namespace button {

namespace {

void BlueOuterFrame(DeviceContext& dc, int w, int h)
{
    FrameSolidRect(dc, {0, 0, w, h}, 0x733C00);
    for (const auto& [x, y] : {std::pair{1, 1}, {1, h - 2}, {w - 2, 1}, {w - 2, h - 2}})
        dc.SetPixelV(x, y, 0x7B4D10);
}

// The orange (hovered) and blue (focused) inner frames share one geometry.
struct InnerFrameColours {
    Colour frame, bottom, top, second, sides;
};

void InnerFrame(DeviceContext& dc, int w, int h, const InnerFrameColours& c)
{
    FrameSolidRect(dc, {1, 2, w - 1, h - 2}, c.frame);
    DrawSolidLine(dc, 2, h - 2, w - 2, h - 2, c.bottom);
    DrawSolidLine(dc, 2, 1, w - 2, 1, c.top);
    DrawSolidLine(dc, 1, 2, w - 1, 2, c.second);
    DrawSolidLine(dc, 2, 3, 2, h - 3, c.sides);
    DrawSolidLine(dc, w - 3, 3, w - 3, h - 3, c.sides);
}

void BlueGradientUp(ButtonDrawing& d)
{
    DeviceContext& dc = d.dc;
    const LookState& s = d.state;
    const int w = d.Width(), h = d.Height();
    const Colour l = d.palette.liftedFace;
    auto shade = [&](int amount) { return d.Shifted(l, amount, true); };
    Gradient(dc, {0, 0, w, h}, l, 25, true, true, d.props.softBevel);
    DrawCaption(d, UpCaptionState(d));
    BlueOuterFrame(dc, w, h);
    if (s.hovered) {
        InnerFrame(dc, w, h, {0x31B2FF, 0x0096E7, 0xCEF3FF, 0x8CDBFF, 0x6BCBFF});
    } else if (d.props.showFocusRect && (s.focused || s.displayAsDefault)) {
        InnerFrame(dc, w, h, {0xE7AE8C, 0xEF826B, 0xFFE7CE, 0xF7D7BD, 0xF0D1B5});
    } else {
        DrawSolidLine(dc, 2, h - 2, w - 2, h - 2, shade(-48));
        DrawSolidLine(dc, 1, h - 3, w - 2, h - 3, shade(-32));
        DrawSolidLine(dc, w - 2, 2, w - 2, h - 2, shade(-36));
        DrawSolidLine(dc, w - 3, 3, w - 3, h - 3, shade(-24));
        DrawSolidLine(dc, 2, 1, w - 2, 1, shade(16));
        DrawSolidLine(dc, 1, 2, w - 2, 2, shade(10));
        DrawSolidLine(dc, 1, 2, 1, h - 2, shade(-5));
        DrawSolidLine(dc, 2, 3, 2, h - 3, shade(-10));
    }
}

void BlueGradientPressed(ButtonDrawing& d)
{
    DeviceContext& dc = d.dc;
    const int w = d.Width(), h = d.Height();
    const Colour l = d.palette.liftedFace;
    const Colour p = d.Shifted(l, -32, true);
    auto shade = [&](int amount) { return d.Shifted(p, amount, true); };
    Gradient(dc, {0, 0, w, h}, p, 25, false, true, d.props.softBevel);
    DrawCaption(d, 2);
    BlueOuterFrame(dc, w, h);
    DrawSolidLine(dc, 2, h - 2, w - 2, h - 2, shade(16));
    DrawSolidLine(dc, 1, h - 3, w - 2, h - 3, shade(10));
    DrawSolidLine(dc, w - 2, 2, w - 2, h - 2, shade(5));
    DrawSolidLine(dc, w - 3, 3, w - 3, h - 3, l);
    DrawSolidLine(dc, 2, 1, w - 2, 1, shade(-32));
    DrawSolidLine(dc, 1, 2, w - 2, 2, shade(-24));
    DrawSolidLine(dc, 1, 2, 1, h - 2, shade(-32));
    DrawSolidLine(dc, 2, 2, 2, h - 2, shade(-22));
}

void BlueGradientDisabled(ButtonDrawing& d)
{
    DeviceContext& dc = d.dc;
    const int w = d.Width(), h = d.Height();
    const Colour l = d.palette.liftedFace;
    FillSolidRect(dc, {0, 0, w, h}, d.Shifted(l, -24, true));
    DrawCaption(d, 5);
    FrameSolidRect(dc, {0, 0, w, h}, d.Shifted(l, -84, true));
    const Colour corner = d.Shifted(l, -72, true);
    for (const auto& [x, y] : {std::pair{1, 1}, {1, h - 2}, {w - 2, 1}, {w - 2, h - 2}})
        dc.SetPixelV(x, y, corner);
}

// Look 14's two frames and the highlight bars at the top and left.
void HighlightFrames(ButtonDrawing& d)
{
    DeviceContext& dc = d.dc;
    const int w = d.Width(), h = d.Height();
    const Palette& p = d.palette;
    FrameSolidRect(dc, {0, 0, w, h}, d.Shifted(p.shadow, -50));
    FrameSolidRect(dc, {1, 1, w - 1, h - 1}, d.Shifted(p.face, -9));
    FillSolidRect(dc, {2, 2, w - 2, 4}, p.highlight);
    FillSolidRect(dc, {2, 4, 4, h - 2}, p.highlight);
}

} // namespace

void DrawBlueGradient(ButtonDrawing& d, Phase phase)
{
    switch (phase) {
    case Phase::Up: BlueGradientUp(d); break;
    case Phase::Pressed: BlueGradientPressed(d); break;
    case Phase::Disabled: BlueGradientDisabled(d); break;
    }
}

void DrawHighlightGradient(ButtonDrawing& d, Phase phase)
{
    DeviceContext& dc = d.dc;
    const LookState& s = d.state;
    const int w = d.Width(), h = d.Height();
    const Palette& p = d.palette;
    switch (phase) {
    case Phase::Up:
        if (s.hovered)
            FillSolidRect(dc, {0, 0, w, h}, p.light);
        else
            Gradient(dc, {0, 0, w, h}, p.highlight, 58, true, false, d.props.softBevel);
        DrawCaption(d, UpCaptionState(d), s.displayAsDefault);
        HighlightFrames(d);
        DrawFocusIfShown(d);
        break;
    case Phase::Pressed:
        FillSolidRect(dc, {1, 1, w + 1, h + 1}, d.Shifted(p.face, -9));
        FrameSolidRect(dc, {0, 0, w, h}, d.Shifted(p.shadow, -48));
        DrawSolidLine(dc, 2, h - 2, w - 2, h - 2, p.highlight);
        DrawSolidLine(dc, w - 2, 2, w - 2, h - 1, p.highlight);
        DrawCaption(d, 7);
        DrawFocusIfShown(d);
        break;
    case Phase::Disabled:
        Gradient(dc, {0, 0, w, h}, p.highlight, 58, true, false, d.props.softBevel);
        HighlightFrames(d);
        DrawCaption(d, 6);
        break;
    }
}

} // namespace button
