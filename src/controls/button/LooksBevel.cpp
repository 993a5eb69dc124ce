// The bevelled looks: 1 (Outlined3D), 2 (Standard3D), 6 (LightBevel),
// 7 (ThinRaised), 8 (HoverThin) and 12 (Hover3D).
#include "ButtonCaption.h"
#include "ButtonFocus.h"
#include "ButtonLooks.h"
#include "ButtonPrimitives.h"

namespace button {

namespace {

int W(const ButtonDrawing& d) { return d.state.width; }
int H(const ButtonDrawing& d) { return d.state.height; }

void RaisedOutline(ButtonDrawing& d)
{
    const Palette& p = d.palette;
    Bevel(d.dc, W(d), H(d), {p.highlight, p.shadow, p.highlight, p.shadow}, 1, false);
    Frame(d.dc, 0, 0, W(d), H(d), p.darkShadow);
}

void ThinOuter(ButtonDrawing& d, Colour topLeft, Colour bottomRight)
{
    Bevel(d.dc, W(d), H(d), {topLeft, bottomRight, 0, 0}, 0, true);
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
        Bevel(d.dc, W(d), H(d), {p.shadow, p.highlight, p.shadow, p.highlight}, 1, false);
        Frame(d.dc, 0, 0, W(d), H(d), p.darkShadow);
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
    const bool asDefault = d.state.showFocusRect && d.state.displayAsDefault;
    switch (phase) {
    case Phase::Up:
        DrawCaption(d, UpCaptionState(d));
        if (asDefault) {
            Bevel(d.dc, W(d), H(d), {p.highlight, p.darkShadow, p.light, p.shadow}, 1, false);
            DrawFocusIfShown(d);
            Frame(d.dc, 0, 0, W(d), H(d), p.darkShadow);
        } else {
            Bevel(d.dc, W(d), H(d), {p.highlight, p.darkShadow, p.light, p.shadow}, 0, false);
        }
        break;
    case Phase::Pressed:
        DrawCaption(d, 2);
        if (asDefault) {
            Frame(d.dc, 0, 0, W(d), H(d), p.darkShadow);
            Frame(d.dc, 1, 1, W(d) - 2, H(d) - 2, p.shadow);
            DrawFocusIfShown(d);
        } else {
            Bevel(d.dc, W(d), H(d), {p.darkShadow, p.highlight, p.shadow, p.light}, 0, false);
        }
        break;
    case Phase::Disabled:
        DrawCaption(d, 3);
        Bevel(d.dc, W(d), H(d), {p.highlight, p.darkShadow, p.light, p.shadow}, 0, false);
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
        Bevel(d.dc, W(d), H(d), {s, p.shadow, s, p.shadow}, 0, false);
        DrawFocusIfShown(d);
        break;
    case Phase::Pressed:
        DrawCaption(d, 2);
        Bevel(d.dc, W(d), H(d), {p.shadow, s, p.shadow, s}, 0, false);
        DrawFocusIfShown(d);
        break;
    case Phase::Disabled:
        DrawCaption(d, 4);
        Bevel(d.dc, W(d), H(d), {s, p.shadow, s, p.shadow}, 0, false);
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
            Bevel(d.dc, W(d), H(d), {p.highlight, p.darkShadow, p.light, p.shadow}, 0, false);
        DrawFocusIfShown(d);
        break;
    case Phase::Pressed:
        DrawCaption(d, 2);
        Bevel(d.dc, W(d), H(d), {p.darkShadow, p.highlight, p.shadow, p.light}, 0, false);
        DrawFocusIfShown(d);
        break;
    case Phase::Disabled:
        DrawCaption(d, 3);
        break;
    }
}

} // namespace button
