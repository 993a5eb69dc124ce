#include "Pen.h"

Pen Pen::Create(PenStyle style, int width, uint32_t colorValue)
{
    return Pen{style, width < 1 ? 1 : width, TranslateColor(colorValue) & 0xFFFFFF};
}
