#include "ButtonPalette.h"

#include "ButtonLook.h"

namespace button {

namespace {

// Schemes 2 and 4 build their bevel colours from the face alone.
void ShadesFromFace(Palette& p, bool soft)
{
    p.shadow = Shift(p.face, -64, false, soft);
    p.light = Shift(p.face, 31, false, soft);
    p.highlight = Shift(p.face, 47, false, soft);
    p.darkShadow = Shift(p.face, -192, false, soft);
}

} // namespace

Palette DerivePalette(const PaletteInputs& in)
{
    Palette p;
    switch (in.scheme) {
    case 2:
        p.face = in.back;
        p.text = in.fore;
        p.textOver = in.foreOver;
        ShadesFromFace(p, in.soft);
        p.accent = Shift(p.face, -128, false, in.soft);
        p.hoverFill = p.face;
        break;
    case 3:
        p.face = 0xC0C0C0;
        p.shadow = 0x808080;
        p.light = 0xDFDFDF;
        p.darkShadow = 0;
        p.highlight = 0xFFFFFF;
        p.text = p.textOver = 0;
        p.accent = 0x800000;
        p.hoverFill = 0xD1ADAD;
        break;
    case 4:
        p.face = in.parentBack;
        p.text = p.textOver = in.parentText;
        ShadesFromFace(p, in.soft);
        p.accent = in.system.highlight;
        p.hoverFill = Tint(p.accent, 176);
        break;
    default:
        p.face = in.system.buttonFace;
        p.shadow = in.system.buttonShadow;
        p.light = in.system.light3D;
        p.darkShadow = in.system.darkShadow3D;
        p.highlight = in.system.buttonHighlight;
        p.text = p.textOver = in.system.buttonText;
        p.accent = in.system.highlight;
        p.hoverFill = Tint(p.accent, 176);
        break;
    }
    p.mask = in.mask;
    p.liftedFace = Shift(p.face, 48, LookOfType(in.buttonType) == ButtonLook::BlueGradient, in.soft);
    return p;
}

} // namespace button
