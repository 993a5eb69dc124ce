// The program's picture buttons at the device pixel ratios of HiDPI screens:
// frame and focus rectangle are the 1x drawing scaled, the caption sits where
// the 1x layout puts it but is drawn by the font at device resolution, and the
// picture is scaled smoothly and whole.
#include "ButtonTestSupport.h"
#include "RatioCompare.h"

#include <QSet>

using namespace buttontest;
using namespace ratiotest;

namespace {

struct ProgramButton {
    const char* caption;
    int w, h;
    const char* picture;
    int size;
};
constexpr ProgramButton kButtons[] = {
    {"Start", 177, 49, ":/pictures/start.png", 36},
    {"Output", 177, 49, ":/pictures/output.png", 32},
    {"Browse...", 81, 25, ":/pictures/browse.png", 16},
};

// The face inside look 3's frame (1 pixel of border, 2 of focus or hover frame).
Rect Inside(const ProgramButton& b)
{
    return Rect{3, 3, b.w - 3, b.h - 3};
}

// Look 3 with focus, as the main window shows it.
LookCase ProgramLook(const ProgramButton& b, bool withContent)
{
    LookCase c = LookOf(3, b.w, b.h);
    c.props.font = FontObject(QStringLiteral("MS Sans Serif"), 9.75);
    c.props.maskColor = 0xFFFFFF;
    c.state.focused = true;
    if (!withContent)
        return c;
    c.props.caption = QString::fromLatin1(b.caption);
    c.props.pictureNormal = Picture::Load(QString::fromLatin1(b.picture));
    c.geometry.pictureWidth = c.geometry.pictureHeight = b.size;
    const button::LayoutInputs in{b.w, b.h, b.size, b.size, 0, true, c.props.caption, Inside(b)};
    c.geometry.layout = c.geometry.boldLayout = button::LayOut(in, button::CaptionMeasure(c.props.font), {});
    return c;
}

QImage Draw(const LookCase& c, qreal ratio)
{
    button::Palette palette = XpPalette(3);
    palette.mask = 0xFFFFFF;
    return RenderLook(palette, c, 0, ratio).image;
}

class ButtonRatio : public XpColours {};

} // namespace

TEST_F(ButtonRatio, FrameAndFocusRectangleAreTheOneTimesDrawingScaled)
{
    for (const ProgramButton& b : kButtons)
        for (const qreal ratio : kRatios)
            EXPECT_EQ(PixelsOffScale(Draw(ProgramLook(b, false), 1.0), Draw(ProgramLook(b, false), ratio)), 0)
                << b.caption << " at " << ratio;
}

TEST_F(ButtonRatio, CaptionAndPictureSitWhereTheLayoutPutsThemScaled)
{
    for (const ProgramButton& b : kButtons) {
        // The same layout without the text, or without the picture: each differs in that alone.
        const LookCase c = ProgramLook(b, true);
        LookCase noText = c, noPicture = c;
        noText.props.caption.clear();
        noPicture.props.pictureNormal = nullptr;
        const QImage one = Draw(c, 1.0);
        const QRect textOne = DiffBox(one, Draw(noText, 1.0)), pictureOne = DiffBox(one, Draw(noPicture, 1.0));
        QSet<QRgb> pictureColours;
        for (int y = pictureOne.top(); y <= pictureOne.bottom(); ++y)
            for (int x = pictureOne.left(); x <= pictureOne.right(); ++x)
                pictureColours.insert(one.pixel(x, y));
        for (const qreal ratio : kRatios) {
            const QImage scaled = Draw(c, ratio), scaledNoText = Draw(noText, ratio);
            EXPECT_TRUE(ScaledBox(DiffBox(scaled, scaledNoText), textOne, ratio, 1.5 * ratio)) << b.caption;
            // Every column and row of the 1x picture is there, none cut off.
            const QImage scaledNoPicture = Draw(noPicture, ratio);
            const QRect picture = DiffBox(scaled, scaledNoPicture);
            EXPECT_TRUE(ScaledBox(picture, pictureOne, ratio, ratio)) << b.caption;
            int smoothed = 0; // filtered colours the 1x picture does not have
            for (int y = picture.top(); y <= picture.bottom(); ++y)
                for (int x = picture.left(); x <= picture.right(); ++x)
                    smoothed += scaled.pixel(x, y) != scaledNoPicture.pixel(x, y)
                        && !pictureColours.contains(scaled.pixel(x, y));
            EXPECT_GT(smoothed, 0) << b.caption << " at " << ratio;
            // A 1x caption blown up would make every aligned 2 x 2 block of its ink one colour.
            if (ratio == 2.0) {
                EXPECT_LT(UniformShare(scaled, scaledNoText), 0.75) << b.caption;
            }
        }
    }
}

// Caption and picture never reach the frame, at any ratio: the picture lies
// inside it and the caption keeps a logical pixel clear of it on either side.
TEST_F(ButtonRatio, CaptionAndPictureKeepOffTheFrame)
{
    std::vector<qreal> ratios{1.0};
    ratios.insert(ratios.end(), std::begin(kRatios), std::end(kRatios));
    for (const ProgramButton& b : kButtons) {
        const LookCase c = ProgramLook(b, true);
        LookCase noText = c, noPicture = c;
        noText.props.caption.clear();
        noPicture.props.pictureNormal = nullptr;
        const Rect inside = Inside(b);
        for (const qreal ratio : ratios) {
            const QImage drawn = Draw(c, ratio);
            const DeviceGrid grid = DeviceGrid::Of(drawn, QSize(b.w, b.h));
            const QRect text = DiffBox(drawn, Draw(noText, ratio));
            const QRect picture = DiffBox(drawn, Draw(noPicture, ratio));
            const QRect textRoom = grid.Map(Rect{inside.left + 1, inside.top, inside.right - 1, inside.bottom}).ToQRect();
            EXPECT_TRUE(textRoom.contains(text)) << b.caption << " at " << ratio << ": text at " << text.left()
                                                 << ".." << text.right() << " in " << textRoom.left() << ".."
                                                 << textRoom.right();
            EXPECT_TRUE(grid.Map(inside).ToQRect().contains(picture)) << b.caption << " at " << ratio;
        }
    }
}

// Run by ctest under QT_SCALE_FACTOR=2 (button_tests_hidpi): the widget draws
// at its screen's ratio and its window shows that drawing pixel for pixel.
TEST_F(ButtonRatio, WidgetOnAScaledScreenShowsItsDeviceDrawing)
{
    auto b = ShownButton(3, 81, 25, QStringLiteral("Browse..."));
    if (b->devicePixelRatioF() == 1.0)
        GTEST_SKIP() << "needs a scaled screen";
    b->SetPictureNormal(Picture::Load(QStringLiteral(":/pictures/browse.png")));
    EXPECT_EQ(b->Surface().devicePixelRatio(), b->devicePixelRatioF());
    EXPECT_EQ(DeviceGrid::Of(b->Surface()).LogicalSize(), QSize(81, 25));
    EXPECT_EQ(b->grab().toImage().convertToFormat(QImage::Format_RGB32), b->Surface());
}
