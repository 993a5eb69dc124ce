#pragma once
// The bar's two colour functions.
#include "ColorValue.h"

// Moves each channel of `color` (taken as stored, not translated) towards 255
// by `amount`: amount + (255 - amount) * channel div 255, capped at 255.
ColorRef LightenColor(uint32_t color, int amount);
// Weighted mix of two colours (both translated): amount 255 gives color1,
// 0 gives color2; each channel rounded half to even.
ColorRef MixColors(uint32_t color1, uint32_t color2, int amount);
