#pragma once
// One whole drawing of the bar onto a device context, without the copy to the
// screen: ground, look, caption.
#include "DeviceContext.h"
#include "ProgressState.h"
#include "ProgressStatus.h"

// Draws the s.width x s.height bar at (0, 0), a percentage above 100 as 100.
// Returns Overflow (with the picture drawn up to that step) when the checked
// arithmetic of a step overflowed.
ProgressStatus RenderProgressBar(DeviceContext& dc, const ProgressState& s);
