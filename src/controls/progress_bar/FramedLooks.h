#pragma once
// The steps of the framed looks (segmented, smooth, marquee) and the ones all
// looks share: the grey frame with shaped corners and the caption.
#include "DeviceContext.h"
#include "ProgressDrawState.h"

void CalcFill(DeviceContext& dc, ProgressDrawState& s);
void DrawFill(DeviceContext& dc, ProgressDrawState& s);
void DrawSeparators(DeviceContext& dc, ProgressDrawState& s);
// Expects clientRc.left to be 3 (as the fill geometry leaves it) and puts it back to 0.
void DrawFrame(DeviceContext& dc, ProgressDrawState& s);
void DrawCaption(DeviceContext& dc, ProgressDrawState& s);
