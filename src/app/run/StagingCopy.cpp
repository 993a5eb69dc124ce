#include "StagingCopy.h"

#include "DosAttributes.h"
#include "FileLinker.h"
#include "LocalFileTime.h"
#include "ZipEntryDate.h"

#include <algorithm>
#include <cerrno>
#include <ctime>
#include <fcntl.h>
#include <optional>
#include <set>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

// The file a run would read, as it is now: a regular file it may read (a
// link to one counts as the file). 0, or the errno that keeps it out.
int measure(const std::string& source, struct stat& st, FileTimes& times)
{
    // One call that also reads the birth time where the file system keeps one.
    if (FileTimes::StatAt(AT_FDCWD, source.c_str(), 0, st, times) != 0)
        return errno;
    if (!S_ISREG(st.st_mode))
        return S_ISDIR(st.st_mode) ? EISDIR : EINVAL;
    // A file that cannot be read is left out now, with the reason, rather
    // than failing the whole run at its turn. The owner's own read bit says
    // so without a call (a million files spare a million calls); anyone
    // else asks the kernel, which knows groups and access lists.
    static const uid_t self = ::geteuid();
    if (st.st_uid == self && (st.st_mode & S_IRUSR) != 0)
        return 0;
    if (::faccessat(AT_FDCWD, source.c_str(), R_OK, AT_EACCESS) != 0)
        return errno;
    return 0;
}

StagedEntry entryFor(std::string readFrom, std::string_view name, const struct stat& st, const FileTimes& times)
{
    StagedEntry staged;
    ZipFile& file = staged.file;
    file.AsFile = name;
    file.SourceFile = std::move(readFrom);
    file.ByteCount = static_cast<int64_t>(st.st_size);
    file.Attrs = DosAttributes(file.AsFile, fs::file_status(fs::file_type::regular,
                                                            static_cast<fs::perms>(st.st_mode & 07777)));
    file.Stamp = SourceStamp::Of(st);
    // Each entry keeps its file's own time: read in place or linked, it is the file itself.
    if (const auto date = LocalFileTime::FromUnixSeconds(st.st_mtim.tv_sec))
        file.FileDate = date.value();
    else
        staged.measured = false;
    file.Times = times;
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

StagingCopyReport StagingCopy::CopyAll(const SourceList& sources, const fs::path& folder, std::stop_token stop,
                                       StagingLinks links, const StagedEntryTaker& take)
{
    StagingCopyReport report;
    FileLinker linker(links.fastest);
    std::set<dev_t> unlinkable;  // file systems whose files cannot be linked into the folder
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
        // The last file of the name first; the one before it only if that fails.
        std::optional<size_t> winner;
        struct stat st {};
        FileTimes times;
        for (size_t i = end; i-- > first && !winner;) {
            const std::string_view source = sources[named[i].source];
            if (const int error = measure(std::string(source), st, times); error == 0)
                winner = named[i].source;
            else if (told.insert(source).second)
                report.failed.push_back({.kind = FailureKind::SourceNotCopied,
                                         .code = std::error_code(error, std::generic_category()),
                                         .path = source});
        }
        const std::string_view kept = winner ? sources[*winner] : std::string_view();
        for (size_t i = first; winner && i < end && named[i].source != *winner; ++i) {
            // Only a different file is replaced: a path handed over twice (a
            // second Start without Clear) is still in the archive.
            const std::string_view loser = sources[named[i].source];
            if (loser != kept && told.insert(loser).second)
                report.failed.push_back(
                    {.kind = FailureKind::SourceReplaced, .path = loser, .other = fs::path(kept).parent_path()});
        }
        done += end - first;
        first = end;
        if (!winner)
            continue;
        ++report.copied;
        if (IsHidden(name)) {
            report.failed.push_back({.kind = FailureKind::SourceHidden, .path = kept});
            continue;
        }
        StagedEntry entry = entryFor(std::string(kept), name, st, times);
        if (entry.measured && ZipEntryDate::OutsideRange(entry.file.FileDate))
            report.notes.push_back(
                {.kind = FailureKind::DateOutsideZip, .path = kept, .time = times.modified.seconds});
        if (!folder.empty() && st.st_size >= links.fromBytes && !unlinkable.count(st.st_dev)) {
            const fs::path destination = folder / std::string(name);
            const auto linked = linker.Link(fs::path(kept), destination);
            if (linked) {
                entry.file.SourceFile = destination.native();
                entry.original = kept;
                // A reflink is a file of the run's own: nothing can change it.
                if (linked.value().method == FileCopyMethod::Clone)
                    entry.file.Stamp = {};
            } else if (linked.kind() == CopyStep::Link) {
                unlinkable.insert(st.st_dev);  // read in place, as every file of it from now on
            }
        }
        if (take)
            take(std::move(entry), done);
        else
            report.entries.push_back(std::move(entry));
    }
    return report;
}
