#pragma once
// What went wrong, as data: its kind, the system's reason beside it and what
// it concerns. UserMessage::For turns one into the words a user reads.
#include "ProofFault.h"
#include "ZipFailure.h"

#include <QString>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

enum class FailureKind {
    // A Browse that found nothing (no failure of the program, but told alike).
    NoFilesFound,
    NoFilesOfTypeFound,  // name: the selected extension row
    // Folders dropped, browsed or named on the command line (path: as given; code: why).
    NotAFolder,
    FolderUnreadable,
    FoldersUnreadable,  // leftOut: one FolderUnreadable per folder
    // Archive names typed in the Output dialog (name: the name as typed).
    NameEmpty,
    NameDots,
    NameHasSlash,
    NameHasLineBreakOrNul,
    NameTooLong,  // size: its length in bytes
    // The chosen folder's drive refuses the name (path: the folder; other: the
    // archive's file name; entry: the character refused, when known; code).
    NameRefusedByDrive,
    // The archive's place chosen in the Output dialog (path: the archive).
    ArchiveExists,    // a question, not a refusal: may it be replaced?
    ArchiveIsFolder,
    // A question: the files to zip (size: their bytes) could make an archive
    // larger than the drive of the folder (path) can hold.
    ArchiveMayOutgrowDrive,
    // Staging folders (path: the folder).
    StagingNotDeleted,  // other: where deleting stopped; code
    StagingCleanUpFailed,  // leftOut: one failure per folder kept (or JournalUnusable)
    JournalUnusable,       // path: the journal of temporary archives; code
    // The zip run (path: the archive).
    StillWriting,
    RunNotStarted,  // code: why its thread could not be started or woken
    NothingCopied,
    FilesLeftOut,
    SourceNotCopied,  // path: the source file; code
    SourceNotAFile,   // path: the source
    SourceHidden,     // path: the source, staged but left out of the archive
    SourceReplaced,   // path: the source; other: the folder of the later file of that name that was kept
    NotOfSelectedType,  // path: a checked file left out by the filter; name: the selected extension row
    NothingChecked,     // Start with no row checked
    NoneOfSelectedType,  // Start with no checked row passing the filter; name: the selected extension row
    // The user stopped the run (Escape).
    RunStopped,           // no archive was written, and none of that name was there
    RunStoppedOlderKept,  // no archive was written; the one of that name from before stays
    RunStoppedTooLate,    // the archive had taken its name already; leftOut: files left out; notes as below
    NotQueued,          // other: the file; step; code
    // A completed run whose archive keeps dates ZIP's own dates cannot hold
    // (path: the archive; notes: one DateOutsideZip per file).
    DatesOutsideZip,
    DateOutsideZip,  // path: the source file; time: its modification time
    // other: the file read; entry; step; code; size: the largest file the
    // archive's drive holds, when the code says it was too large; proof
    ArchiveNotWritten,
    // Online help (path, other: the places looked at).
    HelpPageMissing,
};

struct Failure {
    FailureKind kind = FailureKind::NoFilesFound;
    std::error_code code{};         // the system's reason, when one is known
    std::filesystem::path path{};   // the file or folder it concerns
    std::filesystem::path other{};  // a second place, as the kind says
    QString name{};
    std::string entry{};            // an archive entry's name
    ZipFailure step = ZipFailure::None;  // the Zipper's failed step
    ProofFault proof{};                  // step ProveZip: what the proof found
    std::size_t size = 0;
    std::size_t limit = 0;  // the most the kind allows (a name's bytes)
    std::int64_t time = 0;  // seconds since 1970 (UTC), as the kind says
    std::vector<Failure> leftOut{};  // files a run left out, listed after the message
    std::vector<Failure> notes{};    // files in the archive that readers may show otherwise, listed last
};
