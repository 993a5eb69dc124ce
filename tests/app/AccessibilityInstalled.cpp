// The program installs the controls' accessible interfaces at start-up; every
// test of this binary sees the controls the same way.
#include "Startup.h"

#include <gtest/gtest.h>

namespace {

class AccessibilityInstalled : public ::testing::Environment {
public:
    void SetUp() override
    {
        Startup::SetUpAccessibility();
    }
};

[[maybe_unused]] ::testing::Environment* const kEnvironment =
    ::testing::AddGlobalTestEnvironment(new AccessibilityInstalled);

} // namespace
