#include "ButtonRegion.h"

#include <gtest/gtest.h>

#include <set>
#include <utility>

namespace {

using Pixels = std::set<std::pair<int, int>>;

// The pixels of the W x H rectangle that the region leaves out.
Pixels CutPixels(const Region& region, int w, int h)
{
    Pixels cut;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if (!region.Contains(x, y))
                cut.insert({x, y});
    return cut;
}

} // namespace

TEST(ButtonRegion, CutsTheCornersOfEachStyle)
{
    const int w = 20, h = 10;
    const Pixels none;
    const Pixels corners{{0, 0}, {19, 0}, {0, 9}, {19, 9}};
    const Pixels twoCorners{{19, 0}, {0, 9}};
    const Pixels rounded{{0, 0}, {1, 0}, {0, 1}, {18, 0}, {19, 0}, {19, 1},
                         {0, 9}, {1, 9}, {0, 8}, {18, 9}, {19, 9}, {19, 8}};
    const std::pair<int, Pixels> cases[] = {
        {1, corners}, {14, corners}, {5, twoCorners}, {3, rounded}, {4, rounded},
        {2, none}, {6, none}, {7, none}, {8, none}, {9, none}, {10, none}, {11, none},
        {12, none}, {0, none}, {15, none},
    };
    for (const auto& [style, expected] : cases)
        EXPECT_EQ(CutPixels(button::RegionForStyle(style, w, h), w, h), expected) << style;
}

TEST(ButtonRegion, OvalIsTheInscribedEllipse)
{
    const Region oval = button::RegionForStyle(13, 40, 20);
    EXPECT_TRUE(oval.Contains(20, 10));
    EXPECT_TRUE(oval.Contains(1, 10));
    EXPECT_FALSE(oval.Contains(0, 0));
    EXPECT_FALSE(oval.Contains(39, 19));
    EXPECT_FALSE(oval.Contains(2, 1));
}

TEST(ButtonRegion, EmptyForAnEmptyButton)
{
    EXPECT_TRUE(button::RegionForStyle(3, 0, 10).IsEmpty());
}
