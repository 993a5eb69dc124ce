// The bar drawn at the device pixel ratios of HiDPI screens: every look is
// the 1x drawing scaled, its caption sits where the 1x layout puts it.
#include "ProgressBarTestSupport.h"
#include "XP_ProgressBar.h"

#include <gtest/gtest.h>

namespace {

constexpr qreal kRatios[] = {1.25, 1.5, 2.0, 3.0};

QRect InkBox(const QImage& image, const QImage& bare)
{
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != bare.pixel(x, y))
                box |= QRect(x, y, 1, 1);
    return box;
}

} // namespace

TEST(ProgressRatio, EveryLookIsTheOneTimesDrawingScaled)
{
    for (int look = 0; look <= 9; ++look) {
        ProgressState s = BarState(look, 37);
        s.hatchStyle = 5;
        const QImage one = Render(s).image;
        for (const qreal ratio : kRatios) {
            const QImage scaled = Render(s, 177, 17, ratio).image;
            const DeviceGrid grid = DeviceGrid::Of(scaled);
            int wrong = 0;
            for (int y = 0; y < scaled.height(); ++y)
                for (int x = 0; x < scaled.width(); ++x)
                    wrong += scaled.pixel(x, y) != one.pixel(grid.LogicalX(x), grid.LogicalY(y));
            EXPECT_EQ(wrong, 0) << "look " << look << " at " << ratio;
        }
    }
}

TEST(ProgressRatio, CaptionSitsWhereTheLayoutPutsIt)
{
    ProgressState s = BarState(0, 37);
    ProgressState captioned = s;
    captioned.showCaption = true;
    const QRect one = InkBox(Render(captioned).image, Render(s).image);
    ASSERT_FALSE(one.isEmpty());
    for (const qreal ratio : kRatios) {
        const QRect box = InkBox(Render(captioned, 177, 17, ratio).image, Render(s, 177, 17, ratio).image);
        const qreal slack = 1.5 * ratio;
        EXPECT_NEAR(box.left(), one.left() * ratio, slack) << ratio;
        EXPECT_NEAR(box.right() + 1, (one.right() + 1) * ratio, slack) << ratio;
        EXPECT_NEAR(box.top(), one.top() * ratio, slack) << ratio;
        EXPECT_NEAR(box.bottom() + 1, (one.bottom() + 1) * ratio, slack) << ratio;
    }
}

// Run by ctest under QT_SCALE_FACTOR=2: the widget draws at its screen's ratio
// and its window shows that drawing pixel for pixel.
TEST(ProgressRatio, WidgetOnAScaledScreenShowsItsDeviceDrawing)
{
    XP_ProgressBar bar;
    bar.resize(177, 17);
    bar.show();
    const qreal ratio = bar.devicePixelRatioF();
    if (ratio == 1.0)
        GTEST_SKIP() << "needs a scaled screen (progress_bar_tests_hidpi sets QT_SCALE_FACTOR)";
    bar.SetShowText(true);
    bar.SetValue(42);
    const QImage shot = bar.Snapshot();
    EXPECT_EQ(shot.devicePixelRatio(), ratio);
    EXPECT_EQ(DeviceGrid::Of(shot).LogicalSize(), QSize(177, 17));
    const QImage shown = bar.grab().toImage().convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(shown.size(), shot.size());
    EXPECT_EQ(shown, shot);
}
