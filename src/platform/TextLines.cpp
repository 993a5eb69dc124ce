// Breaking a DrawText text into lines: line ends, access-key prefixes, word wrap.
#include "TextLines.h"

#include <algorithm>

namespace {

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
