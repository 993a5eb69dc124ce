// Pixel tests of the raster device context: each primitive against the exact
// pixels the Windows calls produce.
#include "DeviceContext.h"
#include "SystemColors.h"

#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <utility>

namespace {

constexpr ColorRef kWhite = 0xFFFFFF;
constexpr ColorRef kRed = 0x0000FF;
constexpr ColorRef kGreen = 0x00FF00;
constexpr ColorRef kBlue = 0xFF0000;

QImage Canvas(int w, int h, ColorRef fill = kWhite)
{
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(ToRgb32(fill));
    return img;
}

// The pixel as a ColorRef; 0xFFFFFFFF (no colour) outside the image.
ColorRef At(const DeviceContext& dc, int x, int y)
{
    if (x < 0 || y < 0 || x >= dc.Width() || y >= dc.Height())
        return 0xFFFFFFFFu;
    return FromRgb32(dc.Image().pixel(x, y));
}

using PixelSet = std::set<std::pair<int, int>>;

PixelSet PixelsOf(const DeviceContext& dc, ColorRef color)
{
    PixelSet out;
    for (int y = 0; y < dc.Height(); ++y)
        for (int x = 0; x < dc.Width(); ++x)
            if (At(dc, x, y) == color)
                out.insert({x, y});
    return out;
}

PixelSet Box(int l, int t, int r, int b)
{
    PixelSet out;
    for (int y = t; y < b; ++y)
        for (int x = l; x < r; ++x)
            out.insert({x, y});
    return out;
}

} // namespace

TEST(DeviceContext, NewContextHasWindowsDefaults)
{
    QImage img = Canvas(4, 4);
    DeviceContext dc(img);
    EXPECT_EQ(dc.SetTextColor(kRed), 0x000000u);
    EXPECT_EQ(dc.SetBkColor(kRed), 0xFFFFFFu);
    EXPECT_EQ(dc.SetBkMode(TRANSPARENT), OPAQUE);
    EXPECT_EQ(dc.SelectPen(Pen{}), (Pen{PS_SOLID, 1, 0x000000}));
    EXPECT_EQ(dc.SelectBrush(Brush()).Color(), kWhite);
}

TEST(DeviceContext, FillRectIsHalfOpen)
{
    QImage img = Canvas(12, 10);
    DeviceContext dc(img);
    EXPECT_TRUE(dc.FillRect(Rect{2, 3, 5, 6}, Brush::Solid(kRed)));
    EXPECT_EQ(PixelsOf(dc, kRed), Box(2, 3, 5, 6));
}

TEST(DeviceContext, FillRectEmptyAndInvertedRectangles)
{
    QImage img = Canvas(12, 3);
    DeviceContext dc(img);
    dc.FillRect(Rect{5, 0, 5, 3}, Brush::Solid(kRed));
    EXPECT_TRUE(PixelsOf(dc, kRed).empty());
    // An inverted rectangle is empty too; PatBlt with a negative extent
    // covers x+w+1 .. x instead.
    dc.FillRect(Rect{10, 0, 5, 1}, Brush::Solid(kRed));
    EXPECT_TRUE(PixelsOf(dc, kRed).empty());
    dc.SelectBrush(Brush::Solid(kRed));
    dc.PatBlt(10, 0, -5, 1, PATCOPY);
    EXPECT_EQ(PixelsOf(dc, kRed), Box(6, 0, 11, 1));
    // A brush that could not be made draws nothing and says so.
    EXPECT_FALSE(dc.FillRect(Rect{0, 0, 12, 3}, Brush::Hatch(9, kRed)));
}

TEST(DeviceContext, FillRectClipsToTheImage)
{
    QImage img = Canvas(4, 4);
    DeviceContext dc(img);
    dc.FillRect(Rect{-3, -3, 2, 2}, Brush::Solid(kRed));
    EXPECT_EQ(PixelsOf(dc, kRed), Box(0, 0, 2, 2));
}

TEST(DeviceContext, FrameRectDrawsOnePixelBorderInside)
{
    QImage img = Canvas(8, 7);
    DeviceContext dc(img);
    EXPECT_TRUE(dc.FrameRect(Rect{1, 1, 6, 5}, Brush::Solid(kRed)));
    PixelSet expected = Box(1, 1, 6, 5);
    for (const auto& p : Box(2, 2, 5, 4))
        expected.erase(p);
    EXPECT_EQ(PixelsOf(dc, kRed), expected);
    EXPECT_FALSE(dc.FrameRect(Rect{3, 3, 3, 6}, Brush::Solid(kRed)));
}

struct LineCase {
    const char* name;
    QPoint from, to;
    PixelSet pixels;
};

TEST(DeviceContext, LineToLeavesOutTheEndPointInEveryDirection)
{
    const LineCase cases[] = {
        {"right", {1, 1}, {5, 1}, {{1, 1}, {2, 1}, {3, 1}, {4, 1}}},
        {"left", {5, 1}, {1, 1}, {{5, 1}, {4, 1}, {3, 1}, {2, 1}}},
        {"down", {2, 1}, {2, 4}, {{2, 1}, {2, 2}, {2, 3}}},
        {"up", {2, 4}, {2, 1}, {{2, 4}, {2, 3}, {2, 2}}},
        {"zero length", {3, 3}, {3, 3}, {}},
        {"diagonal", {0, 0}, {3, 3}, {{0, 0}, {1, 1}, {2, 2}}},
        {"x-major down", {0, 0}, {4, 1}, {{0, 0}, {1, 0}, {2, 0}, {3, 1}}},
        {"x-major up", {4, 1}, {0, 0}, {{4, 1}, {3, 1}, {2, 0}, {1, 0}}},
        // Lines that start or end outside the image keep only their inside part.
        {"right across both edges", {-3, 2}, {11, 2},
         {{0, 2}, {1, 2}, {2, 2}, {3, 2}, {4, 2}, {5, 2}, {6, 2}, {7, 2}}},
        {"left from outside", {10, 6}, {5, 6}, {{7, 6}, {6, 6}}},
        {"down from above", {7, -4}, {7, 2}, {{7, 0}, {7, 1}}},
        {"up from below", {0, 12}, {0, 5}, {{0, 7}, {0, 6}}},
        {"row outside", {0, 8}, {8, 8}, {}},
        {"column outside", {-1, 0}, {-1, 8}, {}},
    };
    for (const LineCase& c : cases) {
        QImage img = Canvas(8, 8);
        DeviceContext dc(img);
        dc.SelectPen(Pen::Create(PS_SOLID, 1, kRed));
        dc.MoveToEx(c.from.x(), c.from.y());
        dc.LineTo(c.to.x(), c.to.y());
        EXPECT_EQ(PixelsOf(dc, kRed), c.pixels) << c.name;
        EXPECT_EQ(dc.MoveToEx(0, 0), c.to) << c.name;
    }
}

TEST(DeviceContext, SlopedLinesMatchBothWaysExceptTheEnds)
{
    const QPoint a(1, 2), b(14, 7);
    QImage i1 = Canvas(16, 10), i2 = Canvas(16, 10);
    DeviceContext d1(i1), d2(i2);
    for (DeviceContext* dc : {&d1, &d2})
        dc->SelectPen(Pen::Create(PS_SOLID, 1, kRed));
    d1.MoveToEx(a.x(), a.y());
    d1.LineTo(b.x(), b.y());
    d2.MoveToEx(b.x(), b.y());
    d2.LineTo(a.x(), a.y());
    PixelSet forward = PixelsOf(d1, kRed), backward = PixelsOf(d2, kRed);
    EXPECT_EQ(forward.size(), 13u);
    forward.insert({b.x(), b.y()});
    backward.insert({a.x(), a.y()});
    EXPECT_EQ(forward, backward);
}

TEST(DeviceContext, SetPixelUsesColorRefOrder)
{
    QImage img = Canvas(3, 3);
    DeviceContext dc(img);
    EXPECT_TRUE(dc.SetPixelV(1, 2, kRed));
    EXPECT_EQ(qRed(img.pixel(1, 2)), 255);
    EXPECT_EQ(qBlue(img.pixel(1, 2)), 0);
    EXPECT_EQ(At(dc, 1, 2), kRed);
    EXPECT_FALSE(dc.SetPixelV(3, 0, kRed));
    EXPECT_FALSE(dc.SetPixelV(-1, 0, kRed));
    EXPECT_EQ(PixelsOf(dc, kRed).size(), 1u);
}

TEST(DeviceContext, SetPixelTranslatesSystemColours)
{
    SystemColors::SetOverride(COLOR_BTNFACE, 0xD8E9EC);
    QImage img = Canvas(2, 2);
    DeviceContext dc(img);
    dc.SetPixelV(0, 0, 0x8000000F);
    EXPECT_EQ(At(dc, 0, 0), 0xD8E9ECu);
    SystemColors::ClearOverrides();
}

TEST(DeviceContext, HatchBrushesFollowTheirPatternsAlignedToTheImage)
{
    // The set pixels of each style, in cell coordinates.
    const std::pair<int, std::function<bool(int, int)>> styles[] = {
        {HS_HORIZONTAL, [](int, int r) { return r == 3; }},
        {HS_VERTICAL, [](int c, int) { return c == 4; }},
        {HS_FDIAGONAL, [](int c, int r) { return c == r; }},
        {HS_BDIAGONAL, [](int c, int r) { return c == 7 - r; }},
        {HS_CROSS, [](int c, int r) { return r == 3 || c == 4; }},
        {HS_DIAGCROSS, [](int c, int r) { return c == r || c == 7 - r; }},
    };
    for (const auto& [style, isSet] : styles) {
        QImage img = Canvas(20, 20);
        DeviceContext dc(img);
        dc.SetBkColor(kGreen);
        const Rect area{5, 2, 17, 19};
        dc.FillRect(area, Brush::Hatch(style, kRed));
        for (int y = 0; y < 20; ++y) {
            for (int x = 0; x < 20; ++x) {
                ColorRef want = kWhite;
                if (x >= area.left && x < area.right && y >= area.top && y < area.bottom)
                    want = isSet(x % 8, y % 8) ? kRed : kGreen;
                ASSERT_EQ(At(dc, x, y), want) << "style " << style << " at " << x << "," << y;
            }
        }
    }
}

TEST(DeviceContext, TransparentHatchLeavesTheGapsAlone)
{
    QImage img = Canvas(8, 8, kBlue);
    DeviceContext dc(img);
    dc.SetBkMode(TRANSPARENT);
    dc.FillRect(Rect{0, 0, 8, 8}, Brush::Hatch(HS_HORIZONTAL, kRed));
    EXPECT_EQ(PixelsOf(dc, kRed), Box(0, 3, 8, 4));
    EXPECT_EQ(PixelsOf(dc, kBlue).size(), 56u);
}

TEST(DeviceContext, PatternBrushTilesTheWholeBitmapFromTheOrigin)
{
    QImage tile(3, 2, QImage::Format_RGB32);
    const ColorRef colors[2][3] = {{0x000001, 0x000002, 0x000003}, {0x000004, 0x000005, 0x000006}};
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x)
            tile.setPixel(x, y, ToRgb32(colors[y][x]));
    QImage img = Canvas(10, 8);
    DeviceContext dc(img);
    dc.SelectBrush(Brush::Pattern(tile));
    EXPECT_TRUE(dc.PatBlt(1, 1, 7, 5, PATCOPY));
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 10; ++x) {
            const bool inside = x >= 1 && x < 8 && y >= 1 && y < 6;
            EXPECT_EQ(At(dc, x, y), inside ? colors[y % 2][x % 3] : kWhite) << x << "," << y;
        }
}

TEST(DeviceContext, MonochromePatternUsesTextAndBackgroundColours)
{
    QImage tile(2, 1, QImage::Format_Mono);
    tile.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
    tile.setPixel(0, 0, 0);
    tile.setPixel(1, 0, 1);
    QImage img = Canvas(4, 1);
    DeviceContext dc(img);
    dc.SetTextColor(kRed);
    dc.SetBkColor(kGreen);
    dc.SetBkMode(TRANSPARENT); // does not matter for pattern brushes
    dc.FillRect(Rect{0, 0, 4, 1}, Brush::Pattern(tile));
    EXPECT_EQ(At(dc, 0, 0), kRed);
    EXPECT_EQ(At(dc, 1, 0), kGreen);
    EXPECT_EQ(At(dc, 2, 0), kRed);
}

TEST(DeviceContext, DrawEdgeColoursEachSideAndCorner)
{
    const ColorRef shadow = 0x000010, hilight = 0x000020, light = 0x000030, dark = 0x000040;
    SystemColors::SetOverride(COLOR_BTNSHADOW, shadow);
    SystemColors::SetOverride(COLOR_BTNHIGHLIGHT, hilight);
    SystemColors::SetOverride(COLOR_3DLIGHT, light);
    SystemColors::SetOverride(COLOR_3DDKSHADOW, dark);
    struct EdgeCase {
        uint32_t edge;
        ColorRef ltOut, rbOut, ltIn, rbIn;
    };
    const EdgeCase cases[] = {
        {EDGE_ETCHED, shadow, hilight, hilight, shadow},
        {EDGE_BUMP, light, dark, dark, light},
        {BDR_SUNKENOUTER, shadow, hilight, kWhite, kWhite},
    };
    for (const EdgeCase& c : cases) {
        QImage img = Canvas(8, 7);
        DeviceContext dc(img);
        Rect rc{1, 1, 7, 6}; // l 1, t 1, r 7, b 6
        EXPECT_TRUE(dc.DrawEdge(rc, c.edge, BF_RECT));
        EXPECT_EQ(rc, (Rect{1, 1, 7, 6})) << "no BF_ADJUST: rectangle unchanged";
        // Outer ring: top-left corner light side, the other three the dark side.
        EXPECT_EQ(At(dc, 1, 1), c.ltOut);
        EXPECT_EQ(At(dc, 3, 1), c.ltOut);
        EXPECT_EQ(At(dc, 1, 3), c.ltOut);
        EXPECT_EQ(At(dc, 6, 1), c.rbOut);
        EXPECT_EQ(At(dc, 1, 5), c.rbOut);
        EXPECT_EQ(At(dc, 6, 5), c.rbOut);
        EXPECT_EQ(At(dc, 3, 5), c.rbOut);
        EXPECT_EQ(At(dc, 6, 3), c.rbOut);
        // Inner ring.
        EXPECT_EQ(At(dc, 2, 2), c.ltIn);
        EXPECT_EQ(At(dc, 3, 2), c.ltIn);
        EXPECT_EQ(At(dc, 5, 2), c.rbIn);
        EXPECT_EQ(At(dc, 2, 4), c.rbIn);
        EXPECT_EQ(At(dc, 5, 4), c.rbIn);
        // Interior and outside untouched.
        EXPECT_EQ(At(dc, 3, 3), kWhite);
        EXPECT_EQ(At(dc, 0, 0), kWhite);
        EXPECT_EQ(At(dc, 7, 6), kWhite);
    }
    SystemColors::ClearOverrides();
}

TEST(DeviceContext, DrawEdgeAdjustAndMiddle)
{
    SystemColors::SetOverride(COLOR_BTNFACE, kBlue);
    QImage img = Canvas(8, 8);
    DeviceContext dc(img);
    Rect rc{0, 0, 8, 8};
    dc.DrawEdge(rc, EDGE_ETCHED, BF_RECT | BF_MIDDLE | BF_ADJUST);
    EXPECT_EQ(rc, (Rect{2, 2, 6, 6}));
    EXPECT_EQ(PixelsOf(dc, kBlue), Box(2, 2, 6, 6));
    SystemColors::ClearOverrides();
}

TEST(DeviceContext, EllipseWithTwoPixelPenSpillsOnlyUpAndLeft)
{
    QImage img = Canvas(20, 16);
    DeviceContext dc(img);
    dc.SelectPen(Pen::Create(PS_SOLID, 2, kRed));
    dc.SelectBrush(Brush::Solid(kBlue));
    const int L = 3, T = 3, R = 15, B = 12;
    EXPECT_TRUE(dc.Ellipse(L, T, R, B));
    const PixelSet red = PixelsOf(dc, kRed);
    int minX = 99, minY = 99, maxX = -1, maxY = -1;
    for (const auto& [x, y] : red) {
        minX = std::min(minX, x);
        maxX = std::max(maxX, x);
        minY = std::min(minY, y);
        maxY = std::max(maxY, y);
    }
    EXPECT_EQ(minX, L - 1);
    EXPECT_EQ(minY, T - 1);
    EXPECT_EQ(maxX, R - 1);
    EXPECT_EQ(maxY, B - 1);
    EXPECT_EQ(At(dc, (L + R) / 2, (T + B) / 2), kBlue);
    // Corners of the box stay outside the ellipse.
    EXPECT_EQ(At(dc, L, T), kWhite);
    EXPECT_EQ(At(dc, R - 1, B - 1), kWhite);
}

TEST(DeviceContext, InsideFrameEllipseStaysInsideItsBox)
{
    QImage img = Canvas(20, 16);
    DeviceContext dc(img);
    dc.SelectPen(Pen::Create(PS_INSIDEFRAME, 2, kRed));
    dc.SelectBrush(Brush::Solid(kBlue));
    dc.Ellipse(3, 3, 15, 12);
    for (const auto& [x, y] : PixelsOf(dc, kRed)) {
        EXPECT_GE(x, 3);
        EXPECT_GE(y, 3);
        EXPECT_LE(x, 14);
        EXPECT_LE(y, 11);
    }
}

TEST(DeviceContext, EllipseOutlineIsSymmetricWithOnePixelPen)
{
    QImage img = Canvas(16, 12);
    DeviceContext dc(img);
    dc.SelectPen(Pen::Create(PS_SOLID, 1, kRed));
    dc.SelectBrush(Brush::Solid(kBlue));
    dc.Ellipse(1, 1, 14, 10); // columns 1..13, rows 1..9
    const PixelSet red = PixelsOf(dc, kRed);
    for (const auto& [x, y] : red) {
        EXPECT_TRUE(red.count({14 - x, y})) << x << "," << y; // mirrored left-right
        EXPECT_TRUE(red.count({x, 10 - y})) << x << "," << y; // mirrored top-bottom
    }
    EXPECT_TRUE(red.count({1, 5}));
    EXPECT_TRUE(red.count({13, 5}));
    EXPECT_TRUE(red.count({7, 1}));
    EXPECT_TRUE(red.count({7, 9}));
    EXPECT_EQ(At(dc, 7, 5), kBlue); // the interior, under the outline
    EXPECT_EQ(At(dc, 0, 5), kWhite);
}

TEST(DeviceContext, FocusRectXorsACheckerboardAndUndoesItself)
{
    QImage img = Canvas(9, 7);
    DeviceContext dc(img);
    const Rect rc{1, 1, 8, 6};
    dc.DrawFocusRect(rc);
    for (int y = 0; y < 7; ++y)
        for (int x = 0; x < 9; ++x) {
            const bool onFrame = x >= 1 && x < 8 && y >= 1 && y < 6 &&
                (x == 1 || x == 7 || y == 1 || y == 5);
            // Default colours: odd x + y is XORed with white (inverted), even with black.
            const ColorRef want = onFrame && ((x + y) & 1) ? 0x000000 : kWhite;
            EXPECT_EQ(At(dc, x, y), want) << x << "," << y;
        }
    dc.DrawFocusRect(rc);
    EXPECT_EQ(PixelsOf(dc, kWhite).size(), 63u);
}

TEST(DeviceContext, FocusRectUsesTheTextColourOnEvenPixels)
{
    QImage img = Canvas(4, 4, 0x000000);
    DeviceContext dc(img);
    dc.SetTextColor(kRed);
    dc.DrawFocusRect(Rect{0, 0, 4, 4});
    EXPECT_EQ(At(dc, 0, 0), kRed);
    EXPECT_EQ(At(dc, 1, 0), kWhite);
}

TEST(DeviceContext, BitBltCopiesAndClipsAgainstBothImages)
{
    QImage srcImg = Canvas(4, 4);
    DeviceContext src(srcImg);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x)
            src.SetPixelV(x, y, RGBColor(x, y, 7));
    QImage dstImg = Canvas(5, 5);
    DeviceContext dst(dstImg);
    EXPECT_TRUE(dst.BitBlt(-1, 2, 4, 4, src, 1, 0, SRCCOPY));
    // Destination (0, 2) comes from source (2, 0); rows past the bottom are dropped.
    EXPECT_EQ(At(dst, 0, 2), RGBColor(2, 0, 7));
    EXPECT_EQ(At(dst, 1, 4), RGBColor(3, 2, 7));
    EXPECT_EQ(At(dst, 2, 2), kWhite); // source column 4 does not exist
    EXPECT_EQ(At(dst, 0, 1), kWhite);
}

TEST(DeviceContext, BlockAccessReadsAndWritesClipped)
{
    QImage img = Canvas(3, 2);
    DeviceContext dc(img);
    dc.SetPixelV(2, 1, kRed);
    const QImage block = dc.ReadBlock(Rect{1, 0, 4, 2});
    EXPECT_EQ(block.size(), QSize(3, 2));
    EXPECT_EQ(FromRgb32(block.pixel(1, 1)), kRed);
    EXPECT_EQ(FromRgb32(block.pixel(2, 0)), 0x000000u); // outside the image reads black
    QImage patch = Canvas(2, 2, kGreen);
    dc.WriteBlock(-1, 1, patch); // only (0, 1) lies inside
    EXPECT_EQ(PixelsOf(dc, kGreen), (PixelSet{{0, 1}}));
}

TEST(DeviceContext, DrawIconExBlendsTheIconOverTheBackground)
{
    QImage icon(2, 1, QImage::Format_ARGB32);
    icon.setPixel(0, 0, qRgba(255, 0, 0, 255));
    icon.setPixel(1, 0, qRgba(0, 0, 0, 0));
    auto picture = Picture::FromIcon(icon);
    QImage img = Canvas(3, 1, kGreen);
    DeviceContext dc(img);
    EXPECT_TRUE(dc.DrawIconEx(1, 0, *picture));
    EXPECT_EQ(At(dc, 0, 0), kGreen);
    EXPECT_EQ(At(dc, 1, 0), kRed);
    EXPECT_EQ(At(dc, 2, 0), kGreen);
}

TEST(DeviceContext, SelectionsReturnThePreviousObject)
{
    QImage img = Canvas(2, 2);
    DeviceContext dc(img);
    const Pen red = Pen::Create(PS_SOLID, 1, kRed);
    const Pen old = dc.SelectPen(red);
    EXPECT_EQ(dc.SelectPen(old), red);
    EXPECT_EQ(dc.SetTextColor(kRed), 0x000000u);
    EXPECT_EQ(dc.SetBkMode(TRANSPARENT), OPAQUE);
    QFont f("Sans");
    f.setPixelSize(17);
    const QFont before = dc.SelectFont(f);
    EXPECT_EQ(dc.SelectFont(before).pixelSize(), 17);
}

TEST(DeviceContext, PatBltRasterOpsTouchOnlyTheirBlock)
{
    struct Case {
        const char* name;
        RasterOp rop;
        ColorRef inside;
    };
    // Ground 0x123456, solid brush 0x0000FF.
    const Case cases[] = {
        {"PATCOPY", PATCOPY, kRed},
        {"PATINVERT", PATINVERT, 0x1234A9},
        {"DSTINVERT", DSTINVERT, 0xEDCBA9},
        {"BLACKNESS", BLACKNESS, 0x000000},
        {"WHITENESS", WHITENESS, 0xFFFFFF},
    };
    for (const Case& c : cases) {
        QImage img = Canvas(6, 5, 0x123456);
        DeviceContext dc(img);
        dc.SelectBrush(Brush::Solid(kRed));
        // A negative width covers x + w + 1 .. x, i.e. columns 2 to 4.
        EXPECT_TRUE(dc.PatBlt(4, 1, -3, 3, c.rop)) << c.name;
        EXPECT_EQ(PixelsOf(dc, c.inside), Box(2, 1, 5, 4)) << c.name;
        EXPECT_EQ(PixelsOf(dc, 0x123456).size(), 30u - 9u) << c.name;
    }
}
