#pragma once
// The bar's shading step: a run of one-pixel lines between two colours.
#include "DrawUtil.h"

// n + 1 one-pixel lines shading from endColor (first) to startColor (last),
// both colour values translated first. bH: vertical lines, colour along x,
// n = x2 and y2 the row where lines end; otherwise horizontal lines, colour
// along y, n = y2 and x2 the end column. n = 0 draws one line in endColor;
// n < 0 draws nothing.
void DrawGradient(DeviceContext& dc, uint32_t endColor, uint32_t startColor, int32_t x, int32_t y,
                  int32_t x2, int32_t y2, bool bH);
