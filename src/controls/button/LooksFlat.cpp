// The flat and shaped looks: 4 (RoundedLight), 5 (FlatFramed), 9 (HoverFill),
// 11 (Transparent) and 13 (Oval). Look 10 (PictureOnly) draws nothing here.
#include "ButtonCaption.h"
#include "ButtonFocus.h"
#include "ButtonLooks.h"
#include "ButtonPrimitives.h"

#include <utility>

namespace button {

namespace {

void RoundedLightUp(ButtonDrawing& d, int captionState)
{
    DeviceContext& dc = d.dc;
    const int w = d.state.width, h = d.state.height;
    const Palette& p = d.palette;
    Fill(dc, 1, 1, w - 2, h - 2, p.light);
    DrawCaption(d, captionState);
    Frame(dc, 0, 0, w, h, p.darkShadow);
    for (const auto& [x, y] : {std::pair{1, 1}, {1, h - 2}, {w - 2, 1}, {w - 2, h - 2}})
        Pixel(dc, x, y, p.darkShadow);
    Line(dc, 1, 2, 2, 0, p.face);
    Line(dc, 3, 2, w - 3, 2, p.highlight);
    Line(dc, 2, 2, 2, h - 3, p.highlight);
    Pixel(dc, 3, 3, p.highlight);
    Line(dc, w - 3, 1, w - 3, h - 3, p.face);
    Line(dc, 1, h - 3, w - 3, h - 3, p.face);
    Pixel(dc, w - 4, h - 4, p.face);
    Line(dc, w - 2, 2, w - 2, h - 2, p.shadow);
    Line(dc, 2, h - 2, w - 2, h - 2, p.shadow);
    Pixel(dc, w - 3, h - 3, p.shadow);
}

void RoundedLightPressed(ButtonDrawing& d)
{
    DeviceContext& dc = d.dc;
    const int w = d.state.width, h = d.state.height;
    const Palette& p = d.palette;
    const Colour s = d.Shifted(p.shadow, -16);
    const Colour dark64 = d.Shifted(p.shadow, -64);
    const Colour dark32 = d.Shifted(p.shadow, -32);
    Fill(dc, 1, 1, w - 2, h - 2, s);
    // The caption's effect takes its base from the pressed fill here.
    const Colour lifted = d.palette.liftedFace;
    d.palette.liftedFace = s;
    DrawCaption(d, 2);
    d.palette.liftedFace = lifted;
    Frame(dc, 0, 0, w, h, p.darkShadow);
    Frame(dc, 1, 1, w - 2, h - 2, dark64);
    Frame(dc, 2, 2, w - 4, h - 4, dark32);
    Pixel(dc, 2, 2, dark64);
    Pixel(dc, 3, 3, dark32);
    for (const auto& [x, y] : {std::pair{1, 1}, {1, h - 2}, {w - 2, 1}, {w - 2, h - 2}})
        Pixel(dc, x, y, p.darkShadow);
    Line(dc, w - 3, 1, w - 3, h - 3, p.shadow);
    Line(dc, 1, h - 3, w - 2, h - 3, p.shadow);
    Pixel(dc, w - 4, h - 4, p.shadow);
    Line(dc, w - 2, 3, w - 2, h - 2, s);
    Line(dc, 3, h - 2, w - 2, h - 2, s);
    Line(dc, w - 2, h - 3, w - 4, h - 1, dark32);
    Pixel(dc, 2, h - 2, dark32);
    Pixel(dc, w - 2, 2, dark32);
}

// Look 5 marks focus with a frame around the caption instead of a focus rectangle.
void CaptionFrame(ButtonDrawing& d)
{
    if (!(d.state.focused && d.state.showFocusRect))
        return;
    const Rect& c = d.state.layout.caption;
    Frame(d.dc, c.left - 2, c.top - 1, c.Width() + 4, c.Height() + 2, 0xCC9999);
}

void Background(ButtonDrawing& d)
{
    if (d.state.background)
        d.dc.BitBlt(0, 0, d.state.width, d.state.height, *d.state.background, 0, 0, SRCCOPY);
}

} // namespace

void DrawRoundedLight(ButtonDrawing& d, Phase phase)
{
    switch (phase) {
    case Phase::Up: RoundedLightUp(d, UpCaptionState(d)); break;
    case Phase::Pressed: RoundedLightPressed(d); break;
    case Phase::Disabled: RoundedLightUp(d, 3); break;
    }
}

void DrawFlatFramed(ButtonDrawing& d, Phase phase)
{
    DeviceContext& dc = d.dc;
    const int w = d.state.width, h = d.state.height;
    const Palette& p = d.palette;
    switch (phase) {
    case Phase::Up:
        Fill(dc, 1, 1, w - 1, h - 1, d.Shifted(p.face, 12));
        DrawCaption(d, UpCaptionState(d));
        Frame(dc, 1, 1, w - 1, h - 1, p.highlight);
        Frame(dc, 0, 0, w - 1, h - 1, d.Shifted(p.shadow, -26));
        Pixel(dc, 1, h - 2, d.Shifted(p.shadow, 26));
        Pixel(dc, w - 2, 1, d.Shifted(p.shadow, 26));
        CaptionFrame(d);
        break;
    case Phase::Pressed:
        Fill(dc, 1, 1, w - 2, h - 2, d.Shifted(p.shadow, 16));
        Frame(dc, 0, 0, w - 1, h - 1, d.Shifted(p.shadow, -26));
        Line(dc, w - 1, 1, w - 1, h, p.highlight);
        Line(dc, 1, h - 1, w - 1, h - 1, p.highlight);
        DrawCaptionText(d, d.state.layout.caption, p.textOver);
        CaptionFrame(d);
        break;
    case Phase::Disabled:
        DrawCaption(d, 4);
        Frame(dc, 0, 0, w, h, p.shadow);
        break;
    }
}

void DrawHoverFill(ButtonDrawing& d, Phase phase)
{
    DeviceContext& dc = d.dc;
    const LookState& s = d.state;
    const int w = s.width, h = s.height;
    const Palette& p = d.palette;
    switch (phase) {
    case Phase::Up:
        if (s.hovered)
            Fill(dc, 1, 1, w, h, p.hoverFill);
        DrawCaption(d, UpCaptionState(d));
        if (s.hovered)
            Frame(dc, 0, 0, w, h, p.accent);
        DrawFocusIfShown(d);
        break;
    case Phase::Pressed:
        if (s.hovered)
            Fill(dc, 0, 0, w, h, s.scheme == 2 ? d.Shifted(p.hoverFill, -32) : Tint(p.accent, 128));
        DrawCaption(d, 2);
        Frame(dc, 0, 0, w, h, p.accent);
        DrawFocusIfShown(d);
        break;
    case Phase::Disabled:
        DrawCaption(d, 4);
        break;
    }
}

void DrawTransparent(ButtonDrawing& d, Phase phase)
{
    Background(d);
    switch (phase) {
    case Phase::Up:
        DrawCaption(d, UpCaptionState(d));
        DrawFocusIfShown(d);
        break;
    case Phase::Pressed:
        DrawCaption(d, 2);
        DrawFocusIfShown(d);
        break;
    case Phase::Disabled:
        DrawCaption(d, 3);
        break;
    }
}

void DrawOval(ButtonDrawing& d, Phase phase)
{
    const LookState& s = d.state;
    const Palette& p = d.palette;
    switch (phase) {
    case Phase::Up:
        EllipseShape(d.dc, 0, 0, s.width, s.height, s.hovered ? p.shadow : p.face, p.face);
        DrawCaption(d, UpCaptionState(d));
        break;
    case Phase::Pressed:
        EllipseShape(d.dc, 0, 0, s.width, s.height, p.darkShadow, d.Shifted(p.face, -32));
        DrawCaption(d, 2);
        break;
    case Phase::Disabled:
        DrawCaption(d, 3);
        break;
    }
}

} // namespace button
