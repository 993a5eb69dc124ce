#include "ButtonLayout.h"

#include <algorithm>

namespace button {

namespace {

Rect Moved(Rect r, int dx, int dy)
{
    OffsetRect(r, dx, dy);
    return r;
}

struct Span {
    int start; // where the first of the two parts begins
    int gap;   // between the two parts
};

// Two parts side by side (first, gap, second) moved as little as needed to lie
// within [lo, hi); when they cannot, the gap shrinks to one pixel and the
// picture's end of the pair is put at the edge, so at least the picture is whole.
Span FitSpan(Span span, int first, int second, int lo, int hi, bool pictureFirst)
{
    const int room = hi - lo;
    const int spare = room - first - second;
    if (spare < span.gap)
        span.gap = std::max(1, spare);
    const int total = first + span.gap + second;
    if (total > room)
        span.start = pictureFirst ? lo : hi - total;
    else
        span.start = std::clamp(span.start, lo, hi - total);
    return span;
}

// A caption wider than the formulas allow for (a wide font, a long translation)
// would push the picture onto the frame: the two are moved back inside.
void KeepInside(const LayoutInputs& in, Layout& out)
{
    const Rect& inside = in.inside;
    Rect& c = out.caption;
    const int pw = in.pictureWidth, ph = in.pictureHeight;
    const bool across = in.position == 0 || in.position == 1;
    const int lo = across ? inside.left : inside.top, hi = across ? inside.right : inside.bottom;
    const int picture = across ? pw : ph;
    int& pictureAt = across ? out.px : out.py;
    int& captionFrom = across ? c.left : c.top;
    int& captionTo = across ? c.right : c.bottom;
    const int caption = captionTo - captionFrom;
    const bool pictureFirst = in.position == 0 || in.position == 2;
    const int blockFrom = pictureFirst ? pictureAt : captionFrom;
    const int blockTo = pictureFirst ? captionTo : pictureAt + picture;
    if (blockFrom >= lo && blockTo <= hi)
        return;
    const int gap = pictureFirst ? captionFrom - pictureAt - picture : pictureAt - captionTo;
    const Span span = pictureFirst ? FitSpan({blockFrom, gap}, picture, caption, lo, hi, true)
                                   : FitSpan({blockFrom, gap}, caption, picture, lo, hi, false);
    if (pictureFirst) {
        pictureAt = span.start;
        captionFrom = span.start + picture + span.gap;
    } else {
        captionFrom = span.start;
        pictureAt = span.start + caption + span.gap;
    }
    captionTo = captionFrom + caption;
}

} // namespace

Layout LayOut(const LayoutInputs& in, const MeasureText& measure, const Layout& previous)
{
    const int W = in.width, H = in.height, pw = in.pictureWidth, ph = in.pictureHeight;
    const bool supported = in.position >= 0 && in.position <= 4;
    Rect work;
    switch (in.position) {
    case 0: work = {pw + 1, 1, W - 2, H - 2}; break;
    case 1: work = {1, 1, W - pw - 2, H - 2}; break;
    case 2: work = {1, ph + 1, W - 2, H - 2}; break;
    case 3: work = {1, 1, W - 2, H - ph - 2}; break;
    case 4: work = {1, 1, W - 2, H - 2}; break;
    default: break; // unsupported: measured from an empty rectangle, not centred
    }
    Layout out;
    out.px = previous.px;
    out.py = previous.py;
    Rect c = measure(in.caption, work);
    if (supported) {
        switch (in.position) {
        case 1: c = Moved(c, (W - c.right - pw - 4) / 2, (H - c.bottom) / 2); break;
        case 3: c = Moved(c, (W - c.right) / 2, (H - c.bottom - ph - 4) / 2); break;
        default: c = Moved(c, (W - c.right) / 2, (H - c.bottom) / 2); break;
        }
    }
    out.caption = c;
    out.pressedCaption = Moved(c, 1, 1);
    if (!in.hasPicture)
        return out;
    if (in.caption.trimmed().isEmpty() || in.position == 4) {
        out.px = (W - pw) / 2;
        out.py = (H - ph) / 2;
        return out;
    }
    switch (in.position) {
    case 0: out.px = c.left - pw - 4; out.py = (H - ph) / 2; break;
    case 1: out.px = c.right + 4; out.py = (H - ph) / 2; break;
    case 2: out.px = (W - pw) / 2; out.py = c.top - ph - 2; break;
    case 3: out.px = (W - pw) / 2; out.py = c.bottom + 2; break;
    default: return out;
    }
    if (!in.inside.IsEmpty()) {
        KeepInside(in, out);
        out.pressedCaption = Moved(out.caption, 1, 1);
    }
    return out;
}

} // namespace button
