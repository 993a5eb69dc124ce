#pragma once
// The bench proper: per corpus part and repetition, one run of the program in
// a process of its own (so its peak memory is the whole program's), then the
// peer archivers on the same files, every archive sized and the program's
// tested with unzip -tqq.
#include "BenchOptions.h"

int runWorkflowBench(const BenchOptions& options);
