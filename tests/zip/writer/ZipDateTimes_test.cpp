#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <ctime>
#include <optional>

#include "OleDate.h"
#include "Process.h"
#include "TempDir.h"
#include "ZipDateTimes.h"

namespace {

double dateOf(int y, int mo, int d, int h, int mi, int s)
{
    return OleDate::FromFields(OleDate::Fields{y, mo, d, h, mi, s});
}

// Sets the process's time zone for one test and puts the old one back.
class TimeZone {
public:
    explicit TimeZone(const char* zone)
    {
        if (const char* old = std::getenv("TZ"))
            old_ = old;
        setenv("TZ", zone, 1);
        tzset();
    }
    ~TimeZone()
    {
        if (old_)
            setenv("TZ", old_->c_str(), 1);
        else
            unsetenv("TZ");
        tzset();
    }

private:
    std::optional<std::string> old_;
};

}  // namespace

TEST(ZipDateTimes, StartsAtNone)
{
    ZipDateTimes times;
    EXPECT_EQ(times.Created(), 0);
    EXPECT_EQ(times.LastAccessed(), 0);
    EXPECT_EQ(times.LastModified(), 0);
}

TEST(ZipDateTimes, TimesFollowTheZoneRuleOfTheirOwnDate)
{
    TimeZone berlin("Europe/Berlin");
    TempDir dir;
    struct Case {
        const char* touched;  // UTC
        double expected;      // Berlin
    };
    const Case cases[] = {
        {"2024-01-15 12:00:00 UTC", dateOf(2024, 1, 15, 13, 0, 0)},    // winter time
        {"2024-07-15 12:00:00 UTC", dateOf(2024, 7, 15, 14, 0, 0)},    // summer time
        {"2024-07-15 10:15:30.999 UTC", dateOf(2024, 7, 15, 12, 15, 30)},  // fraction dropped
        {"1975-07-15 12:00:00 UTC", dateOf(1975, 7, 15, 13, 0, 0)},    // no summer time then
        {"1960-03-01 23:30:00 UTC", dateOf(1960, 3, 2, 0, 30, 0)},     // before 1970
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.touched);
        const auto file = dir.write("file.txt", "x");
        const ProcessResult touch = runProcess({"touch", "-d", c.touched, file.string()});
        ASSERT_EQ(touch.exitCode, 0) << touch.out;
        ZipDateTimes times;
        ASSERT_TRUE(times.GetTimestamps(file));
        EXPECT_DOUBLE_EQ(times.LastModified(), c.expected);
        EXPECT_DOUBLE_EQ(times.LastAccessed(), c.expected);
    }
}

TEST(ZipDateTimes, CreatedIsTheBirthTimeOrNone)
{
    TempDir dir;
    const double before = OleDate::LocalNow();
    const auto file = dir.write("new.txt", "x");
    ASSERT_EQ(runProcess({"touch", "-d", "2001-01-01 00:00:00", file.string()}).exitCode, 0);
    ZipDateTimes times;
    ASSERT_TRUE(times.GetTimestamps(file));
    // File systems without birth times give none; the others give the moment
    // the file was made, which touch cannot move back.
    if (times.Created() != 0) {
        EXPECT_GE(times.Created(), before - 2.0 / 86400);
        EXPECT_LE(times.Created(), OleDate::LocalNow() + 1.0 / 86400);
    }
    EXPECT_DOUBLE_EQ(times.LastModified(), dateOf(2001, 1, 1, 0, 0, 0));
}

TEST(ZipDateTimes, MissingPathFailsAndKeepsTheValues)
{
    TempDir dir;
    const auto file = dir.write("there.txt", "x");
    ASSERT_EQ(runProcess({"touch", "-d", "2020-02-02 12:00:00", file.string()}).exitCode, 0);
    ZipDateTimes times;
    ASSERT_TRUE(times.GetTimestamps(file));
    const double modified = times.LastModified();
    const double accessed = times.LastAccessed();
    const double created = times.Created();
    const auto missing = times.GetTimestamps(dir / "missing.txt");
    ASSERT_FALSE(missing);
    EXPECT_EQ(static_cast<uint32_t>(missing.kind()), 0x8004AA51u);
    EXPECT_STREQ(ZipDateTimes::kSource, "ZipDateTimes");
    EXPECT_EQ(ZipDateTimes::Description(missing), "Internal error. System error 2 calling GetFileAtributesEx");
    EXPECT_EQ(missing.code().value(), 2);
    EXPECT_EQ(times.LastModified(), modified);
    EXPECT_EQ(times.LastAccessed(), accessed);
    EXPECT_EQ(times.Created(), created);
    EXPECT_FALSE(times.GetTimestamps(""));
}
