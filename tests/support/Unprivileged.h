#pragma once
// Runs the current test again in a child process as the unprivileged user
// "nobody", for tests about permissions that a root process never sees
// refused (CI runs as root). The child is the same test binary with a filter
// naming only this test; it gets a private HOME and TMPDIR that nobody owns.
#include <string>

struct UnprivilegedRun {
    bool ran = false;    // false: the child could not be started (reason says why)
    bool passed = false; // the child ran the test and it passed
    std::string output;  // what the child printed, or why it could not run
};

// True when this process runs as root and so cannot see permissions refused.
bool runningAsRoot();

UnprivilegedRun rerunCurrentTestUnprivileged();

// In a test body: as root, re-runs this test as nobody and ends the body
// (skipped when that is impossible here, failed when the child failed).
#define VOLARIN_RUN_AS_NOBODY_WHEN_ROOT()                                                                  \
    do {                                                                                                  \
        if (runningAsRoot()) {                                                                            \
            const UnprivilegedRun run_ = rerunCurrentTestUnprivileged();                                  \
            if (!run_.ran)                                                                                \
                GTEST_SKIP() << "running as root and cannot re-run as nobody: " << run_.output;           \
            EXPECT_TRUE(run_.passed) << "the test failed when run as nobody:\n" << run_.output;          \
            return;                                                                                       \
        }                                                                                                 \
    } while (false)
