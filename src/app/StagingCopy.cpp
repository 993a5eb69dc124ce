#include "StagingCopy.h"

#include "DosAttributes.h"
#include "LinkOrCopy.h"
#include "LocalFileTime.h"
#include "ZipEntryDate.h"

#include <algorithm>
#include <ctime>
#include <set>
#include <string_view>

namespace fs = std::filesystem;

namespace {

StagedEntry entryFor(const fs::path& stagedPath, std::string_view name, const FileCopyResult& placed)
{
    StagedEntry staged;
    ZipFile& file = staged.file;
    file.AsFile = name;
    file.SourceFile = stagedPath.native();
    file.ByteCount = static_cast<int64_t>(placed.bytes);
    file.Attrs =
        DosAttributes(file.AsFile, fs::file_status(fs::file_type::regular, static_cast<fs::perms>(placed.mode)));
    // Each entry keeps its file's own time: a link is the file itself, a copy took its time along.
    if (const std::optional<double> date = LocalFileTime::FromUnixSeconds(placed.modifiedSeconds))
        file.FileDate = *date;
    else
        staged.measured = false;
    file.Times = placed.times;
    return staged;
}

struct Named {
    std::string_view name;
    size_t source;  // index into the files handed over
};

// The files handed over by name, in byte order; files of one name in the
// order they were handed over. Names are views into the sources.
std::vector<Named> byName(const SourceList& sources, StagingCopyReport& report)
{
    std::vector<Named> named;
    named.reserve(sources.size());
    for (size_t i = 0; i < sources.size(); ++i) {
        const std::string_view source = sources[i];
        const size_t slash = source.rfind('/');
        const std::string_view name = slash == std::string_view::npos ? source : source.substr(slash + 1);
        if (name.empty() || name == "." || name == "..")
            report.failed.push_back({.kind = FailureKind::SourceNotAFile, .path = source});
        else
            named.push_back({name, i});
    }
    std::stable_sort(named.begin(), named.end(), [](const Named& a, const Named& b) { return a.name < b.name; });
    return named;
}

}  // namespace

StagingCopyReport StagingCopy::CopyAll(const SourceList& sources, const fs::path& folder,
                                       std::stop_token stop, FileCopyMethod fastest, const StagedEntryTaker& take)
{
    StagingCopyReport report;
    LinkOrCopy placer(fastest);
    const std::vector<Named> named = byName(sources, report);
    // The zone is read once for the whole run, as the entries' dates are made.
    tzset();
    size_t done = sources.size() - named.size();
    std::set<std::string_view> told;  // a file handed over twice is named once
    for (size_t first = 0; first < named.size();) {
        if (stop.stop_requested()) {
            report.stopped = true;
            break;
        }
        size_t end = first + 1;
        while (end < named.size() && named[end].name == named[first].name)
            ++end;
        const std::string_view name = named[first].name;
        const fs::path destination = folder / std::string(name);
        // The last file of the name first; the one before it only if that fails.
        std::optional<size_t> winner;
        FileCopyResult placed;
        for (size_t i = end; i-- > first && !winner;) {
            placed = placer.Place(sources[named[i].source], destination, stop);
            if (placed.ok) {
                winner = named[i].source;
            } else {
                report.stopped = stop.stop_requested();
                if (told.insert(sources[named[i].source]).second)
                    report.failed.push_back(
                        {.kind = FailureKind::SourceNotCopied, .code = placed.error, .path = sources[named[i].source]});
            }
        }
        if (winner) {
            ++report.copied;
            const fs::path kept(sources[*winner]);
            for (size_t i = first; i < end && named[i].source != *winner; ++i) {
                // Only a different file is replaced: a path handed over twice (a
                // second Start without Clear) is still in the archive.
                const std::string_view loser = sources[named[i].source];
                if (loser != sources[*winner] && told.insert(loser).second)
                    report.failed.push_back(
                        {.kind = FailureKind::SourceReplaced, .path = loser, .other = kept.parent_path()});
            }
        }
        done += end - first;
        first = end;
        if (!winner)
            continue;
        if (IsHidden(name)) {
            report.failed.push_back({.kind = FailureKind::SourceHidden, .path = sources[*winner]});
            continue;
        }
        StagedEntry entry = entryFor(destination, name, placed);
        if (entry.measured && ZipEntryDate::OutsideRange(entry.file.FileDate))
            report.notes.push_back(
                {.kind = FailureKind::DateOutsideZip, .path = sources[*winner], .time = placed.times.modified.seconds});
        if (take)
            take(std::move(entry), done);
        else
            report.entries.push_back(std::move(entry));
    }
    return report;
}
