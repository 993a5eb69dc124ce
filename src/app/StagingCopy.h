#pragma once
// Puts the files handed to a run into its staging folder under their bare
// names (a later file of the same name replaces the earlier one), as links
// where the file systems allow it, else as copies (LinkOrCopy). Files that
// cannot be staged, files replaced by a later one of the same name, and
// hidden files (which the run leaves out) are gathered with the reason, for
// one message after the run. What is left to zip comes back ready to queue.
#include "Failure.h"
#include "FileCopy.h"
#include "StagedEntry.h"

#include <filesystem>
#include <stop_token>
#include <string>
#include <vector>

struct StagingCopyReport {
    size_t copied = 0;            // files now in the staging folder, hidden ones included
    std::vector<Failure> failed;  // one per file left out
    bool stopped = false;         // a stop was requested before every file was staged
    // The staged files to zip, in byte order of their names (so an archive
    // does not depend on the order the files were handed over in).
    std::vector<StagedEntry> entries;
};

class StagingCopy {
public:
    // A dot-file: what a run leaves out, like the hidden files of the system it came from.
    static bool IsHidden(const std::string& name) { return !name.empty() && name[0] == '.'; }

    // Runs on whatever thread calls it; touches nothing but the files named.
    // A stop requested through `stop` ends it between files and inside a
    // long copy. `fastest` skips cheaper methods (tests and benchmarks).
    static StagingCopyReport CopyAll(const std::vector<std::string>& sources,
                                     const std::filesystem::path& folder, std::stop_token stop = {},
                                     FileCopyMethod fastest = FileCopyMethod::Clone);
};
