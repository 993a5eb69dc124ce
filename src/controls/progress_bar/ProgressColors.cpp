#include "ProgressColors.h"

#include <algorithm>
#include <cmath>

ColorRef LightenColor(uint32_t color, int amount)
{
    auto channel = [amount](int c) {
        const int v = amount + ((255 - amount) * c) / 255;
        return std::clamp(v, 0, 255);
    };
    return RGBColor(channel(GetRValue(color)), channel(GetGValue(color)), channel(GetBValue(color)));
}

ColorRef MixColors(uint32_t color1, uint32_t color2, int amount)
{
    const ColorRef c1 = TranslateColor(color1);
    const ColorRef c2 = TranslateColor(color2);
    auto channel = [amount](int ch1, int ch2) {
        const double v = std::nearbyint((255.0 - amount) * ch2 / 255.0 + static_cast<double>(amount) * ch1 / 255.0);
        return std::clamp(static_cast<int>(v), 0, 255);
    };
    return RGBColor(channel(GetRValue(c1), GetRValue(c2)), channel(GetGValue(c1), GetGValue(c2)),
                    channel(GetBValue(c1), GetBValue(c2)));
}
