// Looks 3 to 9.
#include "AlternativeLooks.h"
#include "ProgressBarTestSupport.h"
#include "SystemColors.h"

#include <gtest/gtest.h>

#include <set>

namespace {
constexpr ColorRef kColor = 0x808000; // red 0, green 128, blue 128
constexpr ColorRef kWhite = 0xFFFFFF;
// kColor lightened by n: n in red, n + (255 - n) * 128 div 255 in green and blue.
constexpr ColorRef kLight10 = 0x84840A;
constexpr ColorRef kLight25 = 0x8C8C19;
constexpr ColorRef kLight80 = 0xA7A750;
constexpr ColorRef kLight100 = 0xB1B164;
constexpr ColorRef kLight140 = 0xC5C58C;
constexpr ColorRef kLight180 = 0xD9D9B4;
constexpr ColorRef kLight250 = 0xFCFCFA;
// kColor mixed with black at 190 / 255: round(190 * 128 / 255) = 95.
constexpr ColorRef kDark190 = 0x5F5F00;

class AlternativeLooks : public ::testing::Test {
protected:
    void SetUp() override { SystemColors::UseXpSchemeForTests(); }
    void TearDown() override { SystemColors::ClearOverrides(); }
};

std::set<ColorRef> ColoursIn(const RenderedBar& bar, const Rect& r)
{
    std::set<ColorRef> out;
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x)
            out.insert(bar.At(x, y));
    return out;
}
} // namespace

TEST_F(AlternativeLooks, FillEndAtFullPerLook)
{
    const std::pair<int, int> cases[] = {{3, 177}, {4, 173}, {5, 175}, {6, 172}, {7, 175}, {8, 175}, {9, 173}};
    for (auto [look, end] : cases)
        EXPECT_EQ(FillEnd(LookFromScrolling(look), 100, 177), end) << look;
}

TEST_F(AlternativeLooks, FlatFillCoversTheRightBorderAtFull)
{
    const RenderedBar bar = Render(BarState(3, 100));
    EXPECT_EQ(bar.At(0, 8), kLight100);
    EXPECT_EQ(bar.At(176, 8), kLight180);
    EXPECT_EQ(bar.At(176, 0), kLight100);
    EXPECT_EQ(bar.At(1, 1), kLight180);
    EXPECT_EQ(bar.At(1, 15), kLight180);
    EXPECT_EQ(bar.At(1, 16), kLight100);
}

TEST_F(AlternativeLooks, NoFillAtZeroForFlatHatchedAndPicture)
{
    QImage tile(2, 2, QImage::Format_RGB32);
    tile.fill(Qt::red);
    for (int look : {3, 7, 8}) {
        ProgressState s = BarState(look, 0);
        s.hatchStyle = HS_CROSS;
        s.pattern = Picture::FromBitmap(tile);
        const RenderedBar bar = Render(s);
        EXPECT_EQ(ColoursIn(bar, Rect{2, 2, 175, 15}), std::set<ColorRef>{kWhite}) << look;
    }
}

TEST_F(AlternativeLooks, EtchedAtZeroStillDrawsOneColumn)
{
    const RenderedBar bar = Render(BarState(4, 0));
    EXPECT_EQ(bar.At(2, 2), kLight140);
    EXPECT_EQ(bar.At(2, 13), kLight140);
    EXPECT_EQ(bar.At(2, 14), kWhite);
    EXPECT_EQ(bar.At(3, 5), kWhite);
    // The etched edge: shadow outside top-left, highlight inside.
    EXPECT_EQ(bar.At(5, 0), 0x99A8ACu);
    EXPECT_EQ(bar.At(5, 1), 0xFFFFFFu);
    EXPECT_EQ(bar.At(5, 16), 0xFFFFFFu);
    EXPECT_EQ(bar.At(5, 15), 0x99A8ACu);
}

TEST_F(AlternativeLooks, TwinGradientAtZeroPaintsTheStubAndEndMark)
{
    const RenderedBar bar = Render(BarState(5, 0));
    EXPECT_EQ(bar.At(0, 5), kLight25); // end mark in column 0
    EXPECT_EQ(bar.At(0, 1), kLight10); // the frame above it
    EXPECT_EQ(bar.At(1, 3), kLight250); // fill rows start at 3, almost white
    EXPECT_EQ(bar.At(3, 3), kLight250);
    EXPECT_EQ(bar.At(4, 2), kColor);                   // the trough's top row
    EXPECT_NE(bar.At(4, 3), kLight250);
}

TEST_F(AlternativeLooks, DarkCaptionChangesColourWhereTheFillPasses)
{
    ProgressState s = BarState(6, 0);
    s.showCaption = true;
    const ColorRef silver = 0xC0C0C0, over = kLight80;
    const RenderedBar zero = Render(s);
    std::set<ColorRef> colours = ColoursIn(zero, Rect{0, 0, 177, 17});
    EXPECT_TRUE(colours.count(silver));
    EXPECT_FALSE(colours.count(over));
    s.percent = 100;
    const RenderedBar full = Render(s);
    colours = ColoursIn(full, Rect{0, 0, 177, 17});
    EXPECT_FALSE(colours.count(silver));
    EXPECT_TRUE(colours.count(over));
    s.percent = 50; // the fill ends at 88.5, in the middle of "50 %"
    const RenderedBar half = Render(s);
    int silverCount = 0, overCount = 0;
    for (int y = 0; y < 17; ++y)
        for (int x = 0; x < 177; ++x) {
            if (half.At(x, y) == silver) {
                ++silverCount;
                EXPECT_GE(x, 88);
            }
            if (half.At(x, y) == over) {
                ++overCount;
                EXPECT_LT(x, 88);
            }
        }
    EXPECT_GT(silverCount, 0);
    EXPECT_GT(overCount, 0);
}

TEST_F(AlternativeLooks, HatchedFillUsesTheBrushStyle)
{
    const ColorRef gap = kLight140;
    for (int style : {HS_HORIZONTAL, HS_CROSS}) {
        ProgressState s = BarState(7, 100);
        s.hatchStyle = style;
        const RenderedBar bar = Render(s);
        for (int y = 2; y < 15; ++y)
            for (int x = 2; x < 175; ++x) {
                const bool line = y % 8 == 3 || (style == HS_CROSS && x % 8 == 4);
                ASSERT_EQ(bar.At(x, y), line ? kColor : gap) << style << " " << x << "," << y;
            }
        EXPECT_EQ(bar.At(175, 8), 0xE2EFF1u); // the bump edge's inner right side: 3D light
    }
}

TEST_F(AlternativeLooks, HatchStyleOutsideSixteenBitsIsAnOverflow)
{
    ProgressState s = BarState(7, 50);
    s.hatchStyle = 70000;
    EXPECT_EQ(Render(s).status, ProgressStatus::Overflow);
    s.hatchStyle = 9; // fits, but is no hatch style: nothing is filled
    const RenderedBar bar = Render(s);
    EXPECT_EQ(bar.status, ProgressStatus::Ok);
    EXPECT_EQ(ColoursIn(bar, Rect{2, 2, 175, 15}), std::set<ColorRef>{kWhite});
}

TEST_F(AlternativeLooks, PictureWithoutImageShowsOnlyTheSunkenEdge)
{
    for (int percent : {0, 37, 100}) {
        const RenderedBar bar = Render(BarState(8, percent));
        EXPECT_EQ(ColoursIn(bar, Rect{1, 1, 176, 16}), std::set<ColorRef>{kWhite}) << percent;
        EXPECT_EQ(ColoursIn(bar, Rect{0, 0, 176, 1}), std::set<ColorRef>{0x99A8AC});
        EXPECT_EQ(ColoursIn(bar, Rect{0, 0, 1, 16}), std::set<ColorRef>{0x99A8AC});
        EXPECT_EQ(ColoursIn(bar, Rect{0, 16, 177, 17}), std::set<ColorRef>{0xFFFFFF});
    }
}

TEST_F(AlternativeLooks, PictureTilesTheBitmapFromTheImageOrigin)
{
    QImage tile(3, 1, QImage::Format_RGB32);
    tile.setPixel(0, 0, qRgb(255, 0, 0));
    tile.setPixel(1, 0, qRgb(0, 255, 0));
    tile.setPixel(2, 0, qRgb(0, 0, 255));
    ProgressState s = BarState(8, 50); // E = round(87.62) = 88: columns 2..89
    s.pattern = Picture::FromBitmap(tile);
    const RenderedBar bar = Render(s);
    const ColorRef order[3] = {0x0000FF, 0x00FF00, 0xFF0000};
    for (int x = 2; x < 90; ++x)
        EXPECT_EQ(bar.At(x, 7), order[x % 3]) << x;
    EXPECT_EQ(bar.At(90, 7), kWhite);
    EXPECT_EQ(bar.At(5, 1), kWhite);
    EXPECT_EQ(bar.At(5, 2), order[5 % 3]);
    EXPECT_EQ(bar.At(5, 14), order[5 % 3]);
    EXPECT_EQ(bar.At(5, 15), kWhite);
}

TEST_F(AlternativeLooks, GlossyBandsOverlapWithTheLowerOnTop)
{
    const RenderedBar bar = Render(BarState(9, 50));
    EXPECT_EQ(bar.At(150, 3), 0xF6F6F6u);  // white shading to silver in 7 steps of 9
    EXPECT_EQ(bar.At(150, 7), 0xC0C0C0u);  // lower trough drawn over the upper one
    EXPECT_EQ(bar.At(150, 14), 0xC0C0C0u);
    EXPECT_EQ(bar.At(150, 15), 0xEFEFEFu); // the frame line
    EXPECT_EQ(bar.At(20, 7), kDark190);
    EXPECT_EQ(bar.At(20, 14), kColor);
    EXPECT_EQ(bar.At(0, 0), 0xFFFFFFu);    // the frame's corner
    EXPECT_EQ(bar.At(2, 2), 0xBEBEBEu);
}
