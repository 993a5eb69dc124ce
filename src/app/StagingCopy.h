#pragma once
// Copies the files handed to a run into its staging folder, under their bare
// names (a later file of the same name replaces the earlier copy). Files that
// cannot be copied are gathered with the reason, for one message after the run.
#include "Failure.h"

#include <filesystem>
#include <vector>

struct StagingCopyReport {
    size_t copied = 0;
    std::vector<Failure> failed;  // one per file left out
};

class StagingCopy {
public:
    static StagingCopyReport CopyAll(const std::vector<std::filesystem::path>& sources,
                                     const std::filesystem::path& folder);
};
