#pragma once
// Date-time values as the program passes them around: a double counting days
// since 30 December 1899, the fraction being the time of day (0 = none).
// Days before that epoch keep a positive time fraction, so -1.25 is
// 29 December 1899 06:00.

namespace OleDate {

struct Fields {
    int year = 1899;
    int month = 12;  // 1-12
    int day = 30;    // 1-31
    int hour = 0;
    int minute = 0;
    int second = 0;

    bool operator==(const Fields&) const = default;
};

// The value for the given calendar fields (proleptic Gregorian calendar).
double FromFields(const Fields& f);

// The calendar fields of a value, rounded to the nearest second. The value
// must be finite; beyond 7e11 days either way it is read as 7e11.
Fields ToFields(double value);

// The current local date and time, whole seconds.
double LocalNow();

}  // namespace OleDate
