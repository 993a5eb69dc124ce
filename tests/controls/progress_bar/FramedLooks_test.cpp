// Looks 0 to 2 (segmented, smooth, marquee) and the shared frame.
#include "FramedLooks.h"
#include "ProgressBarTestSupport.h"

#include <gtest/gtest.h>

namespace {
constexpr ColorRef kColor = 0x808000; // red 0, green 128, blue 128
constexpr ColorRef kWhite = 0xFFFFFF;
// LightenColor(kColor, 150): 150 + (255 - 150) * 128 div 255 = 202 in green and blue.
constexpr ColorRef kLight = 0xCACA96;
} // namespace

TEST(FramedLooks, SegmentedAtZeroShowsOneBlockAndAGap)
{
    const RenderedBar bar = Render(BarState(0, 0));
    // Row 7 is where the two shaded halves meet in the plain colour.
    for (int x = 4; x <= 9; ++x)
        EXPECT_EQ(bar.At(x, 7), kColor) << x;
    EXPECT_EQ(bar.At(10, 7), kWhite);
    EXPECT_EQ(bar.At(11, 7), kWhite);
    EXPECT_EQ(bar.At(12, 7), kWhite);
    EXPECT_EQ(bar.At(3, 7), kWhite);
    // The block shades from light at the top into the colour and back.
    EXPECT_EQ(bar.At(5, 3), kLight);
    EXPECT_EQ(bar.At(5, 13), kLight); // and back to light at the bottom
    EXPECT_EQ(bar.At(5, 14), kWhite);
}

TEST(FramedLooks, SegmentedBlocksRepeatEveryEightColumns)
{
    const RenderedBar bar = Render(BarState(0, 50));
    for (int x = 4; x < 80; ++x) {
        const bool gap = (x - 4) % 8 >= 6;
        EXPECT_EQ(bar.At(x, 7) == kWhite, gap) << x;
    }
}

TEST(FramedLooks, SmoothAtFullReachesTheLastColumn)
{
    // m = round(174 * 100 / 98 + 3) = 181, past the right edge: the fill
    // covers column 176, which the frame then draws over.
    const auto fill = FramedFill(BarState(1, 100));
    ASSERT_TRUE(fill);
    EXPECT_EQ(fill->right, 181);
    // After the frame the last fill column left visible is 174.
    const RenderedBar bar = Render(BarState(1, 100));
    EXPECT_EQ(bar.At(174, 7), kColor);
}

TEST(FramedLooks, MarqueeBlocksFollowThePercentage)
{
    const RenderedBar bar = Render(BarState(2, 50));
    EXPECT_EQ(FramedFill(BarState(2, 50))->right, 91);
    const int starts[] = {68, 80, 92};
    // Each block shades from the colour lightened by 220, 180, 140 to 200, 160, 120.
    const ColorRef first[] = {0xEDEDDC, 0xD9D9B4, 0xC5C58C};
    const ColorRef last[] = {0xE3E3C8, 0xCFCFA0, 0xBBBB78};
    for (int i = 0; i < 3; ++i) {
        const int left = starts[i];
        EXPECT_EQ(bar.At(left - 1, 8), kWhite) << i;
        EXPECT_EQ(bar.At(left, 8), first[i]) << i;
        EXPECT_EQ(bar.At(left + 9, 8), last[i]) << i;
        EXPECT_EQ(bar.At(left + 10, 8), kWhite) << i;
        EXPECT_EQ(bar.At(left, 3), first[i]) << i;
        EXPECT_EQ(bar.At(left, 14), first[i]) << i;
    }
}

TEST(FramedLooks, FrameHasItsTwentyFourCornerPixels)
{
    const int R = 177, B = 17;
    const RenderedBar bar = Render(BarState(1, 0));
    struct P {
        int x, y;
        ColorRef c;
    };
    const P corners[] = {
        {0, 0, 0xFFFFFF}, {0, 1, 0xA6ABAC}, {0, 2, 0x7D7E7F}, {1, 0, 0xA7ABAC}, {1, 1, 0x777777},
        {2, 0, 0x7D7E7F}, {2, 2, 0xBEBEBE}, {0, B - 1, 0xFFFFFF}, {1, B - 1, 0xA6ABAC},
        {2, B - 1, 0x7D7E7F}, {0, B - 3, 0x7D7E7F}, {0, B - 2, 0xA7ABAC}, {1, B - 2, 0x777777},
        {R - 1, 0, 0xFFFFFF}, {R - 1, 1, 0xBEBEBE}, {R - 1, 2, 0x7D7E7F}, {R - 2, 2, 0xBEBEBE},
        {R - 2, 1, 0x686868}, {R - 1, B - 1, 0xFFFFFF}, {R - 1, B - 2, 0xBEBEBE},
        {R - 1, B - 3, 0x7D7E7F}, {R - 2, B - 2, 0x777777}, {R - 2, B - 1, 0xBEBEBE},
        {R - 3, B - 1, 0x7D7E7F},
    };
    for (const P& p : corners)
        EXPECT_EQ(bar.At(p.x, p.y), p.c) << p.x << "," << p.y;
    // The lines and the border between the corners.
    EXPECT_EQ(bar.At(50, 0), 0x686868u);
    EXPECT_EQ(bar.At(50, B - 1), 0x686868u);
    EXPECT_EQ(bar.At(0, 8), 0x686868u);
    EXPECT_EQ(bar.At(R - 1, 8), 0x686868u);
    EXPECT_EQ(bar.At(50, 1), 0xBEBEBEu);
    EXPECT_EQ(bar.At(50, 2), 0xEFEFEFu);
    EXPECT_EQ(bar.At(50, B - 2), 0xEFEFEFu);
    EXPECT_EQ(bar.At(1, 8), 0xBEBEBEu);
    EXPECT_EQ(bar.At(2, 8), 0xEFEFEFu);
    EXPECT_EQ(bar.At(R - 2, 8), 0xEFEFEFu);
    EXPECT_EQ(bar.At(R - 3, 8), kWhite);
}

TEST(FramedLooks, VerticalFillGrowsUpward)
{
    const int w = 24, h = 100;
    const RenderedBar empty = Render(BarState(1, 0, kColor, 1), w, h);
    for (int y = 3; y < h - 3; ++y)
        EXPECT_EQ(empty.At(12, y), kWhite) << y;
    const RenderedBar half = Render(BarState(1, 50, kColor, 1), w, h);
    EXPECT_EQ(half.At(12, h - 5), kColor);
    EXPECT_EQ(half.At(12, 20), kWhite);
    EXPECT_EQ(half.At(4, h - 5), kLight); // shaded left edge
    const RenderedBar segmented = Render(BarState(0, 50, kColor, 1), w, h);
    // Two-row white gaps every eight rows, counted up from the bottom (98-99, 90-91, ...).
    EXPECT_EQ(segmented.At(12, 92), kColor);
    EXPECT_EQ(segmented.At(12, 91), kWhite);
    EXPECT_EQ(segmented.At(12, 90), kWhite);
    EXPECT_EQ(segmented.At(12, 89), kColor);
    EXPECT_EQ(segmented.At(12, 83), kWhite);
}

TEST(FramedLooks, OutOfRangeLookAndNegativePercentFallBack)
{
    EXPECT_EQ(Render(BarState(12, 40)).image, Render(BarState(1, 40)).image);
    EXPECT_EQ(Render(BarState(-3, 40)).image, Render(BarState(1, 40)).image);
    for (int look : {0, 1, 2})
        EXPECT_EQ(Render(BarState(look, -20)).image, Render(BarState(look, 0)).image) << look;
}

TEST(FramedLooks, PercentAboveHundredIsClamped)
{
    EXPECT_EQ(Render(BarState(1, 250)).image, Render(BarState(1, 100)).image);
}

TEST(FramedLooks, MarqueeOverflowIsReportedNotWrapped)
{
    const RenderedBar bar = Render(BarState(2, INT32_MIN + 5));
    EXPECT_EQ(bar.status, ProgressStatus::Overflow);
}
