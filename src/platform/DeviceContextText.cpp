// DrawText of DeviceContext: line breaking, placement, access-key prefixes.
#include "DeviceContext.h"

#include <QFontMetrics>
#include <QPainter>
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

} // namespace

int DeviceContext::DrawText(const QString& text, Rect& rect, uint32_t flags)
{
    const QFontMetrics fm(font_);
    const int lineHeight = fm.height() + ((flags & DT_EXTERNALLEADING) ? std::max(0, fm.leading()) : 0);
    const bool single = (flags & DT_SINGLELINE) != 0;
    const bool wrap = !single && (flags & DT_WORDBREAK);
    const int maxWidth = rect.right - rect.left;

    std::vector<TextLine> lines;
    if (single) {
        lines.push_back(StripPrefixes(text, flags));
    } else {
        for (const QString& para : SplitParagraphs(text)) {
            const TextLine stripped = StripPrefixes(para, flags);
            if (wrap)
                WrapInto(lines, stripped, maxWidth, fm, !(flags & (DT_CENTER | DT_RIGHT)));
            else
                lines.push_back(stripped);
        }
    }

    int y = rect.top;
    if (single && (flags & DT_VCENTER))
        y = rect.top + (rect.bottom - rect.top) / 2 - lineHeight / 2;
    else if (single && (flags & DT_BOTTOM))
        y = rect.bottom - lineHeight;

    if (flags & DT_CALCRECT) {
        int widest = 0;
        for (const TextLine& l : lines)
            widest = std::max(widest, fm.horizontalAdvance(l.text));
        rect.right = rect.left + widest;
        if (text.isEmpty()) {
            rect.bottom = single ? rect.top + lineHeight : rect.top;
        } else if (single) {
            rect.bottom = y + lineHeight;
        } else {
            rect.bottom = rect.top + static_cast<int>(lines.size()) * lineHeight;
        }
        return rect.bottom - rect.top;
    }

    if (text.isEmpty())
        return single ? lineHeight : 0;

    const bool clip = !(flags & DT_NOCLIP);
    Rect bounds{0, 0, Width(), Height()};
    if (clip && !IntersectRect(bounds, bounds, rect))
        return static_cast<int>(lines.size()) * lineHeight;
    if (bounds.IsEmpty())
        return static_cast<int>(lines.size()) * lineHeight;

    QPainter painter(image_);
    painter.setFont(font_);
    painter.setPen(ToQColor(textColor_));
    painter.setRenderHint(QPainter::Antialiasing, false);
    if (clip)
        painter.setClipRect(rect.ToQRect());
    // Everything goes through the painter while it is active, so that no
    // direct pixel write can race with its view of the image.
    const QColor textColor = ToQColor(textColor_);
    const QColor bkColor = ToQColor(bkColor_);
    const int ascent = fm.ascent();
    for (const TextLine& line : lines) {
        const int lineWidth = fm.horizontalAdvance(line.text);
        int x = rect.left;
        if (flags & DT_CENTER)
            x = (rect.left + rect.right - lineWidth) / 2;
        else if (flags & DT_RIGHT)
            x = rect.right - lineWidth;
        if (bkMode_ == OPAQUE && lineWidth > 0)
            painter.fillRect(QRect(x, y, lineWidth, fm.height()), bkColor);
        painter.drawText(QPoint(x, y + ascent), line.text);
        for (int u : line.underlined) {
            const int left = x + fm.horizontalAdvance(line.text.left(u));
            const int charWidth = fm.horizontalAdvance(line.text.at(u));
            if (charWidth > 1)
                painter.fillRect(QRect(left, y + ascent + 1, charWidth - 1, 1), textColor);
        }
        y += lineHeight;
    }
    return y - rect.top;
}
