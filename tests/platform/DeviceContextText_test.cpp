// DrawText: where lines and cells go, measurement and access-key prefixes.
// Glyph shapes differ between machines, so only geometry is pinned.
#include "DeviceContext.h"

#include <QFontMetrics>
#include <gtest/gtest.h>

namespace {
QImage Canvas(int w, int h)
{
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(Qt::white);
    return img;
}

ColorRef At(const DeviceContext& dc, int x, int y)
{
    return FromRgb32(dc.Image().pixel(x, y));
}

// The metrics of the font a new context draws with: lines are its height
// apart, and a line is as wide as its advance.
QFontMetrics Metrics()
{
    return QFontMetrics(FontObject::Default().ToQFont());
}

int WidthOf(const QString& text)
{
    return Metrics().horizontalAdvance(text);
}
} // namespace

TEST(DrawText, CalcRectMeasuresOneLine)
{
    QImage img = Canvas(200, 50);
    DeviceContext dc(img);
    const int lh = Metrics().height();
    Rect rc{10, 5, 10, 5};
    const int h = dc.DrawText(QStringLiteral("45 %"), rc, DT_CALCRECT);
    EXPECT_EQ(rc.left, 10);
    EXPECT_EQ(rc.top, 5);
    EXPECT_EQ(rc.Width(), WidthOf(QStringLiteral("45 %")));
    EXPECT_EQ(rc.Height(), lh);
    EXPECT_EQ(h, lh);
    // Nothing is drawn while measuring.
    for (int y = 0; y < 50; ++y)
        for (int x = 0; x < 200; ++x)
            ASSERT_EQ(At(dc, x, y), 0xFFFFFFu);
}

TEST(DrawText, CalcRectCountsLinesAndPrefixes)
{
    QImage img = Canvas(10, 10);
    DeviceContext dc(img);
    const int lh = Metrics().height();
    struct Case {
        QString text;
        QString shown;
        int lines;
    };
    const Case cases[] = {
        {QStringLiteral("a\nbb"), QStringLiteral("bb"), 2},
        {QStringLiteral("a\r\nbb"), QStringLiteral("bb"), 2},
        {QStringLiteral("a\n\rbb\rc"), QStringLiteral("bb"), 3},
        {QStringLiteral("&File"), QStringLiteral("File"), 1},
        {QStringLiteral("Save && Exit"), QStringLiteral("Save & Exit"), 1},
    };
    for (const Case& c : cases) {
        Rect rc{0, 0, 0, 0};
        dc.DrawText(c.text, rc, DT_CALCRECT);
        EXPECT_EQ(rc.Height(), c.lines * lh) << c.text.toStdString();
        EXPECT_EQ(rc.Width(), WidthOf(c.shown)) << c.text.toStdString();
    }
    Rect empty{3, 4, 3, 4};
    dc.DrawText(QString(), empty, DT_CALCRECT | DT_SINGLELINE);
    EXPECT_EQ(empty, (Rect{3, 4, 3, 4 + lh}));
}

TEST(DrawText, WordBreakKeepsOverlongWordsWhole)
{
    QImage img = Canvas(10, 10);
    DeviceContext dc(img);
    const int lh = Metrics().height();
    Rect narrow{0, 0, 1, 0};
    dc.DrawText(QStringLiteral("line1 line2"), narrow, DT_CALCRECT | DT_WORDBREAK);
    EXPECT_EQ(narrow.Height(), 2 * lh);
    EXPECT_EQ(narrow.Width(), WidthOf(QStringLiteral("line1")));

    const int wide = WidthOf(QStringLiteral("aaa bbb"));
    Rect fits{0, 0, wide, 0};
    dc.DrawText(QStringLiteral("aaa bbb"), fits, DT_CALCRECT | DT_WORDBREAK);
    EXPECT_EQ(fits.Height(), lh);
    // DT_SINGLELINE switches word breaking off.
    Rect single{0, 0, 1, 0};
    dc.DrawText(QStringLiteral("line1 line2"), single, DT_CALCRECT | DT_WORDBREAK | DT_SINGLELINE);
    EXPECT_EQ(single.Height(), lh);
}

TEST(DrawText, VCenterSingleLineCalcRectDependsOnTheHeight)
{
    QImage img = Canvas(10, 10);
    DeviceContext dc(img);
    const int lh = Metrics().height();
    Rect rc{0, 10, 50, 41};
    dc.DrawText(QStringLiteral("x"), rc, DT_CALCRECT | DT_SINGLELINE | DT_VCENTER);
    EXPECT_EQ(rc.bottom, 10 + 31 / 2 - lh / 2 + lh);
}

TEST(DrawText, OpaqueBackgroundPaintsOnlyTheCentredLineCell)
{
    QImage img = Canvas(120, 40);
    DeviceContext dc(img);
    dc.SetBkColor(0x00FF00);
    const QString text = QStringLiteral("aa");
    const int w = WidthOf(text);
    const int lh = Metrics().height();
    Rect rc{10, 4, 111, 40};
    dc.DrawText(text, rc, DT_CENTER);
    const int x = (10 + 111 - w) / 2;
    EXPECT_EQ(At(dc, x - 1, 4), 0xFFFFFFu);
    EXPECT_EQ(At(dc, x, 4), 0x00FF00u);
    EXPECT_EQ(At(dc, x + w - 1, 4), 0x00FF00u);
    EXPECT_EQ(At(dc, x + w, 4), 0xFFFFFFu);
    EXPECT_EQ(At(dc, x, 3), 0xFFFFFFu);
    EXPECT_EQ(At(dc, x, 4 + lh), 0xFFFFFFu);
}

TEST(DrawText, TransparentTextStaysInsideItsRectangle)
{
    QImage img = Canvas(60, 30);
    DeviceContext dc(img);
    dc.SetBkMode(TRANSPARENT);
    Rect rc{5, 5, 12, 20};
    dc.DrawText(QStringLiteral("WWWWWWWW"), rc, DT_SINGLELINE);
    int inside = 0;
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 60; ++x) {
            const bool changed = At(dc, x, y) != 0xFFFFFFu;
            const bool in = x >= 5 && x < 12 && y >= 5 && y < 20;
            if (changed && !in)
                FAIL() << "pixel outside the clip rectangle at " << x << "," << y;
            inside += changed ? 1 : 0;
        }
    EXPECT_GT(inside, 0);
}

TEST(DrawText, AccessKeyIsUnderlinedBelowTheBaseline)
{
    QImage img = Canvas(80, 30);
    DeviceContext dc(img);
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(0x0000FF);
    const int ascent = Metrics().ascent();
    const int charWidth = WidthOf(QStringLiteral("F"));
    Rect rc{2, 2, 80, 30};
    dc.DrawText(QStringLiteral("&Fo"), rc, 0);
    const int uy = 2 + ascent + 1;
    for (int x = 2; x < 2 + charWidth - 1; ++x)
        EXPECT_EQ(At(dc, x, uy), 0x0000FFu) << x;
    // "&&" gives no underline.
    QImage img2 = Canvas(80, 30);
    DeviceContext dc2(img2);
    dc2.SetBkMode(TRANSPARENT);
    Rect rc2{2, 2, 80, 30};
    dc2.DrawText(QStringLiteral("&&o"), rc2, 0);
    const int ampWidth = WidthOf(QStringLiteral("&"));
    int marked = 0;
    for (int x = 2; x < 2 + ampWidth - 1; ++x)
        marked += At(dc2, x, uy) == 0x000000u ? 1 : 0;
    EXPECT_LT(marked, ampWidth - 1);
}

// A line drawn in two pieces, the second where the first measured its end,
// gives the same pixels as the line drawn whole: glyphs advance by whole
// pixels, so none is drawn a pixel off ("Brow se...") and a measured caption
// is as wide as the drawn one. Kerning is off: it joins pairs, not pieces.
TEST(DrawText, ALineDrawnInMeasuredPiecesMatchesTheWholeLine)
{
    QFont font = FontObject(QStringLiteral("MS Sans Serif"), 9.75).ToQFont();
    font.setKerning(false);
    const QString lines[] = {QStringLiteral("Browse..."), QStringLiteral("Wow Output"),
                             QStringLiteral("Durchsuchen..."), QStringLiteral("Przeglądaj..."),
                             QStringLiteral("Обзор...")};
    const auto draw = [&font](QImage& image, const QString& text, int x) {
        DeviceContext dc(image);
        dc.SelectFont(font);
        dc.SetBkMode(TRANSPARENT);
        Rect at{x, 2, 400, 30};
        dc.DrawText(text, at, DT_SINGLELINE | DT_NOCLIP);
    };
    const auto width = [&font](const QString& text) {
        QImage scratch = Canvas(1, 1);
        DeviceContext dc(scratch);
        dc.SelectFont(font);
        Rect r{0, 0, 0, 0};
        dc.DrawText(text, r, DT_CALCRECT | DT_SINGLELINE);
        return r.Width();
    };
    for (const QString& line : lines)
        for (int cut = 1; cut < line.size(); ++cut) {
            QImage whole = Canvas(200, 30), pieces = Canvas(200, 30);
            draw(whole, line, 3);
            draw(pieces, line.left(cut), 3);
            draw(pieces, line.mid(cut), 3 + width(line.left(cut)));
            EXPECT_EQ(width(line.left(cut)) + width(line.mid(cut)), width(line)) << line.toStdString() << " | " << cut;
            EXPECT_EQ(pieces, whole) << line.toStdString() << " cut at " << cut;
        }
}
