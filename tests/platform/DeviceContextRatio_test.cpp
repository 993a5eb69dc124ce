// The device context on images of a higher device pixel ratio: the shapes are
// the 1x drawing scaled onto whole device pixels, which tile the image up to
// its last column and row (29 x 19 is not a whole number of pixels at 1.25).
#include "DeviceContext.h"
#include "DrawUtil.h"
#include "RatioCompare.h"

using ratiotest::kRatios;

namespace {

QImage DrawShapes(qreal ratio)
{
    QImage image = DeviceGrid::MakeImage(29, 19, ratio);
    image.fill(Qt::white);
    DeviceContext dc(image);
    FillSolidRect(dc, Rect{2, 2, 27, 17}, 0xD8E9EC);
    FrameSolidRect(dc, Rect{0, 0, 29, 19}, 0x7B4D10);
    Rect edge{3, 3, 26, 16};
    dc.DrawEdge(edge, EDGE_ETCHED, BF_RECT);
    DrawSolidLine(dc, 5, 5, 20, 5, 0x0000FF);
    DrawSolidLine(dc, 6, 13, 6, 6, 0x00FF00);
    DrawSolidLine(dc, 8, 12, 12, 7, 0xFF0000);
    dc.SetPixelV(24, 14, 0x00FFFF);
    dc.FillRect(Rect{14, 8, 22, 14}, Brush::Hatch(HS_DIAGCROSS, 0x800080));
    DrawFocusRectWith(dc, Rect{4, 4, 25, 15}, 0);
    return image;
}

} // namespace

TEST(DeviceContextRatio, ShapesAreTheOneTimesDrawingScaled)
{
    const QImage one = DrawShapes(1.0);
    for (const qreal ratio : kRatios) {
        const QImage scaled = DrawShapes(ratio);
        ASSERT_EQ(DeviceGrid::Of(scaled).LogicalSize(), QSize(29, 19));
        EXPECT_EQ(ratiotest::PixelsOffScale(one, scaled), 0) << ratio;
    }
}
