#pragma once
// Makes a run's files ready to queue under their bare names. No file's data
// is ever copied: each is measured where it lies (its length, attributes,
// date and identity, which its turn checks again), and a large one is also
// linked into the run's staging folder where the file systems allow it
// (FileLinker). Of several files of one name the last handed over is taken
// (the earlier ones count as replaced); when it cannot be, the one before it
// takes its place. Files that cannot be taken, replaced files and hidden
// files (which the run leaves out) are gathered with the reason, for one
// message after the run. What is left to zip comes
// out ready to queue, name by name in byte order, so the run can zip the
// first files while later ones are still being measured.
#include "Failure.h"
#include "PlacedFile.h"
#include "SourceList.h"
#include "StagedEntry.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <limits>
#include <stop_token>
#include <string>
#include <string_view>
#include <vector>

// Which files are linked into the staging folder; the others are read where
// they lie. A link keeps the file that was there at Start readable even when
// its name is deleted, moved or saved over by a new file before its turn (a
// reflink keeps its content too); the checks at its turn only tell that the
// file changed. A link costs a few system calls when staged and one when the
// folder goes, the same for any size: beside reading and deflating a large
// file that is nothing, for thousands of small ones it is most of the run.
struct StagingLinks {
    static constexpr int64_t kDefaultFromBytes = int64_t(1) << 20;
    int64_t fromBytes = kDefaultFromBytes;  // files at least this long are linked
    FileCopyMethod fastest = FileCopyMethod::Clone;  // HardLink: no reflink is tried

    static StagingLinks Every(FileCopyMethod fastest = FileCopyMethod::Clone) { return {0, fastest}; }
    static StagingLinks None() { return {std::numeric_limits<int64_t>::max(), FileCopyMethod::Clone}; }
};

struct StagingCopyReport {
    size_t copied = 0;            // files taken (linked or measured), hidden ones included
    std::vector<Failure> failed;  // one per file left out
    // One per file to zip dated outside what ZIP's own dates hold.
    std::vector<Failure> notes;
    bool stopped = false;         // a stop was requested before every file was taken
    // The files to zip, in byte order of their names (so an archive does not
    // depend on the order the files were handed over in); empty when they
    // were handed out one by one instead.
    std::vector<StagedEntry> entries;
};

// Takes each file to zip as soon as it is ready, with the number of files
// handed over that have been dealt with so far.
using StagedEntryTaker = std::function<void(StagedEntry&& entry, size_t sourcesDone)>;

class StagingCopy {
public:
    // A dot-file: what a run leaves out, like the hidden files of the system it came from.
    static bool IsHidden(std::string_view name) { return !name.empty() && name[0] == '.'; }

    // Runs on whatever thread calls it; touches nothing but the files named
    // and the folder (empty: no folder, nothing is linked). A stop requested
    // through `stop` ends it between files.
    static StagingCopyReport CopyAll(const SourceList& sources, const std::filesystem::path& folder,
                                     std::stop_token stop = {}, StagingLinks links = {},
                                     const StagedEntryTaker& take = {});
};
