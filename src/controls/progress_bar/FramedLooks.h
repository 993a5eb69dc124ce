#pragma once
// The framed looks (segmented, smooth, marquee) and the steps every look
// shares: the grey frame with its shaped corners and the caption. Each step
// returns false when its checked arithmetic overflowed; the drawing stops there.
#include "DeviceContext.h"
#include "ProgressState.h"

#include <optional>

// The filled part of looks 0 to 2, with the stub a horizontal bar shows even
// at 0 percent; nullopt when the arithmetic overflows.
std::optional<Rect> FramedFill(const ProgressState& s);
bool DrawFramedLook(DeviceContext& dc, const ProgressState& s);
// The frame of looks 0 to 2 and 9 round a width x height bar.
void DrawFrame(DeviceContext& dc, int32_t width, int32_t height);
// The caption after every look, when ShowText is set. It leaves the context's
// background mode transparent.
bool DrawCaption(DeviceContext& dc, const ProgressState& s);
