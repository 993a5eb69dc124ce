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

TEST(ButtonLayout, BrowseButtonPlacesItsPictureByTheRuleEvenPastTheEdge)
{
    // The main window's 81 x 25 "Browse..." with its 16 x 16 picture. A
    // caption 60 pixels wide (DejaVu Sans at 13 px) leaves the picture at
    // x = -1; 54 pixels (a narrower face) at x = 2. The rule is kept as it
    // is: the cure for a wide font is a narrower font, not a clamp.
    struct Case {
        int textWidth, px;
    };
    for (const Case c : {Case{60, -1}, Case{54, 2}, Case{48, 5}}) {
        LayoutInputs in;
        in.width = 81;
        in.height = 25;
        in.pictureWidth = 16;
        in.pictureHeight = 16;
        in.position = 0;
        in.hasPicture = true;
        in.caption = QStringLiteral("Browse...");
        const auto measure = [&](const QString&, const Rect& within) {
            return Rect{within.left, within.top, within.left + c.textWidth, within.top + 15};
        };
        const Layout l = LayOut(in, measure, {});
        EXPECT_EQ(l.px, c.px) << c.textWidth;
        EXPECT_EQ(l.py, 4) << c.textWidth;
        EXPECT_EQ(l.px + 16 + 4, l.caption.left) << c.textWidth;
    }
}
