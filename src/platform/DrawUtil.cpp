#include "DrawUtil.h"

void FillSolidRect(DeviceContext& dc, const Rect& rect, uint32_t colorValue)
{
    dc.FillRect(rect, Brush::Solid(colorValue));
}

void FrameSolidRect(DeviceContext& dc, const Rect& rect, uint32_t colorValue)
{
    dc.FrameRect(rect, Brush::Solid(colorValue));
}

void DrawSolidLine(DeviceContext& dc, int x1, int y1, int x2, int y2, uint32_t colorValue)
{
    const Pen previousPen = dc.SelectPen(Pen::Create(PS_SOLID, 1, colorValue));
    const QPoint previousPosition = dc.MoveToEx(x1, y1);
    dc.LineTo(x2, y2);
    dc.MoveToEx(previousPosition.x(), previousPosition.y());
    dc.SelectPen(previousPen);
}

void DrawSolidEllipse(DeviceContext& dc, const Rect& box, int penWidth, uint32_t outline,
                      uint32_t fill)
{
    const Pen previousPen = dc.SelectPen(Pen::Create(PS_SOLID, penWidth, outline));
    const Brush previousBrush = dc.SelectBrush(Brush::Solid(fill));
    dc.Ellipse(box.left, box.top, box.right, box.bottom);
    dc.SelectBrush(previousBrush);
    dc.SelectPen(previousPen);
}

void DrawFocusRectWith(DeviceContext& dc, const Rect& rect, uint32_t textColorValue)
{
    const ColorRef previous = dc.SetTextColor(textColorValue);
    dc.DrawFocusRect(rect);
    dc.SetTextColor(previous);
}
