// The program installs the controls' accessible interfaces at start-up; every
// test of this binary sees the controls the same way.
#include "ButtonAccessible.h"

#include <gtest/gtest.h>

namespace {

class AccessibilityInstalled : public ::testing::Environment {
public:
    void SetUp() override
    {
        button::InstallButtonAccessibility();
    }
};

[[maybe_unused]] ::testing::Environment* const kEnvironment =
    ::testing::AddGlobalTestEnvironment(new AccessibilityInstalled);

} // namespace
