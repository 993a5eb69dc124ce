#pragma once
// Fails a test that does not end in time instead of letting it hang until
// ctest's timeout: a thread that is never woken or joined shows up within
// seconds. Every test gets a generous limit; the suites that start threads,
// and tests that call Limit, a short one.
// Under a sanitizer the limits grow eightfold (VOLARIN_WATCHDOG_FACTOR sets
// another factor).
#include <chrono>

namespace TestWatchdog {

// Starts watching (called once, from the shared test main).
void Install();
// This test must end within `limit` from now.
void Limit(std::chrono::seconds limit);

// The limit of threaded tests: far above what they take, far below a hang.
constexpr std::chrono::seconds kThreaded{60};

}  // namespace TestWatchdog
