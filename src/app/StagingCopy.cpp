#include "StagingCopy.h"

#include "FileCopy.h"

namespace fs = std::filesystem;

StagingCopyReport StagingCopy::CopyAll(const std::vector<fs::path>& sources, const fs::path& folder)
{
    StagingCopyReport report;
    for (const fs::path& source : sources) {
        const fs::path name = source.filename();
        if (name.empty()) {
            report.failed.push_back({.kind = FailureKind::SourceNotAFile, .path = source});
            continue;
        }
        const FileCopyResult r = FileCopy::Copy(source, folder / name);
        if (r.ok)
            ++report.copied;
        else
            report.failed.push_back({.kind = FailureKind::SourceNotCopied,
                                     .code = r.error,
                                     .path = source});
    }
    return report;
}
