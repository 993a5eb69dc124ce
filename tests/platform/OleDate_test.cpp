#include <gtest/gtest.h>

#include <ctime>
#include <ostream>

#include "OleDate.h"

using OleDate::Fields;

namespace OleDate {
void PrintTo(const Fields& f, std::ostream* out)
{
    *out << f.year << '-' << f.month << '-' << f.day << ' ' << f.hour << ':' << f.minute << ':' << f.second;
}
}  // namespace OleDate

TEST(OleDate, CalendarFieldsAndDaysAgree)
{
    struct Case {
        Fields fields;
        double value;
    };
    const Case cases[] = {
        {{1899, 12, 30, 0, 0, 0}, 0.0},
        {{1900, 1, 1, 0, 0, 0}, 2.0},
        {{1899, 12, 30, 12, 0, 0}, 0.5},
        {{1899, 12, 29, 6, 0, 0}, -1.25},  // days count down, time still up
        {{1899, 12, 28, 18, 0, 0}, -2.75},
        {{2024, 3, 15, 14, 7, 9}, 45366.0 + (14 * 3600 + 7 * 60 + 9) / 86400.0},
        {{2000, 2, 29, 0, 0, 0}, 36585.0},
        {{1980, 1, 1, 0, 0, 0}, 29221.0},
        {{2107, 12, 31, 23, 59, 58}, 75971.0 + 86398 / 86400.0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value);
        EXPECT_DOUBLE_EQ(OleDate::FromFields(c.fields), c.value);
        EXPECT_EQ(OleDate::ToFields(c.value), c.fields);
    }
}

TEST(OleDate, ToFieldsRoundsToTheNearestSecond)
{
    const double almostMidnight = OleDate::FromFields({2023, 12, 31, 23, 59, 59}) + 0.6 / 86400;
    EXPECT_EQ(OleDate::ToFields(almostMidnight), (Fields{2024, 1, 1, 0, 0, 0}));
    const double justAfter = OleDate::FromFields({2024, 3, 15, 14, 7, 9}) + 0.4 / 86400;
    EXPECT_EQ(OleDate::ToFields(justAfter), (Fields{2024, 3, 15, 14, 7, 9}));
    // A day before the epoch whose time rounds up to midnight.
    EXPECT_EQ(OleDate::ToFields(-1.99999999), (Fields{1899, 12, 30, 0, 0, 0}));
    EXPECT_EQ(OleDate::ToFields(-0.5), (Fields{1899, 12, 30, 12, 0, 0}));
}

// Values too far out for a day count or a year are read as the farthest day
// that has one, either way.
TEST(OleDate, ToFieldsPinsValuesBeyondAnyYear)
{
    for (double far : {7e11, 1e19, 1e300}) {
        SCOPED_TRACE(far);
        EXPECT_EQ(OleDate::ToFields(far), OleDate::ToFields(7e11));
        EXPECT_EQ(OleDate::ToFields(-far), OleDate::ToFields(-7e11));
    }
    EXPECT_GT(OleDate::ToFields(7e11).year, 1900000000);
    EXPECT_LT(OleDate::ToFields(-7e11).year, -1900000000);
}

TEST(OleDate, LocalNowIsTodaysLocalTime)
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    const double expected = OleDate::FromFields(
        {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec});
    EXPECT_NEAR(OleDate::LocalNow(), expected, 2.0 / 86400);
}
