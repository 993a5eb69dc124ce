// Date-time values (days since 30 December 1899) from any double a file's
// time or a stored setting can give: the calendar fields of a value are a
// real date and time, and they turn back into the same value to the second.
#include "FuzzSupport.h"
#include "OleDate.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>

namespace {

void checkFields(const OleDate::Fields& f)
{
    fuzz::Check(f.month >= 1 && f.month <= 12 && f.day >= 1 && f.day <= 31, "a date outside the calendar");
    fuzz::Check(f.hour >= 0 && f.hour < 24 && f.minute >= 0 && f.minute < 60 && f.second >= 0 && f.second < 60,
                "a time outside the day");
}

// Seconds since the epoch as the calendar counts them: whole days count
// either way, the time of day always forwards.
double calendarSeconds(double value)
{
    const double days = std::trunc(value);
    return days * 86400 + std::fabs(value - days) * 86400;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < sizeof(double))
        return 0;
    double value;
    std::memcpy(&value, data, sizeof value);
    if (!std::isfinite(value))
        return 0;
    const OleDate::Fields fields = OleDate::ToFields(value);
    checkFields(fields);
    // Within years a person may date a file, the value comes back to the second.
    if (std::fabs(value) < 3e6) {
        const double back = OleDate::FromFields(fields);
        fuzz::Check(std::fabs(calendarSeconds(back) - calendarSeconds(value)) <= 0.5 + 1e-3,
                    "fields that do not turn back into their value");
        fuzz::Check(OleDate::ToFields(back) == fields, "fields that change when read again");
    }
    // Fields from the input (any ints) never crash the conversion.
    if (size >= sizeof(double) + 6 * sizeof(int16_t)) {
        int16_t raw[6];
        std::memcpy(raw, data + sizeof(double), sizeof raw);
        const OleDate::Fields given{raw[0], raw[1], raw[2], raw[3], raw[4], raw[5]};
        (void)OleDate::FromFields(given);
    }
    return 0;
}
