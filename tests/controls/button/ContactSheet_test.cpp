// Writes contact sheets of every look into the build folder for a person to
// look at: rows are the looks 1 to 14, columns the four states under each of
// the colour schemes 1 to 4.
#include "ButtonRegion.h"
#include "ButtonTestSupport.h"

#include <QDir>
#include <QFileInfo>
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
                const int ox = kLabelW + ((scheme - 1) * 4 + st) * kCellW + 4;
                const int oy = kHeaderH + (look - 1) * kCellH + 4;
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
    EXPECT_GT(QFileInfo(path).size(), 1000);
}
