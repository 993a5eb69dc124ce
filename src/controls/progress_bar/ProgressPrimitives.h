#pragma once
// The bar's small drawing helpers. Each makes its brush or pen, uses it and
// puts the previous selection back before it returns.
#include "DeviceContext.h"

void FillRectColor(DeviceContext& dc, const Rect& rect, uint32_t color);
void FrameRectColor(DeviceContext& dc, const Rect& rect, uint32_t color);
// A one-pixel line from (x, y) to (x2, y2), the end point left out.
void DrawLine(DeviceContext& dc, int32_t x, int32_t y, int32_t x2, int32_t y2, uint32_t color);
// n + 1 one-pixel lines shading from endColor (first) to startColor (last).
// bH: vertical lines, colour along x, n = x2 and y2 the row where lines end;
// otherwise horizontal lines, colour along y, n = y2 and x2 the end column.
// n = 0 draws one line in endColor; n < 0 draws nothing. Both colours are
// written back translated.
void DrawGradient(DeviceContext& dc, uint32_t& endColor, uint32_t& startColor, int32_t x, int32_t y,
                  int32_t x2, int32_t y2, bool bH);
