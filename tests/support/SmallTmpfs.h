#pragma once
// Runs one test of this test binary in a child process with a small tmpfs of
// its own (a private mount namespace, so the rest of the system never sees
// it), for tests about a full disk. The child finds the mount's folder in
// VOLARIN_SMALL_TMPFS.
#include "Process.h"

#include <string>

struct SmallTmpfsRun {
    bool mounted = false;  // false: no mount namespace or tmpfs here (result.out says why)
    ProcessResult result;
};

// The folder of the tmpfs inside the child; nullptr in any other process.
const char* smallTmpfsFolder();

SmallTmpfsRun runTestInSmallTmpfs(const std::string& testName, const std::string& size = "256k");
