#include "Rect.h"

#include <algorithm>

QRect Rect::ToQRect() const
{
    if (IsEmpty())
        return QRect();
    return QRect(left, top, right - left, bottom - top);
}

Rect Rect::FromQRect(const QRect& r)
{
    if (r.isEmpty())
        return Rect{};
    return Rect{r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
}

void InflateRect(Rect& r, int32_t dx, int32_t dy)
{
    r.left -= dx;
    r.top -= dy;
    r.right += dx;
    r.bottom += dy;
}

void OffsetRect(Rect& r, int32_t dx, int32_t dy)
{
    r.left += dx;
    r.right += dx;
    r.top += dy;
    r.bottom += dy;
}

bool IntersectRect(Rect& out, const Rect& a, const Rect& b)
{
    Rect r{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
           std::min(a.bottom, b.bottom)};
    if (r.IsEmpty() || a.IsEmpty() || b.IsEmpty()) {
        out = Rect{};
        return false;
    }
    out = r;
    return true;
}
