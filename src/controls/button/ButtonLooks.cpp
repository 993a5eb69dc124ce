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
    switch (d.state.look) {
    case 1: DrawOutlined3D(d, phase); break;
    case 2: DrawStandard3D(d, phase); break;
    case 3: DrawBlueGradient(d, phase); break;
    case 4: DrawRoundedLight(d, phase); break;
    case 5: DrawFlatFramed(d, phase); break;
    case 6: DrawLightBevel(d, phase); break;
    case 7: DrawThinRaised(d, phase); break;
    case 8: DrawHoverThin(d, phase); break;
    case 9: DrawHoverFill(d, phase); break;
    case 11: DrawTransparent(d, phase); break;
    case 12: DrawHover3D(d, phase); break;
    case 13: DrawOval(d, phase); break;
    case 14: DrawHighlightGradient(d, phase); break;
    default: break; // 10 and unknown values: the face and the picture only
    }
}

int RenderButton(DeviceContext& dc, const Palette& palette, const LookState& state, int drawState,
                 int previousCaptionState)
{
    ButtonDrawing d{dc, palette, state, previousCaptionState};
    const int w = state.width, h = state.height;
    dc.PatBlt(0, 0, w, h, BLACKNESS);
    FillSolidRect(dc, {0, 0, w, h}, palette.face);
    if (drawState != 0 && drawState != 2)
        return d.lastCaptionState;
    int pictureState = 0;
    if (!state.enabled) {
        DrawLook(d, Phase::Disabled);
        pictureState = 2;
    } else if (drawState == 0) {
        DrawLook(d, Phase::Up);
    } else {
        DrawLook(d, Phase::Pressed);
        pictureState = 1;
    }
    DrawPicture(d, pictureState);
    return d.lastCaptionState;
}

} // namespace button
