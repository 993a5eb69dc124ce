#pragma once
// Colour values as the stored settings and the drawing code use them.
//
// A ColorRef is 0x00BBGGRR: red in the low byte, then green, then blue.
// A colour *value* is the same with one addition: when the top bit is set the
// low bits name a system colour (0x8000000D is the highlight colour), which
// TranslateColor (ColorValue.h) turns into a plain ColorRef before anything is drawn.
// The raster itself stores QRgb (0xFFRRGGBB); ToRgb32/FromRgb32 convert.
#include <QColor>
#include <QRgb>
#include <cstdint>

using ColorRef = uint32_t;

inline constexpr uint32_t SYSTEM_COLOR_FLAG = 0x80000000u;

constexpr ColorRef RGBColor(int r, int g, int b)
{
    return static_cast<ColorRef>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}
constexpr int GetRValue(ColorRef c) { return static_cast<int>(c & 0xFF); }
constexpr int GetGValue(ColorRef c) { return static_cast<int>((c >> 8) & 0xFF); }
constexpr int GetBValue(ColorRef c) { return static_cast<int>((c >> 16) & 0xFF); }

constexpr QRgb ToRgb32(ColorRef c)
{
    return 0xFF000000u | (static_cast<QRgb>(GetRValue(c)) << 16)
        | (static_cast<QRgb>(GetGValue(c)) << 8) | static_cast<QRgb>(GetBValue(c));
}
constexpr ColorRef FromRgb32(QRgb p)
{
    return RGBColor(static_cast<int>((p >> 16) & 0xFF), static_cast<int>((p >> 8) & 0xFF),
                    static_cast<int>(p & 0xFF));
}
inline QColor ToQColor(ColorRef c) { return QColor(GetRValue(c), GetGValue(c), GetBValue(c)); }
inline ColorRef FromQColor(const QColor& c) { return RGBColor(c.red(), c.green(), c.blue()); }

constexpr bool IsSystemColor(uint32_t value) { return (value & SYSTEM_COLOR_FLAG) != 0; }
