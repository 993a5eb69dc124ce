// The program installs the controls' accessible interfaces at start-up; every
// test of this binary sees the controls the same way.
#include "XP_ProgressBarAccessible.h"

#include <gtest/gtest.h>

namespace {

class AccessibilityInstalled : public ::testing::Environment {
public:
    void SetUp() override
    {
        XP_ProgressBarAccessible::Install();
    }
};

[[maybe_unused]] ::testing::Environment* const kEnvironment =
    ::testing::AddGlobalTestEnvironment(new AccessibilityInstalled);

} // namespace
