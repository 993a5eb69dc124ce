#pragma once
// Colour arithmetic every shade of the button comes from. Colours are
// 0x00BBGGRR values (red in the low byte), already translated to plain colours.
#include <cstdint>

namespace button {

using Colour = std::uint32_t;

constexpr int Red(Colour c) { return static_cast<int>(c & 0xFF); }
constexpr int Green(Colour c) { return static_cast<int>((c >> 8) & 0xFF); }
constexpr int Blue(Colour c) { return static_cast<int>((c >> 16) & 0xFF); }
constexpr Colour Rgb(int r, int g, int b)
{
    return static_cast<Colour>(r) | (static_cast<Colour>(g) << 8) | (static_cast<Colour>(b) << 16);
}

// Moves every channel by amount (blue by amount * B / 192 when blue-scaled,
// which keeps bluish faces bluish); soft halves the amount first.
Colour Shift(Colour colour, int amount, bool blueScaled, bool soft);

// Moves a colour toward white: c' = amount + (255 - amount) * c / 255.
Colour Tint(Colour colour, int amount);

// Grey level of a picture pixel: round(0.3 R) + 0.59 G + 0.11 B, rounded,
// every rounding to the nearest integer with ties to even.
int GreyLevel(int r, int g, int b);

// Nearest integer with ties to even, as the drawing's conversions round.
int RoundHalfEven(double value);

} // namespace button
