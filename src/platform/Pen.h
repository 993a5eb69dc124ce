#pragma once
// A pen as CreatePen makes it: style, width in pixels, colour.
#include "ColorValue.h"

enum PenStyle : int { PS_SOLID = 0, PS_NULL = 5, PS_INSIDEFRAME = 6 };

struct Pen {
    PenStyle style = PS_SOLID;
    int width = 1;
    ColorRef color = 0;

    // CreatePen: the colour goes through TranslateColor; width below 1 means 1.
    static Pen Create(PenStyle style, int width, uint32_t colorValue);
    friend bool operator==(const Pen&, const Pen&) = default;
};
