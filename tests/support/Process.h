#pragma once
// Runs an outside program (no shell) and gathers what it printed.
#include <string>
#include <vector>

struct ProcessResult {
    int exitCode = -1;  // -1 when the program could not be started or crashed
    std::string out;    // standard output and error, merged
};

ProcessResult runProcess(const std::vector<std::string>& argv, const std::string& stdinBytes = {});
bool haveProgram(const std::string& name);
