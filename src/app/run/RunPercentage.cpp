#include "RunPercentage.h"

#include <algorithm>
#include <cmath>

int RunPercentage::Percent(int64_t zipped, int64_t total)
{
    if (total <= 0)
        return 100;
    // nearbyint follows the default rounding mode: to nearest, ties to even.
    return static_cast<int>(std::nearbyint(static_cast<double>(zipped) * 100.0 / static_cast<double>(total)));
}

int RunPercentage::Next(int64_t zipped, int64_t toZip, size_t sourcesDone, size_t sources)
{
    int percent = of(zipped, toZip);
    if (sources > 0)
        percent = std::min<int>(99, static_cast<int>(static_cast<int64_t>(percent) * static_cast<int64_t>(sourcesDone) /
                                                     static_cast<int64_t>(sources)));
    last_ = std::max(last_, percent);
    return last_;
}

std::optional<int> RunPercentage::CatchUp(int64_t zipped, int64_t toZip)
{
    const int percent = of(zipped, toZip);
    if (percent <= last_)
        return std::nullopt;
    last_ = percent;
    return percent;
}
