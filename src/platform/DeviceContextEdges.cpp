// The device context's edges: DrawEdge's bevelled rings in the system colours
// and the dotted focus frame.
#include "DeviceContext.h"

#include "SystemColors.h"

bool DeviceContext::DrawEdge(Rect& rect, uint32_t edge, uint32_t flags)
{
    const uint32_t outer = edge & (BDR_RAISEDOUTER | BDR_SUNKENOUTER);
    const uint32_t inner = edge & (BDR_RAISEDINNER | BDR_SUNKENINNER);
    auto line = [&](int l, int t, int r, int b, int sysColor) {
        PatternRect(Rect{l, t, r, b}, Brush::Solid(SYSTEM_COLOR_FLAG | sysColor), PATCOPY);
    };
    const Rect rc = rect;
    int ltOuter = -1, rbOuter = -1, ltInner = -1, rbInner = -1;
    if (outer == BDR_RAISEDOUTER) {
        ltOuter = COLOR_3DLIGHT;
        rbOuter = COLOR_3DDKSHADOW;
    } else if (outer == BDR_SUNKENOUTER) {
        ltOuter = COLOR_BTNSHADOW;
        rbOuter = COLOR_BTNHIGHLIGHT;
    }
    if (inner == BDR_RAISEDINNER) {
        ltInner = COLOR_BTNHIGHLIGHT;
        rbInner = COLOR_BTNSHADOW;
    } else if (inner == BDR_SUNKENINNER) {
        ltInner = COLOR_3DDKSHADOW;
        rbInner = COLOR_3DLIGHT;
    }
    const bool hasOuter = ltOuter >= 0, hasInner = ltInner >= 0;
    // Outer ring, then inner ring; within a ring top, left, bottom, right, so the
    // top-left corner belongs to the light side and the other three to the dark side.
    if (hasOuter) {
        if (flags & BF_TOP) line(rc.left, rc.top, rc.right, rc.top + 1, ltOuter);
        if (flags & BF_LEFT) line(rc.left, rc.top, rc.left + 1, rc.bottom, ltOuter);
        if (flags & BF_BOTTOM) line(rc.left, rc.bottom - 1, rc.right, rc.bottom, rbOuter);
        if (flags & BF_RIGHT) line(rc.right - 1, rc.top, rc.right, rc.bottom, rbOuter);
    }
    const int d = hasOuter ? 1 : 0;
    if (hasInner) {
        const int l = rc.left + ((flags & BF_LEFT) ? d : 0), t = rc.top + ((flags & BF_TOP) ? d : 0);
        const int r = rc.right - ((flags & BF_RIGHT) ? d : 0), b = rc.bottom - ((flags & BF_BOTTOM) ? d : 0);
        if (flags & BF_TOP) line(l, t, r, t + 1, ltInner);
        if (flags & BF_LEFT) line(l, t, l + 1, b, ltInner);
        if (flags & BF_BOTTOM) line(l, b - 1, r, b, rbInner);
        if (flags & BF_RIGHT) line(r - 1, t, r, b, rbInner);
    }
    const int width = (hasOuter ? 1 : 0) + (hasInner ? 1 : 0);
    Rect inside = rc;
    if (flags & BF_LEFT) inside.left += width;
    if (flags & BF_TOP) inside.top += width;
    if (flags & BF_RIGHT) inside.right -= width;
    if (flags & BF_BOTTOM) inside.bottom -= width;
    if (flags & BF_MIDDLE)
        PatternRect(inside, Brush::Solid(SYSTEM_COLOR_FLAG | COLOR_BTNFACE), PATCOPY);
    if (flags & BF_ADJUST)
        rect = inside;
    return true;
}

bool DeviceContext::DrawFocusRect(const Rect& rect)
{
    if (rect.IsEmpty())
        return true;
    const Brush gray = Brush::GrayPattern();
    const Rect r = rect;
    PatternRect(Rect{r.left, r.top, r.right, r.top + 1}, gray, PATINVERT);
    if (r.bottom - 1 > r.top)
        PatternRect(Rect{r.left, r.bottom - 1, r.right, r.bottom}, gray, PATINVERT);
    PatternRect(Rect{r.left, r.top + 1, r.left + 1, r.bottom - 1}, gray, PATINVERT);
    if (r.right - 1 > r.left)
        PatternRect(Rect{r.right - 1, r.top + 1, r.right, r.bottom - 1}, gray, PATINVERT);
    return true;
}
