#include "ButtonColors.h"

#include <algorithm>
#include <cmath>

namespace button {

Colour Shift(Colour colour, int amount, bool blueScaled, bool soft)
{
    if (soft)
        amount /= 2;
    int r = Red(colour) + amount;
    int g = Green(colour) + amount;
    int b = Blue(colour) + (blueScaled ? Blue(colour) * amount / 192 : amount);
    // Only the side the amount moves toward is clamped; the other cannot be crossed.
    if (amount > 0) {
        r = std::min(r, 255);
        g = std::min(g, 255);
        b = std::min(b, 255);
    } else if (amount < 0) {
        r = std::max(r, 0);
        g = std::max(g, 0);
        b = std::max(b, 0);
    }
    return Rgb(r, g, b);
}

Colour Tint(Colour colour, int amount)
{
    auto channel = [amount](int c) { return std::min(255, amount + (255 - amount) * c / 255); };
    return Rgb(channel(Red(colour)), channel(Green(colour)), channel(Blue(colour)));
}

int RoundHalfEven(double value)
{
    return static_cast<int>(std::nearbyint(value)); // default rounding mode is to-nearest-even
}

int GreyLevel(int r, int g, int b)
{
    return RoundHalfEven(RoundHalfEven(0.3 * r) + 0.59 * g + 0.11 * b);
}

} // namespace button
