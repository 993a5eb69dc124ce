#pragma once
// Copies the files handed to a run into its staging folder, under their bare
// names (a later file of the same name replaces the earlier copy). Files that
// cannot be copied are gathered with the reason, for one message after the run.
#include <QString>

#include <filesystem>
#include <vector>

struct StagingCopyFailure {
    std::filesystem::path source;
    QString reason;
};

struct StagingCopyReport {
    size_t copied = 0;
    std::vector<StagingCopyFailure> failed;

    // "The following files were left out of <archive>:" and one line per file.
    QString Message(const QString& archive) const;
};

class StagingCopy {
public:
    static StagingCopyReport CopyAll(const std::vector<std::filesystem::path>& sources,
                                     const std::filesystem::path& folder);
};
