// Writes contact sheets of every look into the build folder for a person to
// look at: rows are the looks 1 to 14, columns the four states under each of
// the colour schemes 1 to 4. Checks pixels of the sheet only where no text
// falls (text depends on the machine's fonts).
#include "ButtonRegion.h"
#include "ButtonTestSupport.h"

#include <QDir>
#include <QPainter>

using namespace button;
using namespace buttontest;

namespace {

constexpr int kCellW = 104, kCellH = 40, kButtonW = 96, kButtonH = 32;
constexpr int kLabelW = 40, kHeaderH = 34;

Palette SchemePalette(int look, int scheme)
{
    PaletteInputs in;
    in.scheme = scheme;
    in.buttonType = look;
    in.back = 0xE0C8A0;      // custom scheme: a light blue face (&HE0C8A0)
    in.fore = 0x400000;
    in.foreOver = 0x0000C0;
    in.mask = 0xFFFFFF;
    in.parentBack = 0xD0F0F8; // container scheme: a cream window
    in.parentText = 0x004080;
    in.system = {GetSysColor(COLOR_BTNFACE), GetSysColor(COLOR_BTNSHADOW), GetSysColor(COLOR_3DLIGHT),
                 GetSysColor(COLOR_3DDKSHADOW), GetSysColor(COLOR_BTNHIGHLIGHT),
                 GetSysColor(COLOR_BTNTEXT), GetSysColor(COLOR_HIGHLIGHT)};
    return DerivePalette(in);
}

// Where the button of one look, scheme and state (0 up, 1 hover, 2 pressed, 3 disabled) sits.
QPoint CellOrigin(int look, int scheme, int state)
{
    return QPoint(kLabelW + ((scheme - 1) * 4 + state) * kCellW + 4, kHeaderH + (look - 1) * kCellH + 4);
}

ColorRef SheetPixel(const QImage& sheet, int look, int scheme, int state, int x, int y)
{
    return PixelAt(sheet, CellOrigin(look, scheme, state).x() + x, CellOrigin(look, scheme, state).y() + y);
}

QImage Checkerboard()
{
    QImage image(kButtonW, kButtonH, QImage::Format_RGB32);
    for (int y = 0; y < kButtonH; ++y)
        for (int x = 0; x < kButtonW; ++x)
            image.setPixel(x, y, ((x / 8 + y / 8) % 2) ? qRgb(180, 200, 230) : qRgb(240, 240, 250));
    return image;
}

} // namespace

class ContactSheet : public XpColours {};

TEST_F(ContactSheet, AllLooksInAllStatesUnderAllSchemes)
{
    const QByteArray buildDir = qgetenv("VOLARIN_BUILD_DIR");
    const QString folder = buildDir.isEmpty() ? QDir::tempPath() : QString::fromLocal8Bit(buildDir);
    const PicturePtr picture = Picture::Load(QStringLiteral(":/pictures/browse.png"));
    ASSERT_TRUE(picture);
    const QImage background = Checkerboard();
    const char* states[] = {"up", "hover", "pressed", "disabled"};

    QImage sheet(kLabelW + 16 * kCellW, kHeaderH + 14 * kCellH, QImage::Format_RGB32);
    sheet.fill(qRgb(128, 128, 128));
    QPainter labels(&sheet);
    labels.setPen(Qt::white);
    for (int scheme = 1; scheme <= 4; ++scheme)
        for (int st = 0; st < 4; ++st) {
            const QRect r(kLabelW + ((scheme - 1) * 4 + st) * kCellW, 0, kCellW, kHeaderH);
            labels.drawText(r, Qt::AlignCenter,
                            QStringLiteral("scheme %1\n%2").arg(scheme).arg(QLatin1String(states[st])));
        }
    for (int look = 1; look <= 14; ++look) {
        labels.drawText(QRect(0, kHeaderH + (look - 1) * kCellH, kLabelW, kCellH), Qt::AlignCenter,
                        QString::number(look));
        for (int scheme = 1; scheme <= 4; ++scheme) {
            const Palette p = SchemePalette(look, scheme);
            for (int st = 0; st < 4; ++st) {
                LookCase s;
                s.props.buttonType = look;
                s.props.colorScheme = scheme;
                s.geometry.width = kButtonW;
                s.geometry.height = kButtonH;
                s.props.caption = QStringLiteral("&Browse");
                s.props.font = FontObject::Default();
                s.state.hovered = st == 1;
                s.state.focused = false;
                s.props.enabled = st != 3;
                s.state.drawnState = st == 2 ? 2 : 0;
                s.props.pictureNormal = picture;
                s.geometry.pictureWidth = s.geometry.pictureHeight = 16;
                s.state.background = &background;
                LayoutInputs in{kButtonW, kButtonH, 16, 16, 0, true, s.props.caption};
                s.geometry.layout = LayOut(in, CaptionMeasure(s.props.font), {});
                s.geometry.boldLayout = s.geometry.layout;
                s.geometry.focusRect = Rect{4, 4, kButtonW - 4, kButtonH - 4};
                const QImage cell = RenderLook(p, s, s.state.drawnState).image;
                const Region region = RegionForStyle(look, kButtonW, kButtonH);
                const QPoint origin = CellOrigin(look, scheme, st);
                const int ox = origin.x(), oy = origin.y();
                for (int y = 0; y < kButtonH; ++y)
                    for (int x = 0; x < kButtonW; ++x)
                        if (region.Contains(x, y))
                            sheet.setPixel(ox + x, oy + y, cell.pixel(x, y));
            }
        }
    }
    labels.end();
    const QString path = folder + QStringLiteral("/button-contact-sheet.png");
    ASSERT_TRUE(sheet.save(path));

    const ColorRef grey = 0x808080; // the sheet itself, where a window shape cuts the button
    // Look 3 under the system colours: frame, corner pixels, gradient row 10 (white
    // moved by round(25 / 32 * 10) = 8), disabled fill and frame.
    EXPECT_EQ(SheetPixel(sheet, 3, 1, 0, 0, 0), grey);
    EXPECT_EQ(SheetPixel(sheet, 3, 1, 0, 48, 0), 0x733C00u);
    EXPECT_EQ(SheetPixel(sheet, 3, 1, 0, 1, 1), 0x7B4D10u);
    EXPECT_EQ(SheetPixel(sheet, 3, 1, 0, 90, 10), Rgb(247, 247, 245));
    EXPECT_EQ(SheetPixel(sheet, 3, 1, 3, 90, 16), Rgb(231, 231, 224));
    EXPECT_EQ(SheetPixel(sheet, 3, 1, 3, 0, 16), Rgb(171, 171, 144));
    // Look 2 under the classic grey scheme: face, highlight left, black right.
    EXPECT_EQ(SheetPixel(sheet, 2, 3, 0, 90, 16), 0xC0C0C0u);
    EXPECT_EQ(SheetPixel(sheet, 2, 3, 0, 0, 16), 0xFFFFFFu);
    EXPECT_EQ(SheetPixel(sheet, 2, 3, 0, 95, 16), 0x000000u);
    // The oval's corner lies outside its window shape; the transparent look
    // shows the checkerboard behind it.
    EXPECT_EQ(SheetPixel(sheet, 13, 1, 0, 0, 0), grey);
    EXPECT_EQ(SheetPixel(sheet, 11, 1, 0, 90, 2), Rgb(180, 200, 230));
}
