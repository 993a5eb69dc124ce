#pragma once
// The file-system operations the windows rely on, behind one interface so that
// tests can aim them at temporary folders. Paths are the bytes on disk, held in
// std::string with "/" separators; nothing is ever round-tripped through
// QString. No operation throws: each returns its result or an error code.
#include <cstdint>
#include <optional>
#include <stop_token>
#include <string>
#include <system_error>
#include <vector>

#include "Result.h"

// One file lying directly in a folder.
struct FolderFile {
    std::string name;             // the name on disk, without folder
    std::optional<uint64_t> size; // empty when the length could not be read
};

enum class ListingFailure {
    NotOpened,  // the folder could not be opened
    NotRead,    // reading it failed part way
    Canceled,   // a stop was asked for
};

class FileSystem {
public:
    virtual ~FileSystem() = default;

    // Why no folder (or link to one) is at the path: empty when one is,
    // "Not a directory" when something else is, else the system's reason.
    virtual std::error_code FolderError(const std::string& path) const = 0;
    // True when a folder (or a link to one) exists at the path.
    bool FolderExists(const std::string& path) const { return !FolderError(path); }

    // The regular files lying directly in the folder, hidden ones included,
    // sorted by name: case-insensitively, then byte by byte. Sub-folders,
    // dangling links and special files (pipes, sockets, devices) are left out.
    // They go into `files` (emptied first); a listing that fails part way
    // keeps the files read before the failure. A stop asked for ends the
    // listing within an entry, with nothing listed ("Operation canceled").
    virtual Result<void, ListingFailure> FolderFiles(const std::string& folder, std::vector<FolderFile>& files,
                                                     std::stop_token stop = {}) const = 0;

    // The folder that holds the program file, without a trailing "/".
    virtual std::string ProgramFolder() const = 0;

    // The text after the last "/" (the whole path when there is none).
    static std::string GetFileName(const std::string& path);

    // The file system the program uses: the real one unless a test or the
    // start-up code put another in its place. SetInstance does not take
    // ownership and returns the previous one; nullptr restores the real one.
    // (Defined beside LinuxFileSystem, the default.)
    static FileSystem& Instance();
    static FileSystem* SetInstance(FileSystem* fileSystem);
};
