// The device context's text: DrawText places the lines TextLines gives in the
// rectangle, measures them for DT_CALCRECT and paints them with their underlines.
#include "DeviceContext.h"

#include "TextLines.h"

#include <QFontMetrics>
#include <QGlyphRun>
#include <QPainter>
#include <QTextLayout>
#include <algorithm>
#include <vector>

namespace {

// DT_CALCRECT: the rectangle grows or shrinks to the text; returns its height.
int MeasureInto(Rect& rect, const std::vector<TextLine>& lines, bool emptyText, bool single, int top,
                int lineHeight, const QFontMetrics& fm)
{
    int widest = 0;
    for (const TextLine& l : lines)
        widest = std::max(widest, fm.horizontalAdvance(l.text));
    rect.right = rect.left + widest;
    if (emptyText)
        rect.bottom = single ? rect.top + lineHeight : rect.top;
    else if (single)
        rect.bottom = top + lineHeight;
    else
        rect.bottom = rect.top + static_cast<int>(lines.size()) * lineHeight;
    return rect.bottom - rect.top;
}

struct TextColors {
    QColor text;
    QColor background;
    bool opaque;
};

// One line on a HiDPI image: the glyphs the font draws at device resolution
// keep their own spacing, drawn closer together where that spacing is wider
// than the line was measured (hinted whole pixels at 1x), so the line stays
// in the width it was given and no pair of glyphs runs into each other.
void DrawFitted(QPainter& painter, const QString& text, int x, int baseline, int width, const QFont& natural)
{
    QTextLayout layout(text, natural, painter.device());
    QTextOption option;
    option.setTextDirection(painter.layoutDirection());
    layout.setTextOption(option);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    line.setLineWidth(1e6);
    layout.endLayout();
    const qreal drawn = line.naturalTextWidth();
    const qreal factor = drawn > width ? width / drawn : 1.0;
    const qreal left = x + (width - drawn * factor) / 2;
    for (QGlyphRun run : layout.glyphRuns()) {
        QList<QPointF> positions = run.positions();
        for (QPointF& p : positions)
            p = QPointF(left + p.x() * factor, baseline + p.y() - line.ascent());
        run.setPositions(positions);
        painter.drawGlyphRun(QPointF(0, 0), run);
    }
}

// Draws the lines from `y` down, aligned in `rect`, with their access-key
// underlines; returns where the next line would start. `natural` is the
// font's own spacing, for an image of a higher device pixel ratio.
int PaintLines(QPainter& painter, const std::vector<TextLine>& lines, const Rect& rect, int y, uint32_t flags,
               int lineHeight, const QFontMetrics& fm, const TextColors& colors, const QFont* natural)
{
    const int ascent = fm.ascent();
    for (const TextLine& line : lines) {
        const int lineWidth = fm.horizontalAdvance(line.text);
        int x = rect.left;
        if (flags & DT_CENTER)
            x = (rect.left + rect.right - lineWidth) / 2;
        else if (flags & DT_RIGHT)
            x = rect.right - lineWidth;
        if (colors.opaque && lineWidth > 0)
            painter.fillRect(QRect(x, y, lineWidth, fm.height()), colors.background);
        if (natural)
            DrawFitted(painter, line.text, x, y + ascent, lineWidth, *natural);
        else
            painter.drawText(QPoint(x, y + ascent), line.text);
        for (int u : line.underlined) {
            const int left = x + fm.horizontalAdvance(line.text.left(u));
            const int charWidth = fm.horizontalAdvance(line.text.at(u));
            if (charWidth > 1)
                painter.fillRect(QRect(left, y + ascent + 1, charWidth - 1, 1), colors.text);
        }
        y += lineHeight;
    }
    return y;
}

} // namespace

int DeviceContext::DrawText(const QString& text, Rect& rect, uint32_t flags)
{
    // Whole-pixel advances, so a line is drawn exactly as wide as it was
    // measured: at 1x as the font places its monochrome glyphs, above 1x as
    // the measured width its glyphs are fitted into.
    QFont font = font_;
    font.setHintingPreference(QFont::PreferFullHinting);
    const QFontMetrics fm(font);
    const int lineHeight = fm.height() + ((flags & DT_EXTERNALLEADING) ? std::max(0, fm.leading()) : 0);
    const bool single = (flags & DT_SINGLELINE) != 0;
    const std::vector<TextLine> lines = LayOutLines(text, flags, rect.right - rect.left, fm);

    int y = rect.top;
    if (single && (flags & DT_VCENTER))
        y = rect.top + (rect.bottom - rect.top) / 2 - lineHeight / 2;
    else if (single && (flags & DT_BOTTOM))
        y = rect.bottom - lineHeight;

    if (flags & DT_CALCRECT)
        return MeasureInto(rect, lines, text.isEmpty(), single, y, lineHeight, fm);
    if (text.isEmpty())
        return single ? lineHeight : 0;

    const bool clip = !(flags & DT_NOCLIP);
    Rect bounds{0, 0, Width(), Height()};
    if ((clip && !IntersectRect(bounds, bounds, rect)) || bounds.IsEmpty())
        return static_cast<int>(lines.size()) * lineHeight;

    QPainter painter(image_);
    painter.setFont(font);
    painter.setPen(ToQColor(textColor_));
    painter.setRenderHint(QPainter::Antialiasing, false);
    if (clip)
        painter.setClipRect(rect.ToQRect());
    // Everything goes through the painter while it is active, so that no
    // direct pixel write can race with its view of the image.
    const TextColors colors{ToQColor(textColor_), ToQColor(bkColor_), bkMode_ == OPAQUE};
    return PaintLines(painter, lines, rect, y, flags, lineHeight, fm, colors, grid_.IsIdentity() ? nullptr : &font_)
           - rect.top;
}
