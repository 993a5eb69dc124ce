// The drawing helpers: explicit rectangles and colours, selections put back.
#include "DrawUtil.h"
#include "SystemColors.h"

#include <gtest/gtest.h>

namespace {

constexpr ColorRef kWhite = 0xFFFFFF;
constexpr ColorRef kRed = 0x0000FF;
constexpr ColorRef kBlue = 0xFF0000;

QImage White(int w, int h)
{
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(Qt::white);
    return img;
}

ColorRef At(const QImage& img, int x, int y)
{
    return FromRgb32(img.pixel(x, y));
}

} // namespace

TEST(DrawUtil, FillAndFrameAreHalfOpenAndTranslateSystemColours)
{
    SystemColors::SetOverride(COLOR_BTNSHADOW, 0x123456);
    QImage img = White(6, 5);
    DeviceContext dc(img);
    FillSolidRect(dc, Rect{1, 1, 3, 4}, kRed);
    FrameSolidRect(dc, Rect{3, 0, 6, 5}, 0x80000010);
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 6; ++x) {
            ColorRef want = kWhite;
            if (x >= 1 && x < 3 && y >= 1 && y < 4)
                want = kRed;
            if (x >= 3 && (x == 3 || x == 5 || y == 0 || y == 4))
                want = 0x123456;
            EXPECT_EQ(At(img, x, y), want) << x << "," << y;
        }
    SystemColors::ClearOverrides();
}

TEST(DrawUtil, LineLeavesOutItsEndAndPutsPenAndPositionBack)
{
    QImage img = White(5, 1);
    DeviceContext dc(img);
    const Pen pen = Pen::Create(PS_SOLID, 2, kBlue);
    dc.SelectPen(pen);
    dc.MoveToEx(4, 0);
    DrawSolidLine(dc, 3, 0, 0, 0, kRed);
    EXPECT_EQ(At(img, 0, 0), kWhite);
    EXPECT_EQ(At(img, 1, 0), kRed);
    EXPECT_EQ(At(img, 3, 0), kRed);
    EXPECT_EQ(At(img, 4, 0), kWhite);
    EXPECT_EQ(dc.SelectPen(Pen{}), pen);
    EXPECT_EQ(dc.MoveToEx(0, 0), QPoint(4, 0));
}

TEST(DrawUtil, EllipseAndFocusFramePutTheirSelectionsBack)
{
    QImage img = White(12, 10);
    DeviceContext dc(img);
    const Pen pen = Pen::Create(PS_SOLID, 1, kBlue);
    dc.SelectPen(pen);
    DrawSolidEllipse(dc, Rect{1, 1, 11, 9}, 2, kRed, kBlue);
    EXPECT_EQ(At(img, 6, 5), kBlue);
    EXPECT_EQ(At(img, 0, 5), kRed); // a two-pixel pen spills one pixel up and left
    EXPECT_EQ(At(img, 11, 5), kWhite);
    EXPECT_EQ(dc.SelectPen(Pen{}), pen);
    EXPECT_EQ(dc.SelectBrush(Brush()).Color(), kWhite); // the new context's white brush

    QImage black(4, 1, QImage::Format_RGB32);
    black.fill(Qt::black);
    DeviceContext focus(black);
    DrawFocusRectWith(focus, Rect{0, 0, 4, 1}, kRed);
    EXPECT_EQ(At(black, 0, 0), kRed);  // even pixels take the text colour
    EXPECT_EQ(At(black, 1, 0), kWhite); // odd ones the background colour
    EXPECT_EQ(focus.SetTextColor(0), 0x000000u);
}
