#include "ButtonLayout.h"

#include <gtest/gtest.h>

using namespace button;

namespace {

// Measures text as 6 pixels a character on one 13-pixel line: enough to check
// the arithmetic around the measurement.
Rect FixedMeasure(const QString& text, const Rect& within)
{
    Rect r = within;
    r.right = r.left + 6 * static_cast<int>(text.size());
    r.bottom = r.top + (text.isEmpty() ? 0 : 13);
    return r;
}

LayoutInputs Inputs(int position, const QString& caption = QStringLiteral("Start"))
{
    LayoutInputs in;
    in.width = 177;
    in.height = 49;
    in.pictureWidth = 36;
    in.pictureHeight = 36;
    in.position = position;
    in.hasPicture = true;
    in.caption = caption;
    return in;
}

} // namespace

TEST(ButtonLayout, PictureLeftEndsFourPixelsBeforeTheCaption)
{
    const Layout l = LayOut(Inputs(0), FixedMeasure, {});
    // Work rectangle starts at pw + 1 = 37; the 30-wide text ends at 67 and is
    // moved by (177 - 67) / 2 = 55 across and (49 - 14) / 2 = 17 down.
    EXPECT_EQ(l.caption, (Rect{92, 18, 122, 31}));
    EXPECT_EQ(l.pressedCaption, (Rect{93, 19, 123, 32}));
    EXPECT_EQ(l.px + 36 + 4, l.caption.left);
    EXPECT_EQ(l.py, (49 - 36) / 2);
}

TEST(ButtonLayout, PictureTopEndsTwoPixelsAboveTheCaption)
{
    LayoutInputs in = Inputs(2);
    in.pictureWidth = 16;
    in.pictureHeight = 16;
    const Layout l = LayOut(in, FixedMeasure, {});
    EXPECT_EQ(l.py + 16 + 2, l.caption.top);
    EXPECT_EQ(l.px, (177 - 16) / 2);
}

TEST(ButtonLayout, PictureRightAndBottom)
{
    const Layout right = LayOut(Inputs(1), FixedMeasure, {});
    EXPECT_EQ(right.px, right.caption.right + 4);
    const Layout bottom = LayOut(Inputs(3), FixedMeasure, {});
    EXPECT_EQ(bottom.py, bottom.caption.bottom + 2);
    EXPECT_EQ(bottom.px, (177 - 36) / 2);
}

TEST(ButtonLayout, EmptyCaptionOrBehindCentresThePicture)
{
    for (const auto& [position, caption] : {std::pair{0, QStringLiteral("   ")}, {1, QString()},
                                            {4, QStringLiteral("Start")}}) {
        const Layout l = LayOut(Inputs(position, caption), FixedMeasure, {});
        EXPECT_EQ(l.px, (177 - 36) / 2) << position;
        EXPECT_EQ(l.py, (49 - 36) / 2) << position;
    }
}

TEST(ButtonLayout, UnsupportedPositionKeepsThePicturePlace)
{
    Layout previous;
    previous.px = 7;
    previous.py = 9;
    const Layout l = LayOut(Inputs(9), FixedMeasure, previous);
    EXPECT_EQ(l.px, 7);
    EXPECT_EQ(l.py, 9);
}

TEST(ButtonLayout, NoPictureLeavesThePictureAlone)
{
    LayoutInputs in = Inputs(0);
    in.hasPicture = false;
    in.pictureWidth = in.pictureHeight = 0;
    const Layout l = LayOut(in, FixedMeasure, {});
    EXPECT_EQ(l.px, 0);
    // Centred: work rectangle (1, 1)-(175, 47), text 30 wide.
    EXPECT_EQ(l.caption.left, 1 + (177 - 31) / 2);
}

TEST(ButtonLayout, PictureAndCaptionAreKeptOffTheFrame)
{
    // The main window's 81 x 25 "Browse..." with its 16 x 16 picture, inside a
    // frame 3 pixels wide. By the rule alone a caption 60 pixels wide leaves
    // the picture at x = -1, on the frame; kept inside, the pair moves as
    // little as it must, the gap shrinking (not below 1) only when even that
    // is not enough. A narrow caption is placed by the rule alone.
    struct Case {
        int position, textWidth;
        int px, captionLeft;
    };
    const Case cases[] = {
        {0, 48, 5, 25},  // fits: as the rule places it
        {0, 54, 3, 23},  // the rule gives 2: moved right by one
        {0, 56, 3, 22},  // the gap shrinks to 3
        {0, 58, 3, 20},  // 16 + 4 + 58 > 75: the gap shrinks to 1
        {0, 60, 3, 20},  // even a gap of 1 is too little: the picture stays whole at the left
        {1, 54, 62, 4},  // right-to-left: the mirror image
        {1, 58, 62, 3},
        {1, 60, 62, 1},  // too wide: the picture stays whole at the right
    };
    for (const Case& c : cases) {
        LayoutInputs in;
        in.width = 81;
        in.height = 25;
        in.pictureWidth = 16;
        in.pictureHeight = 16;
        in.position = c.position;
        in.hasPicture = true;
        in.caption = QStringLiteral("Browse...");
        in.inside = Rect{3, 3, 78, 22};
        const auto measure = [&](const QString&, const Rect& within) {
            return Rect{within.left, within.top, within.left + c.textWidth, within.top + 15};
        };
        const Layout l = LayOut(in, measure, {});
        EXPECT_EQ(l.px, c.px) << c.position << " " << c.textWidth;
        EXPECT_EQ(l.caption.left, c.captionLeft) << c.position << " " << c.textWidth;
        EXPECT_EQ(l.caption.Width(), c.textWidth);
        EXPECT_EQ(l.py, 4);
        EXPECT_EQ(l.pressedCaption, (Rect{l.caption.left + 1, l.caption.top + 1, l.caption.right + 1,
                                          l.caption.bottom + 1}));
    }
}

TEST(ButtonLayout, PictureAboveOrBelowIsKeptOffTheFrameToo)
{
    // A 40-pixel high button, 16-pixel picture and two 15-pixel lines of
    // caption: 16 + 2 + 30 > 34, so the gap shrinks to 1 and the picture
    // keeps its place just inside the frame; the caption is cut instead.
    for (const int position : {2, 3}) {
        LayoutInputs in = Inputs(position);
        in.height = 40;
        in.pictureWidth = in.pictureHeight = 16;
        in.inside = Rect{3, 3, 174, 37};
        const auto measure = [](const QString&, const Rect& within) {
            return Rect{within.left, within.top, within.left + 30, within.top + 30};
        };
        const Layout l = LayOut(in, measure, {});
        if (position == 2) {
            EXPECT_EQ(l.py, 3);
            EXPECT_EQ(l.caption.top, 3 + 16 + 1);
        } else {
            EXPECT_EQ(l.py + 16, 37);
            EXPECT_EQ(l.caption.bottom, 37 - 16 - 1);
        }
    }
}
