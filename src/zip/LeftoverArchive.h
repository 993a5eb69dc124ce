#pragma once
// Telling and removing a temporary archive that a run may have left behind.
#include <filesystem>

namespace LeftoverArchive {

enum class Outcome {
    Deleted,  // the file was there, unlocked, and is gone now
    Dropped,  // nothing to delete: no such file, or not a regular file
    Kept,     // a live process holds its lock, or it could not be looked at now
};

// An absolute path whose name has the form "<name>.XXXXXX.part" that
// TemporaryArchive::Reserve makes (six lower-case letters or digits).
bool IsTemporaryArchiveName(const std::filesystem::path& path);

// Deletes `part` unless a live process holds an flock on it. The lock is
// taken before deleting, so a run cannot start using the file meanwhile.
Outcome Remove(const std::filesystem::path& part);

}  // namespace LeftoverArchive
