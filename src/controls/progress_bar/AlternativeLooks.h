#pragma once
// The seven looks that fill left to right on their own terms (Scrolling 3 to
// 9). Each returns false when its checked arithmetic overflowed.
#include "DeviceContext.h"
#include "ProgressState.h"

#include <optional>

bool DrawFlatLook(DeviceContext& dc, const ProgressState& s);
bool DrawEtchedLook(DeviceContext& dc, const ProgressState& s);
bool DrawTwinGradientLook(DeviceContext& dc, const ProgressState& s);
bool DrawDarkLook(DeviceContext& dc, const ProgressState& s);
bool DrawHatchedLook(DeviceContext& dc, const ProgressState& s);
bool DrawPictureLook(DeviceContext& dc, const ProgressState& s);
bool DrawGlossyLook(DeviceContext& dc, const ProgressState& s);

// Where the fill of `look` (3 to 9) ends in a bar `width` wide, rounded half
// to even; nullopt when it does not fit 32 bits.
std::optional<int32_t> FillEnd(ProgressLook look, int32_t percent, int32_t width);
