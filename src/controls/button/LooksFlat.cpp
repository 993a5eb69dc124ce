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
    const int w = d.Width(), h = d.Height();
    const Palette& p = d.palette;
    FillSolidRect(dc, {1, 1, w - 1, h - 1}, p.light);
    DrawCaption(d, captionState);
    FrameSolidRect(dc, {0, 0, w, h}, p.darkShadow);
    for (const auto& [x, y] : {std::pair{1, 1}, {1, h - 2}, {w - 2, 1}, {w - 2, h - 2}})
        dc.SetPixelV(x, y, p.darkShadow);
    DrawSolidLine(dc, 1, 2, 2, 0, p.face);
    DrawSolidLine(dc, 3, 2, w - 3, 2, p.highlight);
    DrawSolidLine(dc, 2, 2, 2, h - 3, p.highlight);
    dc.SetPixelV(3, 3, p.highlight);
    DrawSolidLine(dc, w - 3, 1, w - 3, h - 3, p.face);
    DrawSolidLine(dc, 1, h - 3, w - 3, h - 3, p.face);
    dc.SetPixelV(w - 4, h - 4, p.face);
    DrawSolidLine(dc, w - 2, 2, w - 2, h - 2, p.shadow);
    DrawSolidLine(dc, 2, h - 2, w - 2, h - 2, p.shadow);
    dc.SetPixelV(w - 3, h - 3, p.shadow);
}

void RoundedLightPressed(ButtonDrawing& d)
{
    DeviceContext& dc = d.dc;
    const int w = d.Width(), h = d.Height();
    const Palette& p = d.palette;
    const Colour s = d.Shifted(p.shadow, -16);
    const Colour dark64 = d.Shifted(p.shadow, -64);
    const Colour dark32 = d.Shifted(p.shadow, -32);
    FillSolidRect(dc, {1, 1, w - 1, h - 1}, s);
    // The caption's effect takes its base from the pressed fill here.
    const Colour lifted = d.palette.liftedFace;
    d.palette.liftedFace = s;
    DrawCaption(d, 2);
    d.palette.liftedFace = lifted;
    FrameSolidRect(dc, {0, 0, w, h}, p.darkShadow);
    FrameSolidRect(dc, {1, 1, w - 1, h - 1}, dark64);
    FrameSolidRect(dc, {2, 2, w - 2, h - 2}, dark32);
    dc.SetPixelV(2, 2, dark64);
    dc.SetPixelV(3, 3, dark32);
    for (const auto& [x, y] : {std::pair{1, 1}, {1, h - 2}, {w - 2, 1}, {w - 2, h - 2}})
        dc.SetPixelV(x, y, p.darkShadow);
    DrawSolidLine(dc, w - 3, 1, w - 3, h - 3, p.shadow);
    DrawSolidLine(dc, 1, h - 3, w - 2, h - 3, p.shadow);
    dc.SetPixelV(w - 4, h - 4, p.shadow);
    DrawSolidLine(dc, w - 2, 3, w - 2, h - 2, s);
    DrawSolidLine(dc, 3, h - 2, w - 2, h - 2, s);
    DrawSolidLine(dc, w - 2, h - 3, w - 4, h - 1, dark32);
    dc.SetPixelV(2, h - 2, dark32);
    dc.SetPixelV(w - 2, 2, dark32);
}

// Look 5 marks focus with a frame around the caption instead of a focus rectangle.
void CaptionFrame(ButtonDrawing& d)
{
    if (!(d.state.focused && d.props.showFocusRect))
        return;
    const Rect& c = d.geometry.layout.caption;
    FrameSolidRect(d.dc, {c.left - 2, c.top - 1, c.right + 2, c.bottom + 1}, 0xCC9999);
}

void Background(ButtonDrawing& d)
{
    if (d.state.background)
        d.dc.BitBlt(0, 0, d.Width(), d.Height(), *d.state.background, 0, 0, SRCCOPY);
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
    const int w = d.Width(), h = d.Height();
    const Palette& p = d.palette;
    switch (phase) {
    case Phase::Up:
        FillSolidRect(dc, {1, 1, w, h}, d.Shifted(p.face, 12));
        DrawCaption(d, UpCaptionState(d));
        FrameSolidRect(dc, {1, 1, w, h}, p.highlight);
        FrameSolidRect(dc, {0, 0, w - 1, h - 1}, d.Shifted(p.shadow, -26));
        dc.SetPixelV(1, h - 2, d.Shifted(p.shadow, 26));
        dc.SetPixelV(w - 2, 1, d.Shifted(p.shadow, 26));
        CaptionFrame(d);
        break;
    case Phase::Pressed:
        FillSolidRect(dc, {1, 1, w - 1, h - 1}, d.Shifted(p.shadow, 16));
        FrameSolidRect(dc, {0, 0, w - 1, h - 1}, d.Shifted(p.shadow, -26));
        DrawSolidLine(dc, w - 1, 1, w - 1, h, p.highlight);
        DrawSolidLine(dc, 1, h - 1, w - 1, h - 1, p.highlight);
        DrawCaptionText(d, d.geometry.layout.caption, p.textOver);
        CaptionFrame(d);
        break;
    case Phase::Disabled:
        DrawCaption(d, 4);
        FrameSolidRect(dc, {0, 0, w, h}, p.shadow);
        break;
    }
}

void DrawHoverFill(ButtonDrawing& d, Phase phase)
{
    DeviceContext& dc = d.dc;
    const LookState& s = d.state;
    const int w = d.Width(), h = d.Height();
    const Palette& p = d.palette;
    switch (phase) {
    case Phase::Up:
        if (s.hovered)
            FillSolidRect(dc, {1, 1, w + 1, h + 1}, p.hoverFill);
        DrawCaption(d, UpCaptionState(d));
        if (s.hovered)
            FrameSolidRect(dc, {0, 0, w, h}, p.accent);
        DrawFocusIfShown(d);
        break;
    case Phase::Pressed:
        if (s.hovered) {
            const bool custom = d.props.colorScheme == 2;
            FillSolidRect(dc, {0, 0, w, h}, custom ? d.Shifted(p.hoverFill, -32) : Tint(p.accent, 128));
        }
        DrawCaption(d, 2);
        FrameSolidRect(dc, {0, 0, w, h}, p.accent);
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
        DrawSolidEllipse(d.dc, {0, 0, d.Width(), d.Height()}, 2, s.hovered ? p.shadow : p.face, p.face);
        DrawCaption(d, UpCaptionState(d));
        break;
    case Phase::Pressed:
        DrawSolidEllipse(d.dc, {0, 0, d.Width(), d.Height()}, 2, p.darkShadow, d.Shifted(p.face, -32));
        DrawCaption(d, 2);
        break;
    case Phase::Disabled:
        DrawCaption(d, 3);
        break;
    }
}

} // namespace button
