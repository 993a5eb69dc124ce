#pragma once
// The drawing primitives every look is made of, on the platform device
// context. Rectangles are (x, y, w, h) with right and bottom edges excluded;
// a line leaves out its end point. Each helper restores what it selects.
#include "ButtonColors.h"
#include "DeviceContext.h"

namespace button {

void Fill(DeviceContext& dc, int x, int y, int w, int h, Colour colour);
void Frame(DeviceContext& dc, int x, int y, int w, int h, Colour colour);
void Line(DeviceContext& dc, int x1, int y1, int x2, int y2, Colour colour);
void Pixel(DeviceContext& dc, int x, int y, Colour colour);
// Two-pixel outline, filled interior, over (x, y) to (x + w, y + h).
void EllipseShape(DeviceContext& dc, int x, int y, int w, int h, Colour outline, Colour fill);

// The two-ring bevel of a W x H button, inset by k (0 or 1): c1/c3 top-left,
// c2/c4 bottom-right of the outer and inner ring; outerOnly draws c1 and c2.
struct BevelColours {
    Colour c1 = 0, c2 = 0, c3 = 0, c4 = 0;
};
void Bevel(DeviceContext& dc, int w, int h, const BevelColours& colours, int inset, bool outerOnly);

// One line per row i = 1..H in Shift(base, -round(total / H * i)); row i for a
// top-down gradient, row H - i for a bottom-up one.
void Gradient(DeviceContext& dc, int w, int h, Colour base, int total, bool topDown,
              bool blueScaled, bool soft);

// The dotted focus frame, drawn with the given text colour.
void FocusRectangle(DeviceContext& dc, const Rect& rect, Colour textColour);

} // namespace button
