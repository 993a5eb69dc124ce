#pragma once
// How a zip run ended, and what the user is to be told about it.
#include "Failure.h"

#include <optional>

struct RunOutcome {
    enum class End {
        NotStarted,  // nothing was copied, or queuing failed: the archive was never opened
        Failed,      // the archive was opened but not finished
        Completed,
        Stopped,  // the user stopped it: no archive, the staging folder gone
    };
    End end = End::NotStarted;
    std::optional<Failure> failure;
};
