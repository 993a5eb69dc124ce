#pragma once
// A small file listing the temporary archives ("<name>.XXXXXX.part") that runs
// are writing, so that what a killed or crashed process left behind can be
// removed later. A path is recorded before its file is created and dropped
// when the file is renamed or deleted. Several processes may share one
// journal: every update holds an exclusive lock on "<journal>.lock" and
// replaces the journal whole (written beside it, synced, renamed).
#include <filesystem>
#include <functional>
#include <system_error>
#include <vector>

#include "Result.h"

enum class JournalFailure {
    NotLocked,   // the lock file could not be made or locked
    NotRead,     // the journal could not be read
    NotWritten,  // the journal could not be replaced
    NotAPart,    // Record: the path is not a temporary archive's
    NotCreated,  // Record: the file itself could not be created
};

class TemporaryArchiveJournal {
public:
    explicit TemporaryArchiveJournal(std::filesystem::path file);

    // Records `part`, then calls `create` (which makes the file and locks it)
    // while no sweep can look at it; drops the record again when `create`
    // fails. Fails with the failure of either (NotCreated: `create`'s reason).
    Result<void, JournalFailure> Record(const std::filesystem::path& part,
                                        const std::function<std::error_code()>& create);
    // Drops `part` from the journal.
    Result<void, JournalFailure> Forget(const std::filesystem::path& part);
    // For each recorded path: deletes the file if it still exists and no live
    // process holds a lock on it, then drops its record (a file still locked
    // keeps its record). Never touches a path the journal does not name,
    // except the journal's own temporary files ("<journal>.XXXXXX") that a
    // process killed while updating it left. Returns the archives deleted.
    // Archives deleted before the journal could not be updated are deleted
    // all the same, and their records stay until a later sweep.
    Result<std::vector<std::filesystem::path>, JournalFailure> SweepLeftovers();

private:
    class Lock;

    Result<std::vector<std::filesystem::path>, JournalFailure> read() const;
    Result<void, JournalFailure> write(const std::vector<std::filesystem::path>& parts) const;
    Result<void, JournalFailure> update(
        const std::function<void(std::vector<std::filesystem::path>&)>& change) const;
    bool isOwnTemporary(const std::filesystem::path& name) const;
    void removeOwnTemporaries() const;

    std::filesystem::path file_;
};
