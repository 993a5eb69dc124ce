// A bar in a right-to-left layout fills from the right, as Qt's own progress
// bars do there: its drawing is the left-to-right one turned around, except
// that the caption still reads the right way; a vertical bar is unchanged.
#include "ProgressBarTestSupport.h"
#include "ProgressColors.h"

#include <gtest/gtest.h>

namespace {

QImage Mirror(const QImage& image)
{
    return image.mirrored(true, false);
}

ProgressState RightToLeft(ProgressState s)
{
    s.rightToLeft = true;
    return s;
}

} // namespace

TEST(ProgressRightToLeft, EveryLookIsTheLeftToRightDrawingTurnedAround)
{
    for (int look = 0; look <= 9; ++look)
        for (const int percent : {0, 30, 100}) {
            const ProgressState s = BarState(look, percent);
            EXPECT_EQ(Render(RightToLeft(s)).image, Mirror(Render(s).image)) << look << " at " << percent;
            // At a HiDPI ratio the turn is one of device pixels too.
            EXPECT_EQ(Render(RightToLeft(s), 177, 17, 1.5).image, Mirror(Render(s, 177, 17, 1.5).image))
                << look << " at " << percent;
        }
}

TEST(ProgressRightToLeft, VerticalBarsStayAsTheyAre)
{
    for (int look = 0; look <= 2; ++look) {
        const ProgressState s = BarState(look, 40, 0x808000, 1);
        EXPECT_EQ(Render(RightToLeft(s), 17, 120).image, Render(s, 17, 120).image) << look;
    }
}

TEST(ProgressRightToLeft, TheCaptionReadsTheRightWayWithItsSecondColourOverTheFill)
{
    // Look 6 (Dark): the caption in light grey, its part over the fill in a
    // lighter fill colour. Left to right that part is on the left; right to
    // left on the right. Empty or full, the caption is the same glyphs either way.
    const ColorRef first = 0xC0C0C0, second = LightenColor(0x808000, 80);
    struct Counts {
        int firstPixels = 0, secondLeft = 0, secondRight = 0;
    };
    const auto count = [&](const QImage& image) {
        Counts n;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const ColorRef p = FromRgb32(image.pixel(x, y));
                n.firstPixels += p == first;
                (x < image.width() / 2 ? n.secondLeft : n.secondRight) += p == second;
            }
        return n;
    };
    for (const int percent : {0, 50, 100}) {
        ProgressState s = BarState(6, percent);
        s.showCaption = true;
        const QImage ltr = Render(s).image, rtl = Render(RightToLeft(s)).image;
        const Counts l = count(ltr), r = count(rtl);
        if (percent == 50) {
            EXPECT_GT(l.secondLeft, 0);
            EXPECT_EQ(l.secondRight, 0);
            EXPECT_EQ(r.secondLeft, 0);
            EXPECT_GT(r.secondRight, 0);
            continue;
        }
        // The same glyphs in the same place and colour: the caption is not turned.
        EXPECT_GT(l.firstPixels + l.secondLeft + l.secondRight, 0) << percent;
        for (int y = 0; y < ltr.height(); ++y)
            for (int x = 0; x < ltr.width(); ++x) {
                const ColorRef a = FromRgb32(ltr.pixel(x, y)), b = FromRgb32(rtl.pixel(x, y));
                if (a == first || a == second || b == first || b == second) {
                    ASSERT_EQ(a, b) << percent << " at " << x << "," << y;
                }
            }
    }
}
