#include "Brush.h"

namespace {
// Rows of the six hatch patterns, row 0 at the top, bit 0x80 = column 0.
constexpr unsigned char kHatches[6][8] = {
    {0x00, 0x00, 0x00, 0xFF, 0x00, 0x00, 0x00, 0x00}, // horizontal
    {0x08, 0x08, 0x08, 0x08, 0x08, 0x08, 0x08, 0x08}, // vertical
    {0x80, 0x40, 0x20, 0x10, 0x08, 0x04, 0x02, 0x01}, // forward diagonal "\"
    {0x01, 0x02, 0x04, 0x08, 0x10, 0x20, 0x40, 0x80}, // backward diagonal "/"
    {0x08, 0x08, 0x08, 0xFF, 0x08, 0x08, 0x08, 0x08}, // cross
    {0x81, 0x42, 0x24, 0x18, 0x18, 0x24, 0x42, 0x81}, // diagonal cross
};
} // namespace

bool Brush::HatchBit(int style, int column, int row)
{
    if (style < 0 || style > 5)
        return false;
    return (kHatches[style][row & 7] & (0x80 >> (column & 7))) != 0;
}

Brush Brush::Solid(uint32_t colorValue)
{
    Brush b;
    b.kind_ = Kind::Solid;
    b.color_ = TranslateColor(colorValue) & 0xFFFFFF;
    return b;
}

Brush Brush::Hatch(int style, uint32_t colorValue)
{
    Brush b;
    if (style < HS_HORIZONTAL || style > HS_DIAGCROSS)
        return b;
    b.kind_ = Kind::Hatch;
    b.style_ = style;
    b.color_ = TranslateColor(colorValue) & 0xFFFFFF;
    return b;
}

Brush Brush::Pattern(const QImage& bitmap)
{
    Brush b;
    if (bitmap.isNull() || bitmap.width() < 1 || bitmap.height() < 1)
        return b;
    b.kind_ = Kind::Pattern;
    b.mono_ = bitmap.format() == QImage::Format_Mono || bitmap.format() == QImage::Format_MonoLSB;
    b.pattern_ = b.mono_ ? bitmap : bitmap.convertToFormat(QImage::Format_RGB32);
    return b;
}

Brush Brush::GrayPattern()
{
    // Bit set where x + y is odd: row 0 is 0x55, row 1 is 0xAA.
    QImage img(8, 8, QImage::Format_Mono);
    img.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            img.setPixel(x, y, ((x + y) & 1) ? 1u : 0u);
    return Pattern(img);
}
