#pragma once
// Puts the files handed to a run into its staging folder under their bare
// names, as links where the file systems allow it, else as copies
// (LinkOrCopy). Of several files of one name the last handed over is staged
// (the earlier ones count as replaced); when it cannot be, the one before it
// takes its place, so a failed copy never costs the name its file. Files that
// cannot be staged, replaced files and hidden files (which the run leaves
// out) are gathered with the reason, for one message after the run. What is
// left to zip comes out ready to queue, name by name in byte order, so the
// run can zip the first files while later ones are still being staged.
#include "Failure.h"
#include "FileCopy.h"
#include "SourceList.h"
#include "StagedEntry.h"

#include <filesystem>
#include <functional>
#include <stop_token>
#include <string>
#include <string_view>
#include <vector>

struct StagingCopyReport {
    size_t copied = 0;            // files now in the staging folder, hidden ones included
    std::vector<Failure> failed;  // one per file left out
    // One per staged file to zip dated outside what ZIP's own dates hold.
    std::vector<Failure> notes;
    bool stopped = false;         // a stop was requested before every file was staged
    // The staged files to zip, in byte order of their names (so an archive
    // does not depend on the order the files were handed over in); empty
    // when they were handed out one by one instead.
    std::vector<StagedEntry> entries;
};

// Takes each staged file to zip as soon as it is staged, with the number of
// files handed over that have been dealt with so far.
using StagedEntryTaker = std::function<void(StagedEntry&& entry, size_t sourcesDone)>;

class StagingCopy {
public:
    // A dot-file: what a run leaves out, like the hidden files of the system it came from.
    static bool IsHidden(std::string_view name) { return !name.empty() && name[0] == '.'; }

    // Runs on whatever thread calls it; touches nothing but the files named.
    // A stop requested through `stop` ends it between files and inside a
    // long copy. `fastest` skips cheaper methods (tests and benchmarks).
    static StagingCopyReport CopyAll(const SourceList& sources,
                                     const std::filesystem::path& folder, std::stop_token stop = {},
                                     FileCopyMethod fastest = FileCopyMethod::Clone,
                                     const StagedEntryTaker& take = {});
};
