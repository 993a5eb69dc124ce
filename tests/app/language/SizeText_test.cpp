#include "MainWindow.h"
#include "SizeText.h"

#include <gtest/gtest.h>

namespace {

struct SizeCase {
    uint64_t bytes;
    const char* text;
};

const SizeCase kCases[] = {
    {0, "0 bytes"},
    {1, "1 bytes"},
    {1023, "1023 bytes"},
    {1024, "1.00 KB"},
    {1152, "1.13 KB"}, // 1.125: half away from zero
    {1536, "1.50 KB"},
    {10239, "10.00 KB"},
    {10240, "10.0 KB"},
    {102399, "100.0 KB"},
    {102400, "100 KB"},
    {1023999, "999 KB"},
    {1024000, "0.98 MB"},
    {1048576, "1.00 MB"},
    {10485759, "10.00 MB"},
    {10485760, "10.0 MB"},
    {104857599, "100.0 MB"},
    {104857600, "100 MB"},
    {1048575999, "999 MB"},
    {1048576000, "0.98 GB"},
    {5368709120, "5.00 GB"},
    {10737418239, "10.00 GB"},
    {10737418240, "10.0 GB"},
    {107374182400, "100 GB"},
    {1073741823999, "999 GB"},
    {1073741824000, "0.98 TB"},
    {1099511627776, "1.00 TB"},
    {1649267441664, "1.50 TB"},
    {UINT64_MAX, "16777216.00 TB"}, // no overflow on the largest size
};

TEST(SizeText, BandsLimitsAndRounding)
{
    const QLocale english(QLocale::English, QLocale::UnitedStates);
    for (const SizeCase& c : kCases)
        EXPECT_EQ(SizeText(c.bytes, english).toStdString(), c.text) << c.bytes << " bytes";
}

TEST(SizeText, UsesTheLocaleDecimalSeparatorAndNoGrouping)
{
    const QLocale german(QLocale::German, QLocale::Germany);
    EXPECT_EQ(SizeText(1152, german), QStringLiteral("1,13 KB"));
    EXPECT_EQ(SizeText(10240, german), QStringLiteral("10,0 KB"));
    EXPECT_EQ(SizeText(1023999, german), QStringLiteral("999 KB"));
    EXPECT_EQ(SizeText(1023, german), QStringLiteral("1023 bytes"));

    // Without a locale the default one counts.
    const QLocale previous;
    QLocale::setDefault(german);
    EXPECT_EQ(SizeText(5368709120), QStringLiteral("5,00 GB"));
    QLocale::setDefault(previous);
}

} // namespace
