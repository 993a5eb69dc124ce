// The device context on images of a higher device pixel ratio: shapes are the
// 1x drawing scaled through the grid, text is drawn at device resolution, and
// pictures are scaled smoothly into exactly their scaled box.
#include "DeviceContext.h"
#include "DrawUtil.h"

#include <QPainter>
#include <gtest/gtest.h>

namespace {

constexpr qreal kRatios[] = {1.25, 1.5, 2.0, 3.0};

QImage Canvas(int w, int h, qreal ratio)
{
    QImage img = DeviceGrid::MakeImage(w, h, ratio);
    img.fill(Qt::white);
    return img;
}

// Every shape the controls draw with, in logical coordinates.
void DrawShapes(DeviceContext& dc)
{
    FillSolidRect(dc, Rect{2, 2, 29, 17}, 0xD8E9EC);
    FrameSolidRect(dc, Rect{0, 0, 31, 19}, 0x7B4D10);
    Rect edge{3, 3, 28, 16};
    dc.DrawEdge(edge, EDGE_ETCHED, BF_RECT);
    DrawSolidLine(dc, 5, 5, 20, 5, 0x0000FF);
    DrawSolidLine(dc, 6, 13, 6, 6, 0x00FF00);
    DrawSolidLine(dc, 8, 12, 12, 7, 0xFF0000); // Bresenham
    dc.SetPixelV(25, 14, 0x00FFFF);
    dc.FillRect(Rect{14, 8, 22, 14}, Brush::Hatch(HS_DIAGCROSS, 0x800080));
    DrawFocusRectWith(dc, Rect{4, 4, 27, 15}, 0);
}

struct DeviceContextRatio : ::testing::TestWithParam<qreal> {};

TEST_P(DeviceContextRatio, ShapesAreTheOneTimesDrawingScaled)
{
    const qreal ratio = GetParam();
    QImage one = Canvas(31, 19, 1.0);
    QImage scaled = Canvas(31, 19, ratio);
    DeviceContext dcOne(one), dc(scaled);
    ASSERT_EQ(dc.Width(), 31);
    ASSERT_EQ(dc.Height(), 19);
    DrawShapes(dcOne);
    DrawShapes(dc);
    const DeviceGrid& grid = dc.Grid();
    // Every device pixel, the last column and row included, has the colour of its logical pixel.
    for (int y = 0; y < scaled.height(); ++y)
        for (int x = 0; x < scaled.width(); ++x)
            ASSERT_EQ(scaled.pixel(x, y), one.pixel(grid.LogicalX(x), grid.LogicalY(y)))
                << "device " << x << "," << y << " at " << ratio;
}

// The ink of the text: its bounding box and how many of its aligned 2 x 2
// device blocks are all one colour (a blown-up 1x picture has nothing else).
struct Ink {
    QRect box;
    int blocks = 0;
    int uniformBlocks = 0;
};

Ink InkOf(const QImage& image)
{
    Ink ink;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != qRgb(255, 255, 255))
                ink.box |= QRect(x, y, 1, 1);
    for (int y = 0; y + 1 < image.height(); y += 2)
        for (int x = 0; x + 1 < image.width(); x += 2) {
            const QRgb a = image.pixel(x, y), b = image.pixel(x + 1, y), c = image.pixel(x, y + 1),
                       d = image.pixel(x + 1, y + 1);
            if (a == qRgb(255, 255, 255) && b == a && c == a && d == a)
                continue;
            ++ink.blocks;
            ink.uniformBlocks += (a == b && a == c && a == d) ? 1 : 0;
        }
    return ink;
}

TEST_P(DeviceContextRatio, TextIsDrawnAtDeviceResolutionWhereItsLayoutSaysScaled)
{
    const qreal ratio = GetParam();
    const FontObject font(QStringLiteral("MS Sans Serif"), 9.75);
    auto draw = [&](QImage& image) {
        DeviceContext dc(image);
        dc.SelectFont(font);
        dc.SetBkMode(TRANSPARENT);
        Rect r{10, 4, 90, 26};
        dc.DrawText(QStringLiteral("Browse..."), r, DT_WORDBREAK | DT_VCENTER | DT_CENTER);
    };
    QImage one = Canvas(100, 30, 1.0), scaled = Canvas(100, 30, ratio);
    draw(one);
    draw(scaled);
    const Ink inkOne = InkOf(one), ink = InkOf(scaled);
    ASSERT_FALSE(inkOne.box.isEmpty());
    // Where the 1x layout puts the text, scaled, give or take the glyphs' own shapes.
    const qreal slack = 1.5 * ratio;
    EXPECT_NEAR(ink.box.left(), inkOne.box.left() * ratio, slack);
    EXPECT_NEAR(ink.box.right() + 1, (inkOne.box.right() + 1) * ratio, slack);
    EXPECT_NEAR(ink.box.top(), inkOne.box.top() * ratio, slack);
    EXPECT_NEAR(ink.box.bottom() + 1, (inkOne.box.bottom() + 1) * ratio, slack);
    if (ratio == 2.0) {
        // Glyphs of the device-sized font: many 2 x 2 blocks of ink mix colours.
        EXPECT_LT(ink.uniformBlocks, ink.blocks * 3 / 4) << ink.uniformBlocks << " of " << ink.blocks;
    }
}

TEST_P(DeviceContextRatio, PictureFillsItsScaledBoxSmoothly)
{
    const qreal ratio = GetParam();
    QImage checker(4, 4, QImage::Format_RGB32);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x)
            checker.setPixel(x, y, (x + y) % 2 ? qRgb(0, 0, 0) : qRgb(255, 0, 0));
    const auto picture = Picture::FromBitmap(checker);
    QImage scaled = Canvas(10, 10, ratio);
    DeviceContext dc(scaled);
    ASSERT_TRUE(dc.DrawIconEx(3, 3, *picture));
    const Rect box = dc.Grid().Map(Rect{3, 3, 7, 7});
    QRect drawn;
    bool blended = false;
    for (int y = 0; y < scaled.height(); ++y)
        for (int x = 0; x < scaled.width(); ++x) {
            const QRgb p = scaled.pixel(x, y);
            if (p == qRgb(255, 255, 255))
                continue;
            drawn |= QRect(x, y, 1, 1);
            blended = blended || (p != qRgb(0, 0, 0) && p != qRgb(255, 0, 0));
        }
    EXPECT_EQ(Rect::FromQRect(drawn), box);
    EXPECT_TRUE(blended);
}

INSTANTIATE_TEST_SUITE_P(Ratios, DeviceContextRatio, ::testing::ValuesIn(kRatios));

TEST(DeviceGrid, LogicalPixelsTileTheWholeImage)
{
    for (const qreal ratio : kRatios)
        for (int w = 1; w < 40; ++w) {
            const QImage image = DeviceGrid::MakeImage(w, 3, ratio);
            const DeviceGrid grid = DeviceGrid::Of(image);
            ASSERT_EQ(grid.LogicalSize(), QSize(w, 3));
            EXPECT_EQ(grid.X(0), 0);
            EXPECT_EQ(grid.X(w), image.width()) << w << " at " << ratio;
            for (int x = 0; x < image.width(); ++x) {
                const int l = grid.LogicalX(x);
                ASSERT_TRUE(grid.X(l) <= x && x < grid.X(l + 1)) << x << " in " << w << " at " << ratio;
            }
        }
}

} // namespace
