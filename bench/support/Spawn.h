#pragma once
// Runs a command to its end and reports what the kernel measured of it: wall
// time, how it exited and its peak resident memory (from wait4's rusage).
#include <filesystem>
#include <string>
#include <vector>

namespace bench {

struct SpawnRequest {
    std::vector<std::string> argv;      // argv[0] is looked up on PATH
    std::filesystem::path workingDir;   // empty: the bench's own
    std::filesystem::path stdinFile;    // empty: /dev/null
    bool captureStdout = false;         // else stdout goes to /dev/null
};

struct SpawnResult {
    double seconds = -1;
    bool exitedNormally = false;
    int exitCode = -1;
    long peakKb = 0;  // ru_maxrss of the command alone
    std::string output;
    bool ok() const { return exitedNormally && exitCode == 0; }
};

// Blocks until the command has ended; the clock runs from just before the fork
// to the reaping of the child. Stderr is the bench's own.
SpawnResult spawnAndWait(const SpawnRequest& request);

}  // namespace bench
