#pragma once
// Drives a Zipper by hand, one step at a time, as its timer would: a step is
// taken whenever the timer is running, and otherwise the event loop runs (so
// the workers' wake-up calls arrive). Records what each step raised, with
// the properties at each event, one string per step that raised anything.
#include <string>
#include <vector>

#include "Zipper.h"

class StepLog {
public:
    explicit StepLog(Zipper& zipper);
    // Steps until the run ends; gives up (recording "TIMEOUT") after `seconds`.
    std::vector<std::string> RunToEnd(int seconds = 120);

private:
    Zipper& zipper_;
    std::string step_;
};

// The bytes of a file made of a repeating text with some noise: compressible,
// but not trivially.
std::string textLike(size_t size, unsigned seed);
