#pragma once
// The colours one drawing of the button uses, derived from its colour scheme.
#include "ButtonColors.h"

namespace button {

struct Palette {
    Colour face = 0;
    Colour light = 0;
    Colour highlight = 0;
    Colour shadow = 0;
    Colour darkShadow = 0;
    Colour text = 0;
    Colour textOver = 0;
    Colour accent = 0;
    Colour hoverFill = 0;
    Colour mask = 0;
    Colour liftedFace = 0;
};

// The system colours scheme 1 reads, already plain colours.
struct SystemPalette {
    Colour buttonFace = 0;
    Colour buttonShadow = 0;
    Colour light3D = 0;
    Colour darkShadow3D = 0;
    Colour buttonHighlight = 0;
    Colour buttonText = 0;
    Colour highlight = 0;
};

// Everything the derivation reads; colours are translated (no system-colour references).
struct PaletteInputs {
    int scheme = 1;
    int buttonType = 2;
    bool soft = false;
    Colour back = 0;      // BackColor, or BackOver during a hovered scheme-2 drawing
    Colour fore = 0;
    Colour foreOver = 0;
    Colour mask = 0;
    Colour parentBack = 0; // the container's background and text (scheme 4)
    Colour parentText = 0;
    SystemPalette system;
};

Palette DerivePalette(const PaletteInputs& in);

} // namespace button
