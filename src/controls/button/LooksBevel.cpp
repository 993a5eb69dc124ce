// The bevelled looks: 1 (Outlined3D), 2 (Standard3D), 6 (LightBevel),
// 7 (ThinRaised), 8 (HoverThin) and 12 (Hover3D).
#include "ButtonCaption.h"
#include "ButtonFocus.h"
#include "ButtonLooks.h"
#include "ButtonPrimitives.h"

namespace button {

namespace {

// The button's rectangle with `inset` pixels taken off every side.
Rect Inset(const ButtonDrawing& d, int inset)
{
    return Rect{inset, inset, d.Width() - inset, d.Height() - inset};
}

void RaisedOutline(ButtonDrawing& d)
{
    const Palette& p = d.palette;
    Bevel(d.dc, Inset(d, 1), {p.highlight, p.shadow, p.highlight, p.shadow}, false);
    FrameSolidRect(d.dc, Inset(d, 0), p.darkShadow);
}

void ThinOuter(ButtonDrawing& d, Colour topLeft, Colour bottomRight)
{
    Bevel(d.dc, Inset(d, 0), {topLeft, bottomRight, 0, 0}, true);
}

} // namespace

void DrawOutlined3D(ButtonDrawing& d, Phase phase)
{
    const Palette& p = d.palette;
    switch (phase) {
    case Phase::Up:
        DrawCaption(d, UpCaptionState(d));
        RaisedOutline(d);
        DrawFocusIfShown(d);
        break;
    case Phase::Pressed:
        DrawCaption(d, 2);
        Bevel(d.dc, Inset(d, 1), {p.shadow, p.highlight, p.shadow, p.highlight}, false);
        FrameSolidRect(d.dc, Inset(d, 0), p.darkShadow);
        DrawFocusIfShown(d);
        break;
    case Phase::Disabled:
        DrawCaption(d, 3);
        RaisedOutline(d);
        break;
    }
}

void DrawStandard3D(ButtonDrawing& d, Phase phase)
{
    const Palette& p = d.palette;
    const bool asDefault = d.props.showFocusRect && d.state.displayAsDefault;
    switch (phase) {
    case Phase::Up:
        DrawCaption(d, UpCaptionState(d));
        if (asDefault) {
            Bevel(d.dc, Inset(d, 1), {p.highlight, p.darkShadow, p.light, p.shadow}, false);
            DrawFocusIfShown(d);
            FrameSolidRect(d.dc, Inset(d, 0), p.darkShadow);
        } else {
            Bevel(d.dc, Inset(d, 0), {p.highlight, p.darkShadow, p.light, p.shadow}, false);
        }
        break;
    case Phase::Pressed:
        DrawCaption(d, 2);
        if (asDefault) {
            FrameSolidRect(d.dc, Inset(d, 0), p.darkShadow);
            FrameSolidRect(d.dc, Inset(d, 1), p.shadow);
            DrawFocusIfShown(d);
        } else {
            Bevel(d.dc, Inset(d, 0), {p.darkShadow, p.highlight, p.shadow, p.light}, false);
        }
        break;
    case Phase::Disabled:
        DrawCaption(d, 3);
        Bevel(d.dc, Inset(d, 0), {p.highlight, p.darkShadow, p.light, p.shadow}, false);
        break;
    }
}

void DrawLightBevel(ButtonDrawing& d, Phase phase)
{
    const Palette& p = d.palette;
    const Colour s = d.Shifted(p.light, 8);
    switch (phase) {
    case Phase::Up:
        DrawCaption(d, UpCaptionState(d));
        Bevel(d.dc, Inset(d, 0), {s, p.shadow, s, p.shadow}, false);
        DrawFocusIfShown(d);
        break;
    case Phase::Pressed:
        DrawCaption(d, 2);
        Bevel(d.dc, Inset(d, 0), {p.shadow, s, p.shadow, s}, false);
        DrawFocusIfShown(d);
        break;
    case Phase::Disabled:
        DrawCaption(d, 4);
        Bevel(d.dc, Inset(d, 0), {s, p.shadow, s, p.shadow}, false);
        break;
    }
}

void DrawThinRaised(ButtonDrawing& d, Phase phase)
{
    const Palette& p = d.palette;
    switch (phase) {
    case Phase::Up:
        DrawCaption(d, UpCaptionState(d));
        ThinOuter(d, p.highlight, p.shadow);
        DrawFocusIfShown(d);
        break;
    case Phase::Pressed:
        DrawCaption(d, 2);
        ThinOuter(d, p.shadow, p.highlight);
        DrawFocusIfShown(d);
        break;
    case Phase::Disabled:
        DrawCaption(d, 3);
        ThinOuter(d, p.highlight, p.shadow);
        break;
    }
}

void DrawHoverThin(ButtonDrawing& d, Phase phase)
{
    const Palette& p = d.palette;
    switch (phase) {
    case Phase::Up:
        DrawCaption(d, UpCaptionState(d));
        if (d.state.hovered)
            ThinOuter(d, p.highlight, p.shadow);
        DrawFocusIfShown(d);
        break;
    case Phase::Pressed:
        DrawThinRaised(d, phase);
        break;
    case Phase::Disabled:
        DrawCaption(d, 3);
        break;
    }
}

void DrawHover3D(ButtonDrawing& d, Phase phase)
{
    const Palette& p = d.palette;
    switch (phase) {
    case Phase::Up:
        DrawCaption(d, UpCaptionState(d));
        if (d.state.hovered)
            Bevel(d.dc, Inset(d, 0), {p.highlight, p.darkShadow, p.light, p.shadow}, false);
        DrawFocusIfShown(d);
        break;
    case Phase::Pressed:
        DrawCaption(d, 2);
        Bevel(d.dc, Inset(d, 0), {p.darkShadow, p.highlight, p.shadow, p.light}, false);
        DrawFocusIfShown(d);
        break;
    case Phase::Disabled:
        DrawCaption(d, 3);
        break;
    }
}

} // namespace button
