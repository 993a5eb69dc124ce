// The device context on images of a higher device pixel ratio: the shapes are
// the 1x drawing scaled onto whole device pixels, which tile the image.
#include "DeviceContext.h"
#include "DrawUtil.h"
#include "RatioCompare.h"

using ratiotest::kRatios;

namespace {

QImage DrawShapes(qreal ratio)
{
    QImage image = DeviceGrid::MakeImage(31, 19, ratio);
    image.fill(Qt::white);
    DeviceContext dc(image);
    FillSolidRect(dc, Rect{2, 2, 29, 17}, 0xD8E9EC);
    FrameSolidRect(dc, Rect{0, 0, 31, 19}, 0x7B4D10);
    Rect edge{3, 3, 28, 16};
    dc.DrawEdge(edge, EDGE_ETCHED, BF_RECT);
    DrawSolidLine(dc, 5, 5, 20, 5, 0x0000FF);
    DrawSolidLine(dc, 6, 13, 6, 6, 0x00FF00);
    DrawSolidLine(dc, 8, 12, 12, 7, 0xFF0000);
    dc.SetPixelV(25, 14, 0x00FFFF);
    dc.FillRect(Rect{14, 8, 22, 14}, Brush::Hatch(HS_DIAGCROSS, 0x800080));
    DrawFocusRectWith(dc, Rect{4, 4, 27, 15}, 0);
    return image;
}

} // namespace

TEST(DeviceContextRatio, ShapesAreTheOneTimesDrawingScaled)
{
    const QImage one = DrawShapes(1.0);
    for (const qreal ratio : kRatios)
        EXPECT_EQ(ratiotest::PixelsOffScale(one, DrawShapes(ratio)), 0) << ratio;
}

TEST(DeviceContextRatio, LogicalPixelsTileTheWholeImage)
{
    for (const qreal ratio : kRatios)
        for (int w = 1; w < 40; ++w) {
            const QImage image = DeviceGrid::MakeImage(w, 3, ratio);
            const DeviceGrid grid = DeviceGrid::Of(image);
            ASSERT_EQ(grid.LogicalSize(), QSize(w, 3));
            EXPECT_EQ(grid.X(w), image.width()) << w << " at " << ratio;
            for (int x = 0; x < image.width(); ++x) {
                const int l = grid.LogicalX(x);
                ASSERT_TRUE(grid.X(l) <= x && x < grid.X(l + 1)) << x << " in " << w << " at " << ratio;
            }
        }
}
