#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

#include "LocalFileTime.h"
#include "OleDate.h"

// A time the system cannot turn into local time fails with its reason, which
// reaches the caller instead of being left in errno.
TEST(LocalFileTime, FailsWithTheSystemsReason)
{
    struct Case {
        int64_t seconds;
        bool ok;
        std::errc reason;
    };
    const Case cases[] = {
        {0, true, {}},
        {std::numeric_limits<int64_t>::max(), false, std::errc::value_too_large},
        {std::numeric_limits<int64_t>::min(), false, std::errc::value_too_large},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.seconds);
        const auto local = LocalFileTime::FromUnixSeconds(c.seconds);
        ASSERT_EQ(local.ok(), c.ok);
        if (c.ok) {
            EXPECT_GT(local.value(), OleDate::FromFields({1969, 12, 31, 0, 0, 0}));
            EXPECT_FALSE(local.code());
        } else {
            EXPECT_EQ(local.kind(), LocalTimeFailure::NotConvertible);
            EXPECT_EQ(local.code(), c.reason) << local.code().message();
        }
    }
}
