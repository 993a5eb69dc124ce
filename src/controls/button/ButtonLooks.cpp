#include "ButtonLooks.h"

#include "ButtonPicture.h"
#include "ButtonPrimitives.h"

namespace button {

int UpCaptionState(const ButtonDrawing& d)
{
    return d.state.hovered ? 1 : 0;
}

void DrawLook(ButtonDrawing& d, Phase phase)
{
    switch (d.Look()) {
    case ButtonLook::Outlined3D: DrawOutlined3D(d, phase); break;
    case ButtonLook::Standard3D: DrawStandard3D(d, phase); break;
    case ButtonLook::BlueGradient: DrawBlueGradient(d, phase); break;
    case ButtonLook::RoundedLight: DrawRoundedLight(d, phase); break;
    case ButtonLook::FlatFramed: DrawFlatFramed(d, phase); break;
    case ButtonLook::LightBevel: DrawLightBevel(d, phase); break;
    case ButtonLook::ThinRaised: DrawThinRaised(d, phase); break;
    case ButtonLook::HoverThin: DrawHoverThin(d, phase); break;
    case ButtonLook::HoverFill: DrawHoverFill(d, phase); break;
    case ButtonLook::Transparent: DrawTransparent(d, phase); break;
    case ButtonLook::Hover3D: DrawHover3D(d, phase); break;
    case ButtonLook::Oval: DrawOval(d, phase); break;
    case ButtonLook::HighlightGradient: DrawHighlightGradient(d, phase); break;
    default: break; // PictureOnly and values without a look: the face and the picture only
    }
}

int RenderButton(DeviceContext& dc, const Palette& palette, const ButtonProperties& props,
                 const ButtonGeometry& geometry, const LookState& state, int previousCaptionState)
{
    ButtonDrawing d{dc, palette, props, geometry, state, previousCaptionState};
    const int w = geometry.width, h = geometry.height;
    dc.PatBlt(0, 0, w, h, BLACKNESS);
    FillSolidRect(dc, {0, 0, w, h}, palette.face);
    if (state.drawnState != 0 && state.drawnState != 2)
        return d.lastCaptionState;
    int pictureState = 0;
    if (!props.enabled) {
        DrawLook(d, Phase::Disabled);
        pictureState = 2;
    } else if (state.drawnState == 0) {
        DrawLook(d, Phase::Up);
    } else {
        DrawLook(d, Phase::Pressed);
        pictureState = 1;
    }
    DrawPicture(d, pictureState);
    return d.lastCaptionState;
}

} // namespace button
