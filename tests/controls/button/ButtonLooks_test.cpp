// Pixel tests of the looks, drawn straight through the look functions.
#include "ButtonTestSupport.h"

using namespace button;
using namespace buttontest;

class ButtonLooks : public XpColours {};

TEST_F(ButtonLooks, BlueGradientUpRowsFrameAndCorners)
{
    const LookCase s = LookOf(3, 60, 25);
    const Palette p = XpPalette(3);
    ASSERT_EQ(p.liftedFace, 0xFFFFFFu);
    const QImage img = RenderLook(p, s, 0).image;
    // Rows 3 to 21 show the gradient between the inner lines: row i is white
    // moved by -i, blue by -i * 255 / 192 (truncated), so (255 - i, 255 - i, 255 - 255 * i / 192).
    const ColorRef rows[] = {0xFCFCFC, 0xFAFBFB, 0xF9FAFA, 0xF8F9F9, 0xF6F8F8, 0xF5F7F7, 0xF4F6F6,
                             0xF2F5F5, 0xF1F4F4, 0xF0F3F3, 0xEEF2F2, 0xEDF1F1, 0xECF0F0, 0xEAEFEF,
                             0xE9EEEE, 0xE8EDED, 0xE6ECEC, 0xE5EBEB, 0xE4EAEA};
    for (int row = 3; row <= 21; ++row)
        EXPECT_EQ(PixelAt(img, 30, row), rows[row - 3]) << row;
    EXPECT_EQ(PixelAt(img, 30, 10), Rgb(245, 245, 242));
    // Rows 0 and 24 carry the frame; the corner pixels inside it are lighter blue.
    EXPECT_EQ(PixelAt(img, 30, 0), 0x733C00u);
    EXPECT_EQ(PixelAt(img, 30, 24), 0x733C00u);
    EXPECT_EQ(PixelAt(img, 0, 12), 0x733C00u);
    for (const auto& [x, y] : {std::pair{1, 1}, {1, 23}, {58, 1}, {58, 23}})
        EXPECT_EQ(PixelAt(img, x, y), 0x7B4D10u);
    // The plain inner lines: white highlights at the top, shades at the bottom.
    EXPECT_EQ(PixelAt(img, 30, 1), 0xFFFFFFu);
    EXPECT_EQ(PixelAt(img, 30, 23), Rgb(207, 207, 192)); // white moved by -48, blue by -63
    EXPECT_EQ(PixelAt(img, 30, 22), Rgb(223, 223, 213)); // by -32, blue by -42
}

TEST_F(ButtonLooks, BlueGradientHoveredAndFocusedInnerFrames)
{
    LookCase s = LookOf(3, 60, 25);
    s.state.hovered = true;
    QImage img = RenderLook(XpPalette(3), s, 0).image;
    EXPECT_EQ(PixelAt(img, 1, 12), 0x31B2FFu);
    EXPECT_EQ(PixelAt(img, 30, 23), 0x0096E7u);
    EXPECT_EQ(PixelAt(img, 30, 1), 0xCEF3FFu);
    EXPECT_EQ(PixelAt(img, 2, 12), 0x6BCBFFu);
    s.state.hovered = false;
    s.state.focused = true;
    img = RenderLook(XpPalette(3), s, 0).image;
    EXPECT_EQ(PixelAt(img, 1, 12), 0xE7AE8Cu);
    EXPECT_EQ(PixelAt(img, 30, 23), 0xEF826Bu);
    s.props.showFocusRect = false; // no focus frame at all then
    img = RenderLook(XpPalette(3), s, 0).image;
    EXPECT_EQ(PixelAt(img, 30, 23), Rgb(207, 207, 192));
    s.state.focused = false;
    s.props.showFocusRect = true;
    s.state.displayAsDefault = true; // the default button is framed like the focused one
    img = RenderLook(XpPalette(3), s, 0).image;
    EXPECT_EQ(PixelAt(img, 1, 12), 0xE7AE8Cu);
}

TEST_F(ButtonLooks, BlueGradientPressedRunsDarkerUpward)
{
    const LookCase s = LookOf(3, 60, 25);
    const QImage img = RenderLook(XpPalette(3), s, 2).image;
    // The pressed face P is (223, 223, 213); bottom-up, row 25 - i is P moved
    // by -i, blue by -i * 213 / 192 (truncated).
    const ColorRef rows[] = {0xBECACA, 0xBFCBCB, 0xC0CCCC, 0xC2CDCD, 0xC3CECE, 0xC4CFCF,
                             0xC5D0D0, 0xC6D1D1, 0xC7D2D2, 0xC8D3D3, 0xC9D4D4, 0xCAD5D5,
                             0xCCD6D6, 0xCDD7D7, 0xCED8D8, 0xCFD9D9, 0xD0DADA};
    for (int row = 4; row <= 20; ++row)
        EXPECT_EQ(PixelAt(img, 30, row), rows[row - 4]) << row;
    EXPECT_EQ(PixelAt(img, 30, 0), 0x733C00u);
    EXPECT_EQ(PixelAt(img, 30, 1), Rgb(191, 191, 178)); // P moved by -32, blue by -35
}

TEST_F(ButtonLooks, BlueGradientDisabledColours)
{
    LookCase s = LookOf(3, 60, 25);
    s.props.enabled = false;
    const QImage img = RenderLook(XpPalette(3), s, 0).image;
    EXPECT_EQ(PixelAt(img, 30, 12), Rgb(231, 231, 224));
    EXPECT_EQ(PixelAt(img, 0, 12), Rgb(171, 171, 144));
    EXPECT_EQ(PixelAt(img, 30, 24), Rgb(171, 171, 144));
    for (const auto& [x, y] : {std::pair{1, 1}, {1, 23}, {58, 1}, {58, 23}})
        EXPECT_EQ(PixelAt(img, x, y), Rgb(183, 183, 160));
}

TEST_F(ButtonLooks, DisabledBlueGradientCaptionUsesItsOwnShade)
{
    LookCase s = LookOf(3, 90, 25, QStringLiteral("Start"));
    s.props.enabled = false;
    const QImage img = RenderLook(XpPalette(3), s, 0).image;
    const Colour shade = Rgb(151, 151, 117); // white moved by -104, blue by -138
    EXPECT_GT(CountColour(img, shade), 5);
    EXPECT_EQ(CountColour(img, 0x000000), 0);
}

TEST_F(ButtonLooks, SoftBevelHalvesTheGradient)
{
    LookCase s = LookOf(3, 60, 25);
    s.props.softBevel = true;
    const Palette p = XpPalette(3, 1, true);
    const QImage img = RenderLook(p, s, 0).image;
    // The green channel of the lifted face is 255; row i is i / 2 darker.
    for (int row = 3; row <= 21; ++row)
        EXPECT_EQ(GetGValue(PixelAt(img, 30, row)), 255 - row / 2) << row;
}

TEST_F(ButtonLooks, PictureOnlyAndUnknownTypesShowJustTheFace)
{
    for (int look : {10, 0, 15}) {
        const LookCase s = LookOf(look, 80, 30, QStringLiteral("Start"));
        const Palette p = XpPalette(look);
        for (int state : {0, 2}) {
            const QImage img = RenderLook(p, s, state).image;
            EXPECT_EQ(CountColour(img, p.face), 80 * 30) << look << " " << state;
        }
    }
}

TEST_F(ButtonLooks, CaptionStatesUseTheirColours)
{
    struct Case {
        int look;
        bool enabled;
        bool hovered;
        int drawState;
        int captionState;
        Colour (*colour)(const Palette&);
    } cases[] = {
        {1, true, false, 0, 0, [](const Palette& p) { return p.text; }},
        {1, true, true, 0, 1, [](const Palette& p) { return p.textOver; }},
        {1, false, false, 0, 3, [](const Palette& p) { return p.shadow; }},
        {6, false, false, 0, 4, [](const Palette& p) { return p.shadow; }},
        {14, false, false, 0, 6, [](const Palette& p) { return p.face; }},
        {14, true, false, 2, 7, [](const Palette& p) { return p.highlight; }},
        {4, true, false, 2, 2, [](const Palette& p) { return p.light; }},
    };
    for (const Case& c : cases) {
        LookCase s = LookOf(c.look, 90, 30, QStringLiteral("Start"));
        s.props.enabled = c.enabled;
        s.state.hovered = c.hovered;
        const Palette p = XpPalette(c.look);
        const Render r = RenderLook(p, s, c.drawState);
        EXPECT_EQ(r.captionState, c.captionState) << c.look;
        EXPECT_GT(CountColour(r.image, c.colour(p)), 5) << c.look;
    }
}

TEST_F(ButtonLooks, SpecialEffectsDrawShiftedCopies)
{
    LookCase s = LookOf(8, 90, 30, QStringLiteral("Start")); // flat: no bevel colours
    const Palette p = XpPalette(8);
    // The face (236, 233, 216) moved by -40 and by +40 (which reaches white).
    const Colour dark = Rgb(196, 193, 176), light = 0xFFFFFF;
    s.props.specialEffect = 0;
    EXPECT_EQ(CountColour(RenderLook(p, s, 0).image, dark), 0);
    s.props.specialEffect = 3; // shadow: the dark copy only
    QImage img = RenderLook(p, s, 0).image;
    EXPECT_GT(CountColour(img, dark), 5);
    EXPECT_EQ(CountColour(img, light), 0);
    s.props.specialEffect = 1; // raised: both copies
    img = RenderLook(p, s, 0).image;
    EXPECT_GT(CountColour(img, dark), 5);
    EXPECT_GT(CountColour(img, light), 5);
}

TEST_F(ButtonLooks, LookTenDrawsNoCaptionEvenBehindAPicture)
{
    LookCase s = LookOf(10, 80, 30, QStringLiteral("Start"));
    s.props.picturePosition = 4;
    const Palette p = XpPalette(10);
    EXPECT_EQ(CountColour(RenderLook(p, s, 0).image, p.face), 80 * 30);
}

TEST_F(ButtonLooks, FramesOfOtherLooks)
{
    const Palette p = XpPalette(1);
    QImage img = RenderLook(p, LookOf(1, 40, 20), 0).image;
    EXPECT_EQ(PixelAt(img, 0, 10), p.darkShadow);
    EXPECT_EQ(PixelAt(img, 1, 10), p.highlight);
    EXPECT_EQ(PixelAt(img, 38, 10), p.shadow);
    img = RenderLook(p, LookOf(2, 40, 20), 2).image; // pressed standard: dark top-left
    EXPECT_EQ(PixelAt(img, 0, 10), p.darkShadow);
    EXPECT_EQ(PixelAt(img, 39, 10), p.highlight);
    LookCase hover9 = LookOf(9, 40, 20);
    hover9.state.hovered = true;
    img = RenderLook(p, hover9, 0).image;
    EXPECT_EQ(PixelAt(img, 0, 10), p.accent);
    EXPECT_EQ(PixelAt(img, 10, 10), p.hoverFill);
    img = RenderLook(p, LookOf(13, 40, 20), 2).image;
    EXPECT_EQ(PixelAt(img, 20, 10), Rgb(204, 201, 184)); // the face moved by -32
    EXPECT_EQ(PixelAt(img, 0, 0), p.face);
    img = RenderLook(p, LookOf(14, 40, 20), 0).image;
    EXPECT_EQ(PixelAt(img, 0, 10), Rgb(122, 118, 103)); // the shadow (172, 168, 153) moved by -50
    EXPECT_EQ(PixelAt(img, 2, 10), p.highlight);
}

TEST_F(ButtonLooks, LongCaptionWrapsIntoCentredLines)
{
    const LookCase s = LookOf(2, 70, 60, QStringLiteral("Clear all the listed names"));
    const Palette p = XpPalette(2);
    const QImage img = RenderLook(p, s, 0).image;
    // Text rows form bands separated by empty rows; each band is centred.
    std::vector<std::pair<int, int>> bands; // leftmost, rightmost text pixel per line
    bool inBand = false;
    for (int y = 2; y < 58; ++y) {
        int left = -1, right = -1;
        for (int x = 2; x < 68; ++x)
            if (PixelAt(img, x, y) == p.text) {
                if (left < 0)
                    left = x;
                right = x;
            }
        if (left >= 0) {
            if (!inBand)
                bands.push_back({left, right});
            bands.back().first = std::min(bands.back().first, left);
            bands.back().second = std::max(bands.back().second, right);
        }
        inBand = left >= 0;
    }
    ASSERT_GE(bands.size(), 2u);
    for (const auto& [left, right] : bands)
        EXPECT_NEAR((left + right) / 2.0, 35.0, 3.0);
}
