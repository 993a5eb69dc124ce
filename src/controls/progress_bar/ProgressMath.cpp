#include "ProgressMath.h"

#include <cmath>
#include <limits>

namespace {
std::optional<int32_t> Fit(int64_t v)
{
    if (v < std::numeric_limits<int32_t>::min() || v > std::numeric_limits<int32_t>::max())
        return std::nullopt;
    return static_cast<int32_t>(v);
}
} // namespace

std::optional<int32_t> RoundToInt32(double value)
{
    if (!std::isfinite(value))
        return std::nullopt;
    // nearbyint rounds half to even in the default rounding mode.
    const double r = std::nearbyint(value);
    if (r < static_cast<double>(std::numeric_limits<int32_t>::min()) ||
        r > static_cast<double>(std::numeric_limits<int32_t>::max()))
        return std::nullopt;
    return static_cast<int32_t>(r);
}

std::optional<int32_t> CheckedMul(int32_t a, int32_t b)
{
    return Fit(static_cast<int64_t>(a) * b);
}

std::optional<int32_t> CheckedAdd(int32_t a, int32_t b)
{
    return Fit(static_cast<int64_t>(a) + b);
}

std::optional<int32_t> CheckedSub(int32_t a, int32_t b)
{
    return Fit(static_cast<int64_t>(a) - b);
}
