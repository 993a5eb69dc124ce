#include "ButtonRegion.h"

#include <initializer_list>
#include <utility>

namespace button {

namespace {

Region WithoutPixels(int w, int h, std::initializer_list<std::pair<int, int>> pixels)
{
    Region region = Region::CreateRectRgn(0, 0, w, h);
    for (const auto& [x, y] : pixels)
        region = Region::Combine(region, Region::CreateRectRgn(x, y, x + 1, y + 1), RGN_DIFF);
    return region;
}

} // namespace

Region RegionForStyle(int style, int w, int h)
{
    if (w <= 0 || h <= 0)
        return {};
    switch (style) {
    case 1:
    case 14:
        return WithoutPixels(w, h, {{0, 0}, {w - 1, 0}, {0, h - 1}, {w - 1, h - 1}});
    case 5:
        return WithoutPixels(w, h, {{w - 1, 0}, {0, h - 1}});
    case 3:
    case 4:
        return WithoutPixels(w, h,
                             {{0, 0}, {1, 0}, {0, 1},
                              {w - 2, 0}, {w - 1, 0}, {w - 1, 1},
                              {0, h - 1}, {1, h - 1}, {0, h - 2},
                              {w - 2, h - 1}, {w - 1, h - 1}, {w - 1, h - 2}});
    case 13:
        return Region::CreateEllipticRgn(0, 0, w, h);
    default:
        return Region::CreateRectRgn(0, 0, w, h);
    }
}

} // namespace button
