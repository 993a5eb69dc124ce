#pragma once
// One whole redraw of the bar onto a device context, without the copy to the
// screen: clamp, ground, look, caption.
#include "DeviceContext.h"
#include "ProgressDrawState.h"
#include "ProgressStatus.h"

// Draws a width x height bar at (0, 0). Percent above 100 is stored back as
// 100. Returns Overflow (with the picture drawn up to that step) when the
// checked arithmetic of a step overflowed.
ProgressStatus RenderProgressBar(DeviceContext& dc, ProgressDrawState& s, int32_t width, int32_t height);
