// DrawText of DeviceContext: line breaking, placement, access-key prefixes.
#include "DeviceContext.h"

#include <QFontMetrics>
#include <QGlyphRun>
#include <QPainter>
#include <QTextLayout>
#include <algorithm>
#include <vector>

namespace {

struct TextLine {
    QString text;
    std::vector<int> underlined; // indices into text
};

// Splits at CR, LF, CRLF and LFCR.
std::vector<QString> SplitParagraphs(const QString& text)
{
    std::vector<QString> out;
    QString cur;
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'\r' || c == u'\n') {
            out.push_back(cur);
            cur.clear();
            if (i + 1 < text.size() && (text[i + 1] == u'\r' || text[i + 1] == u'\n') && text[i + 1] != c)
                ++i;
        } else {
            cur += c;
        }
    }
    out.push_back(cur);
    return out;
}

// "&x" underlines x, "&&" shows one "&", a lone "&" at the end stays as it is.
TextLine StripPrefixes(const QString& text, uint32_t flags)
{
    TextLine line;
    if (flags & DT_NOPREFIX) {
        line.text = text;
        return line;
    }
    for (int i = 0; i < text.size(); ++i) {
        if (text[i] == u'&' && i + 1 < text.size()) {
            ++i;
            if (text[i] != u'&' && !(flags & DT_HIDEPREFIX))
                line.underlined.push_back(static_cast<int>(line.text.size()));
        }
        line.text += text[i];
    }
    return line;
}

TextLine Slice(const TextLine& line, int from, int to)
{
    TextLine out;
    out.text = line.text.mid(from, to - from);
    for (int u : line.underlined)
        if (u >= from && u < to)
            out.underlined.push_back(u - from);
    return out;
}

// Greedy breaking after runs of spaces; a word wider than the line stays whole.
void WrapInto(std::vector<TextLine>& out, const TextLine& para, int maxWidth,
              const QFontMetrics& fm, bool keepTrailingSpaces)
{
    const QString& s = para.text;
    const int n = static_cast<int>(s.size());
    int start = 0;
    if (n == 0) {
        out.push_back(para);
        return;
    }
    while (start < n) {
        int end = start;      // end of the words accepted so far
        int next = start;     // where the next line begins
        while (next < n) {
            int wordEnd = next;
            while (wordEnd < n && s[wordEnd] == u' ')
                ++wordEnd;
            while (wordEnd < n && s[wordEnd] != u' ')
                ++wordEnd;
            const int width = fm.horizontalAdvance(s.mid(start, wordEnd - start));
            if (end > start && width > maxWidth)
                break;
            end = wordEnd;
            next = wordEnd;
        }
        // The spaces after the break are consumed; a left-aligned line keeps
        // those that still fit, a centred or right-aligned one drops one.
        int spacesEnd = end;
        while (spacesEnd < n && s[spacesEnd] == u' ')
            ++spacesEnd;
        int lineEnd = end;
        if (spacesEnd > end) {
            int keep = keepTrailingSpaces ? spacesEnd : spacesEnd - 1;
            while (keep > end && fm.horizontalAdvance(s.mid(start, keep - start)) > maxWidth)
                --keep;
            lineEnd = std::max(end, keep);
        }
        out.push_back(Slice(para, start, lineEnd));
        start = spacesEnd;
    }
}

// The lines the text is drawn as: one for a single line, else one per
// paragraph, each wrapped at the rectangle's width when asked.
std::vector<TextLine> LayOutLines(const QString& text, uint32_t flags, int maxWidth, const QFontMetrics& fm)
{
    std::vector<TextLine> lines;
    if (flags & DT_SINGLELINE) {
        lines.push_back(StripPrefixes(text, flags));
        return lines;
    }
    for (const QString& para : SplitParagraphs(text)) {
        const TextLine stripped = StripPrefixes(para, flags);
        if (flags & DT_WORDBREAK)
            WrapInto(lines, stripped, maxWidth, fm, !(flags & (DT_CENTER | DT_RIGHT)));
        else
            lines.push_back(stripped);
    }
    return lines;
}

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
