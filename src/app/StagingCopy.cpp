#include "StagingCopy.h"

#include "LinkOrCopy.h"
#include "StagingWalk.h"

#include <map>
#include <set>

namespace fs = std::filesystem;

StagingCopyReport StagingCopy::CopyAll(const std::vector<std::string>& sources, const fs::path& folder,
                                       std::stop_token stop, FileCopyMethod fastest)
{
    StagingCopyReport report;
    LinkOrCopy placer(fastest);
    std::map<fs::path, size_t> kept;  // staged name -> the source whose file is there now
    std::vector<size_t> replaced;     // sources whose staged file a later one took the place of
    for (size_t i = 0; i < sources.size(); ++i) {
        const fs::path source(sources[i]);
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
        const auto earlier = kept.find(name);
        if (!r.ok) {
            report.stopped = stop.stop_requested();
            report.failed.push_back({.kind = FailureKind::SourceNotCopied, .code = r.error, .path = source});
            // A copy that failed after freeing the name has taken the earlier file with it.
            std::error_code ec;
            if (earlier != kept.end() && !fs::exists(fs::symlink_status(folder / name, ec))) {
                report.failed.push_back(
                    {.kind = FailureKind::SourceNotCopied, .code = r.error, .path = sources[earlier->second]});
                kept.erase(earlier);
            }
            continue;
        }
        if (earlier == kept.end()) {
            kept.emplace(name, i);
        } else {
            replaced.push_back(earlier->second);
            earlier->second = i;
        }
    }
    report.copied = kept.size();
    // Only a different file is replaced: a path handed over twice (a second
    // Start without Clear) is still in the archive.
    std::set<fs::path> told;
    for (const size_t index : replaced) {
        const fs::path loser(sources[index]);
        const fs::path winner(sources[kept.at(loser.filename())]);
        if (loser != winner && told.insert(loser).second)
            report.failed.push_back({.kind = FailureKind::SourceReplaced, .path = loser, .other = winner.parent_path()});
    }
    for (const auto& [name, index] : kept)
        if (StagingWalk::IsHidden(name.native()))
            report.failed.push_back({.kind = FailureKind::SourceHidden, .path = sources[index]});
    return report;
}
