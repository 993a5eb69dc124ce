#pragma once
// The seven looks that fill left to right on their own terms (Scrolling 3 to 9).
#include "DeviceContext.h"
#include "ProgressDrawState.h"

void DrawFlatStyle(DeviceContext& dc, ProgressDrawState& s);
void DrawEtchedStyle(DeviceContext& dc, ProgressDrawState& s);
void DrawTwinGradientStyle(DeviceContext& dc, ProgressDrawState& s);
void DrawDarkStyle(DeviceContext& dc, ProgressDrawState& s);
void DrawHatchedStyle(DeviceContext& dc, ProgressDrawState& s);
void DrawPictureStyle(DeviceContext& dc, ProgressDrawState& s);
void DrawGlossyStyle(DeviceContext& dc, ProgressDrawState& s);

// The fill end of look `look` (3 to 9), rounded half to even; flags an overflow.
int32_t FillEnd(ProgressDrawState& s, int32_t look);
