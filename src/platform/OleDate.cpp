#include "OleDate.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <ctime>

namespace OleDate {
namespace {

// Days from 1 January 1970 to the given civil date (Howard Hinnant's algorithm).
int64_t daysFromCivil(int64_t y, int64_t m, int64_t d)
{
    y -= m <= 2;
    const int64_t era = (y >= 0 ? y : y - 399) / 400;
    const int64_t yoe = y - era * 400;
    const int64_t doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;
    const int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

void civilFromDays(int64_t z, Fields& f)
{
    z += 719468;
    const int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const int64_t doe = z - era * 146097;
    const int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const int64_t mp = (5 * doy + 2) / 153;
    const int64_t d = doy - (153 * mp + 2) / 5 + 1;
    const int64_t m = mp < 10 ? mp + 3 : mp - 9;
    f.year = static_cast<int>(yoe + era * 400 + (m <= 2));
    f.month = static_cast<int>(m);
    f.day = static_cast<int>(d);
}

// 30 December 1899 counted from 1 January 1970.
const int64_t kEpochDays = daysFromCivil(1899, 12, 30);
constexpr int64_t kSecondsPerDay = 86400;

}  // namespace

double FromFields(const Fields& f)
{
    const int64_t days = daysFromCivil(f.year, f.month, f.day) - kEpochDays;
    const double time = (f.hour * 3600.0 + f.minute * 60.0 + f.second) / kSecondsPerDay;
    // Before the epoch the whole days count down while the time still counts up.
    return days >= 0 ? static_cast<double>(days) + time : static_cast<double>(days) - time;
}

Fields ToFields(double value)
{
    // Beyond some two billion years the year would not fit an int (and the
    // day count not an integer): such values are pinned there.
    constexpr double kFarthest = 7e11;
    value = std::clamp(value, -kFarthest, kFarthest);
    const double wholeDays = std::trunc(value);
    const double time = std::fabs(value - wholeDays);
    int64_t days = static_cast<int64_t>(wholeDays);
    int64_t seconds = std::llround(time * kSecondsPerDay);
    if (seconds >= kSecondsPerDay) {
        // Rounding reached midnight: that is the start of the next calendar day
        // (which for negative values is one whole day closer to the epoch).
        seconds -= kSecondsPerDay;
        days += 1;
    }
    // -0.5 is 30 December 1899 12:00, like +0.5: the days before the epoch
    // begin at -1.
    Fields f;
    civilFromDays(days + kEpochDays, f);
    f.hour = static_cast<int>(seconds / 3600);
    f.minute = static_cast<int>(seconds / 60 % 60);
    f.second = static_cast<int>(seconds % 60);
    return f;
}

double LocalNow()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    tzset();
    if (localtime_r(&now, &local) == nullptr)
        return 0;
    return FromFields(Fields{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour,
                             local.tm_min, local.tm_sec});
}

}  // namespace OleDate
