#pragma once
// The fourteen looks of the button. ButtonType stores any integer; values
// without a look draw the face and the picture only.
#include <cstdint>

namespace button {

enum class ButtonLook : int32_t {
    Outlined3D = 1,
    Standard3D = 2,
    BlueGradient = 3,
    RoundedLight = 4,
    FlatFramed = 5,
    LightBevel = 6,
    ThinRaised = 7,
    HoverThin = 8,
    HoverFill = 9,
    PictureOnly = 10,
    Transparent = 11,
    Hover3D = 12,
    Oval = 13,
    HighlightGradient = 14,
};

constexpr ButtonLook LookOfType(int32_t buttonType)
{
    return static_cast<ButtonLook>(buttonType);
}

} // namespace button
