#include "Region.h"

#include <gtest/gtest.h>

TEST(Region, RectRegionIsHalfOpen)
{
    const Region r = Region::CreateRectRgn(2, 3, 6, 5);
    EXPECT_TRUE(r.Contains(2, 3));
    EXPECT_TRUE(r.Contains(5, 4));
    EXPECT_FALSE(r.Contains(6, 4));
    EXPECT_FALSE(r.Contains(5, 5));
    EXPECT_TRUE(Region::CreateRectRgn(4, 4, 4, 9).IsEmpty());
    // Corners given the wrong way round are put in order.
    EXPECT_EQ(Region::CreateRectRgn(6, 5, 2, 3), r);
}

TEST(Region, EllipticRegionLeavesOffTheRightAndBottomEdge)
{
    const Region e = Region::CreateEllipticRgn(0, 0, 20, 10);
    EXPECT_EQ(e.ToQRegion().boundingRect(), QRect(0, 0, 19, 9));
    EXPECT_TRUE(e.Contains(9, 4));
    EXPECT_FALSE(e.Contains(0, 0));
    EXPECT_FALSE(e.Contains(18, 8));
    // Left-right mirror image about the centre of columns 0..18.
    for (int y = 0; y < 9; ++y)
        for (int x = 0; x < 19; ++x)
            EXPECT_EQ(e.Contains(x, y), e.Contains(18 - x, y)) << x << "," << y;
}

TEST(Region, DifferenceCutsPixelsOutForAWindowMask)
{
    Region full = Region::CreateRectRgn(0, 0, 10, 8);
    for (auto [x, y] : {std::pair{0, 0}, std::pair{9, 0}, std::pair{0, 7}, std::pair{9, 7}})
        full = Region::Combine(full, Region::CreateRectRgn(x, y, x + 1, y + 1), RGN_DIFF);
    EXPECT_FALSE(full.Contains(0, 0));
    EXPECT_FALSE(full.Contains(9, 7));
    EXPECT_TRUE(full.Contains(1, 0));
    const QRegion mask = full.ToQRegion();
    EXPECT_FALSE(mask.contains(QPoint(9, 0)));
    EXPECT_TRUE(mask.contains(QPoint(5, 5)));
    EXPECT_EQ(Region::Combine(full, Region(), RGN_COPY), full);
    EXPECT_TRUE(Region::Combine(full, Region::CreateRectRgn(20, 20, 30, 30), RGN_AND).IsEmpty());
}
