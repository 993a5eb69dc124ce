// The program's whole zip workflow (window, staging, run) on the generated
// corpus, per part, beside zip, 7z and bsdtar on the same files in the same
// run. See README.md, "Benchmarks", for the options and the printout.
#include "BenchOptions.h"
#include "WindowRun.h"
#include "WorkflowBench.h"

#ifdef __GLIBC__
#include <malloc.h>
#endif

int main(int argc, char** argv)
{
    const BenchOptions options = parseBenchOptions(argc, argv);
    if (options.windowRunPart.empty())
        return runWorkflowBench(options);
#ifdef __GLIBC__
    mallopt(M_TRIM_THRESHOLD, 256 * 1024 * 1024);  // as the program's main does
#endif
    return runWindowOnce(options);
}
