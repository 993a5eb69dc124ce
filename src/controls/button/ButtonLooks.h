#pragma once
// The fourteen looks of the button. Each draws over the face fill in one of
// three phases and calls the caption operation itself; the picture comes after.
#include "ButtonDrawing.h"

namespace button {

enum class Phase { Up, Pressed, Disabled };

// Gradient family (LooksGradient.cpp).
void DrawBlueGradient(ButtonDrawing& d, Phase phase);        // 3
void DrawHighlightGradient(ButtonDrawing& d, Phase phase);   // 14
// Bevel family (LooksBevel.cpp).
void DrawOutlined3D(ButtonDrawing& d, Phase phase);          // 1
void DrawStandard3D(ButtonDrawing& d, Phase phase);          // 2
void DrawLightBevel(ButtonDrawing& d, Phase phase);          // 6
void DrawThinRaised(ButtonDrawing& d, Phase phase);          // 7
void DrawHoverThin(ButtonDrawing& d, Phase phase);           // 8
void DrawHover3D(ButtonDrawing& d, Phase phase);             // 12
// Flat and shaped family (LooksFlat.cpp).
void DrawRoundedLight(ButtonDrawing& d, Phase phase);        // 4
void DrawFlatFramed(ButtonDrawing& d, Phase phase);          // 5
void DrawHoverFill(ButtonDrawing& d, Phase phase);           // 9
void DrawTransparent(ButtonDrawing& d, Phase phase);         // 11
void DrawOval(ButtonDrawing& d, Phase phase);                // 13

// The look of ButtonType; PictureOnly and values without a look draw nothing over the face.
void DrawLook(ButtonDrawing& d, Phase phase);

// The up looks' caption: state 1 while hovered, 0 otherwise.
int UpCaptionState(const ButtonDrawing& d);

// One full drawing of the control (steps after the skip rule): clears the
// surface, fills the face, draws the look for state.drawnState 0 (up) or 2
// (pressed) and then the picture. Returns the last caption state.
int RenderButton(DeviceContext& dc, const Palette& palette, const ButtonProperties& props,
                 const ButtonGeometry& geometry, const LookState& state, int previousCaptionState);

} // namespace button
