// The picture drawn through the looks: states, mask colour, grey and silhouettes.
#include "ButtonTestSupport.h"

using namespace button;
using namespace buttontest;

namespace {

constexpr ColorRef kRed = 0x0000FF;   // as colour values (0x00BBGGRR)
constexpr ColorRef kGreen = 0x00FF00;
constexpr ColorRef kBlue = 0xFF0000;

PicturePtr Solid(int size, ColorRef colour)
{
    QImage image(size, size, QImage::Format_RGB32);
    image.fill(ToRgb32(colour));
    return Picture::FromBitmap(image);
}

// Columns 0 and 1 black, the rest light grey (not the mask colour).
PicturePtr BlackAndWhite()
{
    QImage image(4, 4, QImage::Format_RGB32);
    image.fill(qRgb(240, 240, 240));
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 2; ++x)
            image.setPixel(x, y, qRgb(0, 0, 0));
    return Picture::FromBitmap(image);
}

LookCase WithPicture(int look, PicturePtr normal, PicturePtr over = nullptr)
{
    LookCase s = LookOf(look, 40, 30);
    s.props.pictureNormal = std::move(normal);
    s.props.pictureOver = std::move(over);
    s.geometry.pictureWidth = s.props.pictureNormal ? s.props.pictureNormal->WidthPixels() : 0;
    s.geometry.pictureHeight = s.props.pictureNormal ? s.props.pictureNormal->HeightPixels() : 0;
    s.geometry.layout.px = 10;
    s.geometry.layout.py = 12;
    return s;
}

} // namespace

class ButtonPicture : public XpColours {};

TEST_F(ButtonPicture, GreyscaleOnlyWhileNeitherHoveredNorPressed)
{
    QImage red(2, 1, QImage::Format_RGB32);
    red.setPixel(0, 0, qRgb(255, 0, 0));
    red.setPixel(1, 0, qRgb(0, 0, 255));
    LookCase s = WithPicture(8, Picture::FromBitmap(red));
    s.props.useGreyscale = true;
    const Palette p = XpPalette(8);
    QImage img = RenderLook(p, s, 0).image;
    EXPECT_EQ(PixelAt(img, 10, 12), Rgb(76, 76, 76));
    EXPECT_EQ(PixelAt(img, 11, 12), Rgb(28, 28, 28));
    s.state.hovered = true;
    img = RenderLook(p, s, 0).image;
    EXPECT_EQ(PixelAt(img, 10, 12), kRed);
    s.state.hovered = false;
    img = RenderLook(p, s, 2).image; // pressed: moved by (1, 1), in colour
    EXPECT_EQ(PixelAt(img, 11, 13), kRed);
}

TEST_F(ButtonPicture, MaskColourIsDrawnOnlyWithoutUseMaskColor)
{
    LookCase s = WithPicture(8, Solid(4, 0xFFFFFF));
    Palette p = XpPalette(8);
    ASSERT_EQ(p.mask, 0xFFFFFFu);
    EXPECT_EQ(PixelAt(RenderLook(p, s, 0).image, 11, 13), p.face);
    s.props.useMaskColor = false;
    EXPECT_EQ(PixelAt(RenderLook(p, s, 0).image, 11, 13), 0xFFFFFFu);
}

TEST_F(ButtonPicture, PictureOverAloneIsNeverDrawnAndTakesNormalsPlace)
{
    LookCase alone = WithPicture(8, nullptr, Solid(4, kGreen));
    alone.state.hovered = true;
    EXPECT_EQ(CountColour(RenderLook(XpPalette(8), alone, 0).image, kGreen), 0);

    LookCase both = WithPicture(8, Solid(4, kRed), Solid(8, kGreen));
    both.state.hovered = true;
    QImage img = RenderLook(XpPalette(8), both, 0).image;
    EXPECT_EQ(CountColour(img, kGreen), 16); // at PictureNormal's 4 x 4 size
    EXPECT_EQ(CountColour(img, kRed), 0);
    EXPECT_EQ(PixelAt(img, 10, 12), kGreen);
    both.state.hovered = false;
    img = RenderLook(XpPalette(8), both, 0).image;
    EXPECT_EQ(CountColour(img, kRed), 16);
}

TEST_F(ButtonPicture, DisabledLookOneShowsDarkPixelsOverAHighlightShadow)
{
    LookCase s = WithPicture(1, BlackAndWhite());
    s.props.enabled = false;
    const Palette p = XpPalette(1);
    const QImage img = RenderLook(p, s, 0).image;
    EXPECT_EQ(PixelAt(img, 10, 12), p.shadow);
    EXPECT_EQ(PixelAt(img, 11, 13), p.shadow);
    EXPECT_EQ(PixelAt(img, 12, 13), p.highlight); // the highlight copy peeks out at (+1, +1)
    EXPECT_EQ(PixelAt(img, 12, 12), p.face);      // light pixels keep the face
    EXPECT_EQ(PixelAt(img, 13, 14), p.face);
}

TEST_F(ButtonPicture, DisabledLookThreeIsGreyAndMoved)
{
    LookCase s = WithPicture(3, Solid(4, kBlue));
    s.props.enabled = false;
    const QImage img = RenderLook(XpPalette(3), s, 0).image;
    EXPECT_EQ(PixelAt(img, 11, 13), Rgb(28, 28, 28));
    EXPECT_EQ(PixelAt(img, 10, 12), Rgb(231, 231, 224));
}

TEST_F(ButtonPicture, HoverFillLookBlendsAndRaisesThePicture)
{
    LookCase s = WithPicture(9, Solid(4, kRed));
    const Palette p = XpPalette(9);
    QImage img = RenderLook(p, s, 0).image;
    // Up: two thirds picture, one third face.
    EXPECT_EQ(PixelAt(img, 11, 13),
              Rgb((2 * 255 + Red(p.face)) / 3, Green(p.face) / 3, Blue(p.face) / 3));
    s.state.hovered = true;
    img = RenderLook(p, s, 0).image;
    EXPECT_EQ(PixelAt(img, 9, 11), kRed);         // lifted to (-1, -1)
    EXPECT_EQ(PixelAt(img, 13, 15), p.shadow);    // its shadow at (+1, +1)
}

TEST_F(ButtonPicture, BehindTheCaptionTheCaptionIsDrawnAgainOnTop)
{
    LookCase s = LookOf(8, 90, 30, QStringLiteral("HHHH"));
    s.props.pictureNormal = Solid(90, kGreen);
    s.geometry.pictureWidth = s.geometry.pictureHeight = 90;
    s.props.picturePosition = 4;
    s.geometry.layout.px = s.geometry.layout.py = 0;
    const Palette p = XpPalette(8);
    EXPECT_GT(CountColour(RenderLook(p, s, 0).image, p.text), 5);
    s.props.picturePosition = 0;
    EXPECT_EQ(CountColour(RenderLook(p, s, 0).image, p.text), 0);
}

TEST_F(ButtonPicture, IconIsDrawnOverTheMaskColourSoItsTransparentPartsStayOut)
{
    QImage icon(4, 4, QImage::Format_ARGB32_Premultiplied);
    icon.fill(Qt::transparent);
    icon.setPixel(1, 1, qRgba(255, 0, 0, 255));
    LookCase s = WithPicture(8, Picture::FromIcon(icon));
    const Palette p = XpPalette(8);
    const QImage img = RenderLook(p, s, 0).image;
    EXPECT_EQ(PixelAt(img, 11, 13), kRed);
    EXPECT_EQ(PixelAt(img, 10, 12), p.face);
    EXPECT_EQ(CountColour(img, kRed), 1);
}
