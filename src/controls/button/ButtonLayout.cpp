#include "ButtonLayout.h"

namespace button {

namespace {

Rect Moved(Rect r, int dx, int dy)
{
    OffsetRect(r, dx, dy);
    return r;
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
    default: break;
    }
    return out;
}

} // namespace button
