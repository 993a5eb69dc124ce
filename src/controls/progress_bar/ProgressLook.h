#pragma once
// The bar's ten looks. The stored Scrolling property keeps any integer; it
// becomes a look here, at the edge of the drawing code.
#include <cstdint>

enum class ProgressLook : int32_t {
    Segmented = 0,
    Smooth = 1,
    Marquee = 2,
    Flat = 3,
    Etched = 4,
    TwinGradient = 5,
    Dark = 6,
    Hatched = 7,
    Picture = 8,
    Glossy = 9,
};

// Scrolling values outside 0 to 9 draw exactly as the smooth look.
constexpr ProgressLook LookFromScrolling(int32_t scrolling)
{
    return scrolling >= 0 && scrolling <= 9 ? static_cast<ProgressLook>(scrolling) : ProgressLook::Smooth;
}
