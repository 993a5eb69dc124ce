// The bar at the device pixel ratios of HiDPI screens: every look is the 1x
// drawing scaled, the caption sits where the 1x layout puts it.
#include "ProgressBarTestSupport.h"
#include "RatioCompare.h"
#include "XP_ProgressBar.h"

using namespace ratiotest;

TEST(ProgressRatio, LooksAreTheOneTimesDrawingScaledAndTheCaptionWhereItWas)
{
    ProgressState captioned = BarState(0, 37);
    captioned.showCaption = true;
    const QRect textOne = DiffBox(Render(captioned).image, Render(BarState(0, 37)).image);
    for (const qreal ratio : kRatios) {
        for (int look = 0; look <= 9; ++look) {
            ProgressState s = BarState(look, 37);
            s.hatchStyle = 5;
            EXPECT_EQ(PixelsOffScale(Render(s).image, Render(s, 177, 17, ratio).image), 0)
                << "look " << look << " at " << ratio;
        }
        const QRect text =
            DiffBox(Render(captioned, 177, 17, ratio).image, Render(BarState(0, 37), 177, 17, ratio).image);
        EXPECT_TRUE(ScaledBox(text, textOne, ratio, 1.5 * ratio));
    }
}

// Run by ctest under QT_SCALE_FACTOR=2 (progress_bar_tests_hidpi).
TEST(ProgressRatio, WidgetOnAScaledScreenShowsItsDeviceDrawing)
{
    XP_ProgressBar bar;
    bar.resize(177, 17);
    bar.show();
    if (bar.devicePixelRatioF() == 1.0)
        GTEST_SKIP() << "needs a scaled screen";
    bar.SetShowText(true);
    bar.SetValue(42);
    EXPECT_EQ(bar.Snapshot().devicePixelRatio(), bar.devicePixelRatioF());
    EXPECT_EQ(DeviceGrid::Of(bar.Snapshot()).LogicalSize(), QSize(177, 17));
    EXPECT_EQ(bar.grab().toImage().convertToFormat(QImage::Format_RGB32), bar.Snapshot());
}
