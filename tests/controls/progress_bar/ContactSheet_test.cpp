// Writes a contact sheet of every look at 0, 37 and 100 percent, both
// orientations, with and without text, for a person to look over; checks only
// that the looks react to the percentage.
#include "SystemColors.h"
#include "XP_ProgressBar.h"

#include <QDir>
#include <QPainter>
#include <gtest/gtest.h>

#include <cstdlib>

namespace {
QImage Cell(int look, int percent, bool text, int orientation, QSize size, const PicturePtr& pattern)
{
    XP_ProgressBar bar;
    bar.resize(size);
    bar.SetColor(0x808000);
    bar.SetBrushStyle(HS_DIAGCROSS);
    bar.SetImage(pattern);
    bar.SetScrolling(look);
    bar.SetOrientation(orientation);
    bar.SetShowText(text);
    bar.SetValue(percent);
    return bar.Snapshot();
}

PicturePtr Checker()
{
    QImage tile(4, 4, QImage::Format_RGB32);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x)
            tile.setPixel(x, y, ((x / 2 + y / 2) & 1) ? qRgb(230, 160, 40) : qRgb(60, 90, 200));
    return Picture::FromBitmap(tile);
}
} // namespace

TEST(ContactSheet, AllLooksBothOrientations)
{
    SystemColors::UseXpSchemeForTests();
    const PicturePtr pattern = Checker();
    const int percents[] = {0, 37, 100};
    const QSize horizontal(177, 17), vertical(24, 100);
    const int labelW = 40, pad = 8;
    const int hCellW = horizontal.width() + pad, hRowH = horizontal.height() + pad;
    const int vGroupW = 6 * (vertical.width() + pad) + 2 * pad;
    const int sheetW = std::max(labelW + 6 * hCellW, 10 * vGroupW) + pad;
    const int headerH = 20;
    const int hTop = headerH, vTop = hTop + 10 * hRowH + headerH + 14;
    const int sheetH = vTop + vertical.height() + 2 * pad + 16;
    QImage sheet(sheetW, sheetH, QImage::Format_RGB32);
    sheet.fill(qRgb(236, 233, 216));
    QPainter p(&sheet);
    p.setPen(Qt::black);
    p.drawText(4, 14, QStringLiteral("Horizontal: columns 0 / 37 / 100 percent without text, then with text; one row per look 0-9"));
    p.drawText(4, vTop - 8, QStringLiteral("Vertical: per look, 0 / 37 / 100 percent without text, then with text"));

    for (int look = 0; look < 10; ++look) {
        const int y = hTop + look * hRowH;
        p.drawText(4, y + 13, QString::number(look));
        QImage first, last;
        for (int t = 0; t < 2; ++t)
            for (int i = 0; i < 3; ++i) {
                const QImage cell = Cell(look, percents[i], t == 1, 0, horizontal, pattern);
                ASSERT_EQ(cell.size(), horizontal);
                p.drawImage(labelW + (t * 3 + i) * hCellW, y, cell);
                if (t == 0 && i == 0)
                    first = cell;
                if (t == 0 && i == 1) // the marquee is off the bar at both 0 and 100
                    last = cell;
            }
        EXPECT_NE(first, last) << "look " << look << " shows no progress";

        const int gx = look * vGroupW + pad;
        p.drawText(gx, vTop + vertical.height() + pad + 14, QStringLiteral("look %1").arg(look));
        for (int t = 0; t < 2; ++t)
            for (int i = 0; i < 3; ++i) {
                const QImage cell = Cell(look, percents[i], t == 1, 1, vertical, pattern);
                p.drawImage(gx + (t * 3 + i) * (vertical.width() + pad), vTop, cell);
                if (look <= 2 && t == 0 && i == 0)
                    first = cell;
                if (look <= 2 && t == 0 && i == 2) {
                    EXPECT_NE(first, cell) << "vertical look " << look << " shows no progress";
                }
            }
    }
    p.end();
    const char* dir = std::getenv("VOLARIN_BUILD_DIR");
    const QString path = QDir(dir ? QString::fromLocal8Bit(dir) : QDir::tempPath())
                             .filePath(QStringLiteral("progress_bar_contact_sheet.png"));
    EXPECT_TRUE(sheet.save(path)) << path.toStdString();
    std::printf("contact sheet: %s\n", qPrintable(path));
    SystemColors::ClearOverrides();
}
