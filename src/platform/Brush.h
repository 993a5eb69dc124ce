#pragma once
// A brush as the Windows brush calls make it: solid, hatched (the six 8 x 8
// hatch patterns) or a pattern from a bitmap. A brush that
// could not be made (a hatch style outside 0 to 5, an empty bitmap) is invalid
// and draws nothing, as a failed CreateXxxBrush would.
#include "ColorValue.h"

#include <QImage>

enum HatchStyle : int {
    HS_HORIZONTAL = 0,
    HS_VERTICAL = 1,
    HS_FDIAGONAL = 2,
    HS_BDIAGONAL = 3,
    HS_CROSS = 4,
    HS_DIAGCROSS = 5,
};

class Brush {
public:
    enum class Kind { Invalid, Solid, Hatch, Pattern };

    Brush() = default; // invalid
    static Brush Solid(uint32_t colorValue);          // CreateSolidBrush (colour translated)
    static Brush Hatch(int style, uint32_t colorValue); // CreateHatchBrush
    // CreatePatternBrush: the whole bitmap is the tile. A monochrome image
    // (QImage::Format_Mono / MonoLSB) draws 0-bits in the text colour and
    // 1-bits in the background colour; any other image draws its own colours.
    static Brush Pattern(const QImage& bitmap);
    // The 0x55/0xAA checkerboard that DrawFocusRect and PATINVERT grey use.
    static Brush GrayPattern();

    Kind GetKind() const { return kind_; }
    bool IsValid() const { return kind_ != Kind::Invalid; }
    ColorRef Color() const { return color_; }
    int Style() const { return style_; }
    const QImage& PatternImage() const { return pattern_; }
    bool IsMonochrome() const { return mono_; }

    // True when the hatch pattern has a line at (column, row) of its 8 x 8 cell.
    static bool HatchBit(int style, int column, int row);

private:
    Kind kind_ = Kind::Invalid;
    ColorRef color_ = 0;
    int style_ = 0;
    QImage pattern_;
    bool mono_ = false;
};
