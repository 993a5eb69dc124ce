#pragma once
// One zip run through the program's real window, as a user makes it: the
// part's folder added to the list with its extension selected, Output with a
// name and the bench's folder, then Start, timed until the service's Ended.
// Prints one line for the bench that started this process:
//   RUN completed=0|1 seconds=S staged=S a11y=0|1 messages=N
#include "BenchOptions.h"

// The process's exit code; the archive is left in DIR/out for the bench to test.
int runWindowOnce(const BenchOptions& options);
