// The program's picture buttons drawn at the device pixel ratios of HiDPI
// screens: the frame and focus rectangle are the 1x drawing scaled, the
// caption sits where the 1x layout puts it but is drawn by the font at device
// resolution, and the picture fills its scaled box.
#include "ButtonTestSupport.h"

#include <QSet>

using namespace buttontest;

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
constexpr qreal kRatios[] = {1.25, 1.5, 2.0, 3.0};

// Look 3 with focus, as the main window shows it, with or without its caption and picture.
LookCase ProgramLook(const ProgramButton& b, bool caption, bool picture)
{
    LookCase c = LookOf(3, b.w, b.h);
    c.props.font = FontObject(QStringLiteral("MS Sans Serif"), 9.75);
    c.props.maskColor = 0xFFFFFF;
    c.props.caption = caption ? QString::fromLatin1(b.caption) : QString();
    if (picture) {
        c.props.pictureNormal = Picture::Load(QString::fromLatin1(b.picture));
        c.geometry.pictureWidth = c.geometry.pictureHeight = b.size;
    }
    const button::LayoutInputs in{b.w, b.h, c.geometry.pictureWidth, c.geometry.pictureHeight, 0, picture,
                                  c.props.caption};
    c.geometry.layout = button::LayOut(in, button::CaptionMeasure(c.props.font), {});
    c.geometry.boldLayout = c.geometry.layout;
    c.state.focused = true;
    return c;
}

QImage Draw(const LookCase& c, qreal ratio)
{
    button::Palette palette = XpPalette(3);
    palette.mask = 0xFFFFFF;
    return RenderLook(palette, c, 0, ratio).image;
}

// Bounding box of the device pixels where two drawings differ, or of one colour.
template <typename Pred>
QRect BoxWhere(const QImage& image, Pred pred)
{
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (pred(x, y))
                box |= QRect(x, y, 1, 1);
    return box;
}

class ButtonRatio : public XpColours {};

} // namespace

TEST_F(ButtonRatio, FrameAndFocusRectangleAreTheOneTimesDrawingScaled)
{
    for (const ProgramButton& b : kButtons) {
        const QImage one = Draw(ProgramLook(b, false, false), 1.0);
        for (const qreal ratio : kRatios) {
            const QImage scaled = Draw(ProgramLook(b, false, false), ratio);
            const DeviceGrid grid = DeviceGrid::Of(scaled);
            ASSERT_EQ(grid.LogicalSize(), QSize(b.w, b.h));
            const QRect wrong = BoxWhere(scaled, [&](int x, int y) {
                return scaled.pixel(x, y) != one.pixel(grid.LogicalX(x), grid.LogicalY(y));
            });
            EXPECT_TRUE(wrong.isEmpty()) << b.caption << " at " << ratio;
        }
    }
}

TEST_F(ButtonRatio, CaptionSitsWhereTheLayoutPutsItDrawnAtDeviceResolution)
{
    for (const ProgramButton& b : kButtons) {
        // The same layout without its text: the two differ in the caption's ink only.
        const LookCase c = ProgramLook(b, true, true);
        LookCase blank = c;
        blank.props.caption.clear();
        const QImage one = Draw(c, 1.0);
        const QImage bare = Draw(blank, 1.0);
        const QRect inkOne = BoxWhere(one, [&](int x, int y) { return one.pixel(x, y) != bare.pixel(x, y); });
        ASSERT_FALSE(inkOne.isEmpty());
        for (const qreal ratio : kRatios) {
            const QImage scaled = Draw(c, ratio);
            const QImage scaledBare = Draw(blank, ratio);
            auto ink = [&](int x, int y) { return scaled.pixel(x, y) != scaledBare.pixel(x, y); };
            const QRect box = BoxWhere(scaled, ink);
            const qreal slack = 1.5 * ratio;
            EXPECT_NEAR(box.left(), inkOne.left() * ratio, slack) << b.caption << " at " << ratio;
            EXPECT_NEAR(box.right() + 1, (inkOne.right() + 1) * ratio, slack) << b.caption << " at " << ratio;
            EXPECT_NEAR(box.top(), inkOne.top() * ratio, slack) << b.caption << " at " << ratio;
            EXPECT_NEAR(box.bottom() + 1, (inkOne.bottom() + 1) * ratio, slack) << b.caption << " at " << ratio;
            if (ratio != 2.0)
                continue;
            // A 1x caption blown up would make every aligned 2 x 2 block of its ink one colour.
            int blocks = 0, uniform = 0;
            for (int y = 0; y + 1 < scaled.height(); y += 2)
                for (int x = 0; x + 1 < scaled.width(); x += 2) {
                    if (!ink(x, y) && !ink(x + 1, y) && !ink(x, y + 1) && !ink(x + 1, y + 1))
                        continue;
                    const QRgb p = scaled.pixel(x, y);
                    ++blocks;
                    uniform += p == scaled.pixel(x + 1, y) && p == scaled.pixel(x, y + 1)
                            && p == scaled.pixel(x + 1, y + 1);
                }
            EXPECT_LT(uniform, blocks * 3 / 4) << b.caption << ": " << uniform << " of " << blocks;
        }
    }
}

TEST_F(ButtonRatio, PictureIsScaledSmoothlyAndWhole)
{
    for (const ProgramButton& b : kButtons) {
        const LookCase c = ProgramLook(b, true, true);
        LookCase none = c;
        none.props.pictureNormal = nullptr;
        const QImage one = Draw(c, 1.0), oneNone = Draw(none, 1.0);
        const QRect oneBox = BoxWhere(one, [&](int x, int y) { return one.pixel(x, y) != oneNone.pixel(x, y); });
        ASSERT_FALSE(oneBox.isEmpty());
        QSet<QRgb> oneColours;
        for (int y = oneBox.top(); y <= oneBox.bottom(); ++y)
            for (int x = oneBox.left(); x <= oneBox.right(); ++x)
                oneColours.insert(one.pixel(x, y));
        for (const qreal ratio : kRatios) {
            const QImage scaled = Draw(c, ratio), scaledNone = Draw(none, ratio);
            int smoothed = 0; // colours the 1x picture does not have: filtered, not repeated
            const QRect box = BoxWhere(scaled, [&](int x, int y) {
                if (scaled.pixel(x, y) == scaledNone.pixel(x, y))
                    return false;
                smoothed += oneColours.contains(scaled.pixel(x, y)) ? 0 : 1;
                return true;
            });
            EXPECT_GT(smoothed, 0) << b.caption << " at " << ratio;
            // Every column and row the 1x picture shows, scaled: nothing cut off.
            const qreal slack = ratio;
            EXPECT_NEAR(box.left(), oneBox.left() * ratio, slack) << b.caption << " at " << ratio;
            EXPECT_NEAR(box.right() + 1, (oneBox.right() + 1) * ratio, slack) << b.caption << " at " << ratio;
            EXPECT_NEAR(box.top(), oneBox.top() * ratio, slack) << b.caption << " at " << ratio;
            EXPECT_NEAR(box.bottom() + 1, (oneBox.bottom() + 1) * ratio, slack) << b.caption << " at " << ratio;
        }
    }
}

// Run by ctest under QT_SCALE_FACTOR=2: the widget draws at its screen's ratio
// and its window shows that drawing pixel for pixel.
TEST_F(ButtonRatio, WidgetOnAScaledScreenShowsItsDeviceDrawing)
{
    auto b = ShownButton(3, 81, 25, QStringLiteral("Browse..."));
    const qreal ratio = b->devicePixelRatioF();
    if (ratio == 1.0)
        GTEST_SKIP() << "needs a scaled screen (button_tests_hidpi sets QT_SCALE_FACTOR)";
    b->SetPictureNormal(Picture::Load(QStringLiteral(":/pictures/browse.png")));
    const QImage& surface = b->Surface();
    EXPECT_EQ(surface.devicePixelRatio(), ratio);
    EXPECT_EQ(DeviceGrid::Of(surface).LogicalSize(), QSize(81, 25));
    const QImage shown = b->grab().toImage().convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(shown.size(), surface.size());
    EXPECT_EQ(shown, surface);
}
