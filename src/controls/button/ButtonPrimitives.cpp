#include "ButtonPrimitives.h"

#include "Brush.h"
#include "Pen.h"

namespace button {

void Fill(DeviceContext& dc, int x, int y, int w, int h, Colour colour)
{
    dc.FillRect(Rect{x, y, x + w, y + h}, Brush::Solid(colour));
}

void Frame(DeviceContext& dc, int x, int y, int w, int h, Colour colour)
{
    dc.FrameRect(Rect{x, y, x + w, y + h}, Brush::Solid(colour));
}

void Line(DeviceContext& dc, int x1, int y1, int x2, int y2, Colour colour)
{
    const Pen old = dc.SelectPen(Pen::Create(PS_SOLID, 1, colour));
    dc.MoveToEx(x1, y1);
    dc.LineTo(x2, y2);
    dc.SelectPen(old);
}

void Pixel(DeviceContext& dc, int x, int y, Colour colour)
{
    dc.SetPixelV(x, y, colour);
}

void EllipseShape(DeviceContext& dc, int x, int y, int w, int h, Colour outline, Colour fill)
{
    const Pen oldPen = dc.SelectPen(Pen::Create(PS_SOLID, 2, outline));
    const Brush oldBrush = dc.SelectBrush(Brush::Solid(fill));
    dc.Ellipse(x, y, x + w, y + h);
    dc.SelectBrush(oldBrush);
    dc.SelectPen(oldPen);
}

void Bevel(DeviceContext& dc, int w, int h, const BevelColours& c, int k, bool outerOnly)
{
    const int r = w - 1 - k, b = h - 1 - k;
    const Pen old = dc.SelectPen(Pen::Create(PS_SOLID, 1, c.c1));
    dc.MoveToEx(k, b);
    dc.LineTo(k, k);
    dc.LineTo(r, k);
    dc.SelectPen(Pen::Create(PS_SOLID, 1, c.c2));
    dc.LineTo(r, b);
    dc.LineTo(k - 1, b);
    if (!outerOnly) {
        dc.SelectPen(Pen::Create(PS_SOLID, 1, c.c3));
        dc.MoveToEx(k + 1, b - 1);
        dc.LineTo(k + 1, k + 1);
        dc.LineTo(r - 1, k + 1);
        dc.SelectPen(Pen::Create(PS_SOLID, 1, c.c4));
        dc.LineTo(r - 1, b - 1);
        dc.LineTo(k, b - 1);
    }
    dc.SelectPen(old);
}

void Gradient(DeviceContext& dc, int w, int h, Colour base, int total, bool topDown,
              bool blueScaled, bool soft)
{
    if (h <= 0)
        return;
    // The step is held in single precision, as the rows' shades were always computed.
    const float step = static_cast<float>(total) / static_cast<float>(h);
    const Pen old = dc.SelectPen(Pen::Create(PS_SOLID, 1, 0));
    for (int i = 1; i <= h; ++i) {
        const float amount = step * static_cast<float>(i);
        const Colour colour = Shift(base, -RoundHalfEven(amount), blueScaled, soft);
        const int y = topDown ? i : h - i;
        dc.SelectPen(Pen::Create(PS_SOLID, 1, colour));
        dc.MoveToEx(0, y);
        dc.LineTo(w, y);
    }
    dc.SelectPen(old);
}

void FocusRectangle(DeviceContext& dc, const Rect& rect, Colour textColour)
{
    const ColorRef old = dc.SetTextColor(textColour);
    dc.DrawFocusRect(rect);
    dc.SetTextColor(old);
}

} // namespace button
