#include "ProgressGradient.h"
#include "SystemColors.h"

#include <gtest/gtest.h>

namespace {
QImage White(int w, int h)
{
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(Qt::white);
    return img;
}

ColorRef At(const DeviceContext& dc, int x, int y)
{
    return FromRgb32(dc.Image().pixel(x, y));
}
} // namespace

TEST(DrawGradient, ThreeColumnsShadeFromEndToStartColour)
{
    QImage img = White(4, 6);
    DeviceContext dc(img);
    DrawGradient(dc, 0x000000, 0x0000FF, 0, 0, 2, 5, true);
    for (int y = 0; y < 5; ++y) {
        EXPECT_EQ(At(dc, 0, y), 0x000000u);
        EXPECT_EQ(At(dc, 1, y), 0x000080u); // 127.5 rounds to 128
        EXPECT_EQ(At(dc, 2, y), 0x0000FFu);
        EXPECT_EQ(At(dc, 3, y), 0xFFFFFFu);
    }
    EXPECT_EQ(At(dc, 1, 5), 0xFFFFFFu); // the lines stop short of row 5
}

TEST(DrawGradient, ZeroStepsDrawOneLineAndNegativeStepsNone)
{
    QImage img = White(6, 6);
    DeviceContext dc(img);
    const uint32_t end = 0x00FF00, start = 0x0000FF;
    DrawGradient(dc, end, start, 1, 2, 5, 0, false); // horizontal lines, n = 0
    EXPECT_EQ(At(dc, 1, 2), 0x00FF00u);
    EXPECT_EQ(At(dc, 4, 2), 0x00FF00u);
    EXPECT_EQ(At(dc, 5, 2), 0xFFFFFFu);
    EXPECT_EQ(At(dc, 1, 3), 0xFFFFFFu);
    QImage img2 = White(6, 6);
    DeviceContext dc2(img2);
    DrawGradient(dc2, end, start, 1, 2, 5, -1, false);
    DrawGradient(dc2, end, start, 1, 2, -3, 5, true);
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 6; ++x)
            EXPECT_EQ(At(dc2, x, y), 0xFFFFFFu);
}

TEST(DrawGradient, TranslatesSystemColours)
{
    SystemColors::SetOverride(COLOR_HIGHLIGHT, 0x123456);
    QImage img = White(2, 2);
    DeviceContext dc(img);
    DrawGradient(dc, 0x8000000D, 0x000001, 0, 0, 0, 1, true); // one line in the end colour
    EXPECT_EQ(At(dc, 0, 0), 0x123456u);
    EXPECT_EQ(At(dc, 1, 0), 0xFFFFFFu);
    SystemColors::ClearOverrides();
}
