#pragma once
// Drawing helpers over the device context in the manner of Qt's qdrawutil:
// each takes its rectangle (half-open: right and bottom outside) or end points
// and its colours explicitly, and puts back every selection it changes. Colour
// values may name system colours; they are translated as Windows does.
#include "DeviceContext.h"

// FillRect with a solid brush of `colorValue`; nothing for an empty rectangle.
void FillSolidRect(DeviceContext& dc, const Rect& rect, uint32_t colorValue);
// FrameRect with a solid brush: the one-pixel border just inside `rect`.
void FrameSolidRect(DeviceContext& dc, const Rect& rect, uint32_t colorValue);
// A one-pixel line from (x1, y1) to (x2, y2); the end point is left out.
void DrawSolidLine(DeviceContext& dc, int x1, int y1, int x2, int y2, uint32_t colorValue);
// An ellipse in `box` with a solid pen of `penWidth` in `outline` over a solid `fill`.
void DrawSolidEllipse(DeviceContext& dc, const Rect& box, int penWidth, uint32_t outline,
                      uint32_t fill);
// DrawFocusRect with `textColorValue` as the text colour its pattern XORs with.
void DrawFocusRectWith(DeviceContext& dc, const Rect& rect, uint32_t textColorValue);
