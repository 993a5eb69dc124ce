#include "StagingCopy.h"

#include "DosAttributes.h"
#include "LinkOrCopy.h"
#include "LocalFileTime.h"

#include <ctime>
#include <map>
#include <set>

namespace fs = std::filesystem;

namespace {

struct Kept {
    size_t source;  // index of the source whose file is there now
    FileCopyResult placed;
};

StagedEntry entryFor(const fs::path& folder, const std::string& name, const FileCopyResult& placed)
{
    StagedEntry staged;
    ZipFile& file = staged.file;
    file.SourceFile = (folder / name).native();
    file.AsFile = name;
    file.ByteCount = static_cast<int64_t>(placed.bytes);
    file.Attrs = DosAttributes(name, fs::file_status(fs::file_type::regular, static_cast<fs::perms>(placed.mode)));
    // Each entry keeps its file's own time: a link is the file itself, a copy took its time along.
    if (const std::optional<double> date = LocalFileTime::FromUnixSeconds(placed.modifiedSeconds))
        file.FileDate = *date;
    else
        staged.measured = false;
    return staged;
}

}  // namespace

StagingCopyReport StagingCopy::CopyAll(const std::vector<std::string>& sources, const fs::path& folder,
                                       std::stop_token stop, FileCopyMethod fastest)
{
    StagingCopyReport report;
    LinkOrCopy placer(fastest);
    std::map<std::string, Kept> kept;  // staged name -> what is there now, in byte order
    std::vector<size_t> replaced;      // sources whose staged file a later one took the place of
    for (size_t i = 0; i < sources.size(); ++i) {
        const std::string& source = sources[i];
        if (stop.stop_requested()) {
            report.stopped = true;
            break;
        }
        const size_t slash = source.rfind('/');
        const std::string name = slash == std::string::npos ? source : source.substr(slash + 1);
        if (name.empty() || name == "." || name == "..") {
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
                    {.kind = FailureKind::SourceNotCopied, .code = r.error, .path = sources[earlier->second.source]});
                kept.erase(earlier);
            }
            continue;
        }
        if (earlier == kept.end()) {
            kept.emplace(name, Kept{i, r});
        } else {
            replaced.push_back(earlier->second.source);
            earlier->second = Kept{i, r};
        }
    }
    report.copied = kept.size();
    // Only a different file is replaced: a path handed over twice (a second
    // Start without Clear) is still in the archive.
    std::set<std::string> told;
    for (const size_t index : replaced) {
        const fs::path loser(sources[index]);
        const fs::path winner(sources[kept.at(loser.filename().native()).source]);
        if (loser != winner && told.insert(loser.native()).second)
            report.failed.push_back({.kind = FailureKind::SourceReplaced, .path = loser, .other = winner.parent_path()});
    }
    // The zone is read once for the whole run, as the entries' dates are made.
    tzset();
    report.entries.reserve(kept.size());
    for (const auto& [name, file] : kept) {
        if (IsHidden(name))
            report.failed.push_back({.kind = FailureKind::SourceHidden, .path = sources[file.source]});
        else
            report.entries.push_back(entryFor(folder, name, file.placed));
    }
    return report;
}
