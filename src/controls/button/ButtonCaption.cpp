#include "ButtonCaption.h"

namespace button {

namespace {

Rect Moved(Rect r, int dx, int dy)
{
    OffsetRect(r, dx, dy);
    return r;
}

void CaptionEffect(ButtonDrawing& d, const Rect& rect, bool bold)
{
    const int fx = d.props.specialEffect;
    if (fx <= 0)
        return;
    const LookState& s = d.state;
    const Palette& p = d.palette;
    const ButtonLook look = d.Look();
    Colour base = p.face;
    if (look == ButtonLook::BlueGradient || look == ButtonLook::RoundedLight
        || look == ButtonLook::HighlightGradient)
        base = p.liftedFace;
    else if (look == ButtonLook::HoverFill && s.hovered && s.drawnState == 0 && d.props.colorScheme != 2)
        base = p.hoverFill;
    DrawCaptionText(d, Moved(rect, 1, 1), d.Shifted(base, fx == 2 ? 40 : -40), bold);
    if (fx == 1 || fx == 2)
        DrawCaptionText(d, Moved(rect, -1, -1), d.Shifted(base, fx == 2 ? -40 : 40), bold);
}

} // namespace

void DrawCaptionText(ButtonDrawing& d, const Rect& rect, Colour colour, bool bold)
{
    if (d.props.caption.isEmpty())
        return;
    FontObject font = d.props.font;
    if (bold)
        font.SetBold(true);
    DeviceContext& dc = d.dc;
    const QFont oldFont = dc.SelectFont(font);
    const BkMode oldMode = dc.SetBkMode(TRANSPARENT);
    const ColorRef oldColour = dc.SetTextColor(colour);
    Rect r = rect;
    dc.DrawText(d.props.caption, r, kCaptionFlags);
    dc.SetTextColor(oldColour);
    dc.SetBkMode(oldMode);
    dc.SelectFont(oldFont);
}

void DrawCaption(ButtonDrawing& d, int captionState, bool bold)
{
    d.lastCaptionState = captionState;
    d.captionDrawn = true;
    d.lastCaptionBold = bold;
    const Layout& layout = bold ? d.geometry.boldLayout : d.geometry.layout;
    const Rect& up = layout.caption;
    const Rect& pressed = layout.pressedCaption;
    const Palette& p = d.palette;
    switch (captionState) {
    case 0:
        CaptionEffect(d, up, bold);
        DrawCaptionText(d, up, p.text, bold);
        break;
    case 1:
        CaptionEffect(d, up, bold);
        DrawCaptionText(d, up, p.textOver, bold);
        break;
    case 2:
        CaptionEffect(d, pressed, bold);
        DrawCaptionText(d, pressed, d.Look() == ButtonLook::RoundedLight ? p.light : p.textOver, bold);
        break;
    case 3:
        DrawCaptionText(d, pressed, p.highlight, bold);
        DrawCaptionText(d, up, p.shadow, bold);
        break;
    case 4:
        DrawCaptionText(d, up, p.shadow, bold);
        break;
    case 5:
        DrawCaptionText(d, up, d.Shifted(p.liftedFace, -104, true), bold);
        break;
    case 6:
        DrawCaptionText(d, pressed, p.highlight, bold);
        DrawCaptionText(d, up, p.face, bold);
        break;
    case 7:
        DrawCaptionText(d, pressed, d.Shifted(p.shadow, -50), bold);
        DrawCaptionText(d, up, p.highlight, bold);
        break;
    default:
        break;
    }
}

} // namespace button
