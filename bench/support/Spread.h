#pragma once
// Median and range of a benchmark's repeated measurements.
#include <algorithm>
#include <vector>

namespace bench {

struct Spread {
    double median = 0;
    double min = 0;
    double max = 0;
    bool valid = false;  // false when there was nothing to measure or a run failed
};

// Negative values mark failed runs and make the whole spread invalid.
inline Spread spreadOf(std::vector<double> values)
{
    Spread s;
    if (values.empty() || *std::min_element(values.begin(), values.end()) < 0)
        return s;
    std::sort(values.begin(), values.end());
    s.median = values[values.size() / 2];
    s.min = values.front();
    s.max = values.back();
    s.valid = true;
    return s;
}

}  // namespace bench
