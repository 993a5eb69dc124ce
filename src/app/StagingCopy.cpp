#include "StagingCopy.h"

#include "LinkOrCopy.h"
#include "StagingWalk.h"

namespace fs = std::filesystem;

StagingCopyReport StagingCopy::CopyAll(const std::vector<std::string>& sources, const fs::path& folder,
                                       std::stop_token stop, FileCopyMethod fastest)
{
    StagingCopyReport report;
    LinkOrCopy placer(fastest);
    for (const std::string& sourceBytes : sources) {
        const fs::path source(sourceBytes);
        if (stop.stop_requested()) {
            report.stopped = true;
            break;
        }
        const fs::path name = source.filename();
        if (name.empty()) {
            report.failed.push_back({.kind = FailureKind::SourceNotAFile, .path = source});
            continue;
        }
        const FileCopyResult r = placer.Place(source, folder / name, stop);
        if (!r.ok) {
            report.stopped = stop.stop_requested();
            report.failed.push_back({.kind = FailureKind::SourceNotCopied, .code = r.error, .path = source});
            continue;
        }
        ++report.copied;
        if (StagingWalk::IsHidden(name.native()))
            report.failed.push_back({.kind = FailureKind::SourceHidden, .path = source});
    }
    return report;
}
