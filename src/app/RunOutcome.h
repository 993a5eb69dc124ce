#pragma once
// How a zip run ended, and what the user is to be told about it.
#include "Failure.h"

#include <optional>

struct RunOutcome {
    enum class End {
        NotStarted,  // nothing was copied, or queuing failed: the archive was never opened
        Failed,      // the archive was opened but not finished
        Completed,
    };
    End end = End::NotStarted;
    std::optional<Failure> failure;
};
