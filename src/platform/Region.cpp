#include "Region.h"

#include "EllipseGeometry.h"

#include <algorithm>

Region Region::CreateRectRgn(int left, int top, int right, int bottom)
{
    if (left > right)
        std::swap(left, right);
    if (top > bottom)
        std::swap(top, bottom);
    if (right == left || bottom == top)
        return Region();
    return Region(QRegion(left, top, right - left, bottom - top));
}

Region Region::CreateEllipticRgn(int left, int top, int right, int bottom)
{
    if (left > right)
        std::swap(left, right);
    if (top > bottom)
        std::swap(top, bottom);
    QRegion region;
    for (const EllipseSpan& s : EllipseSpans(left, top, right - 1, bottom - 1))
        region += QRect(s.left, s.y, s.right - s.left + 1, 1);
    return Region(region);
}

Region Region::Combine(const Region& a, const Region& b, RegionCombine mode)
{
    switch (mode) {
    case RGN_AND: return Region(a.region_.intersected(b.region_));
    case RGN_OR: return Region(a.region_.united(b.region_));
    case RGN_XOR: return Region(a.region_.xored(b.region_));
    case RGN_DIFF: return Region(a.region_.subtracted(b.region_));
    case RGN_COPY: return a;
    }
    return Region();
}
