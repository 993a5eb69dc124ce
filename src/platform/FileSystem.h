#pragma once
// The file-system operations the windows rely on, behind one interface so that
// tests can aim them at temporary folders. Paths are the bytes on disk, held in
// std::string with "/" separators; nothing is ever round-tripped through
// QString. No operation throws: each returns its result or an error code.
#include <cstdint>
#include <optional>
#include <string>
#include <system_error>
#include <vector>

// Windows-style attribute bits, derived from POSIX metadata by the implementation.
namespace FileAttribute {
inline constexpr uint32_t ReadOnly = 0x01;  // the owner may not write
inline constexpr uint32_t Hidden = 0x02;    // the name starts with "."
inline constexpr uint32_t System = 0x04;    // never set on this platform
inline constexpr uint32_t Directory = 0x10;
inline constexpr uint32_t Archive = 0x20;   // every regular file
}

// One file lying directly in a folder.
struct FolderFile {
    std::string name;             // the name on disk, without folder
    std::optional<uint64_t> size; // empty when the length could not be read
};

// One entry of a listing filtered by attributes.
struct ListedEntry {
    std::string name;
    uint32_t attributes = 0;
};

template <class T>
struct FsResult {
    T value{};
    std::error_code error;
    bool ok() const { return !error; }
};

class FileSystem {
public:
    virtual ~FileSystem() = default;

    // True when a folder (or a link to one) exists at the path.
    virtual bool FolderExists(const std::string& path) const = 0;
    // True when a regular file (or a link to one) exists at the path.
    virtual bool FileExists(const std::string& path) const = 0;

    // The regular files lying directly in the folder, hidden ones included,
    // in the order the directory yields them. Sub-folders, dangling links and
    // special files (pipes, sockets, devices) are left out.
    virtual FsResult<std::vector<FolderFile>> FolderFiles(const std::string& folder) const = 0;

    virtual FsResult<uint64_t> FileLength(const std::string& path) const = 0;

    // Copies one file; with overwrite an existing destination file is replaced.
    virtual std::error_code CopyFile(const std::string& from, const std::string& to, bool overwrite) = 0;

    // Deletes the folder and everything in it. With force, folders the owner
    // may not write are opened up first so their contents can go. Refuses an
    // empty path and the root folder.
    virtual std::error_code DeleteFolder(const std::string& path, bool force) = 0;

    // Entries of the folder (every name, as the pattern "*.*" would), filtered
    // like a classic directory listing with an attribute mask: directories only
    // when the mask holds Directory (then "." and ".." come first), hidden and
    // system entries only when the mask holds their bit. Links to folders are
    // left out, so a walk over the listing can never loop.
    virtual FsResult<std::vector<ListedEntry>> ListDirectory(const std::string& folder, uint32_t mask) const = 0;

    virtual FsResult<uint32_t> FileAttributes(const std::string& path) const = 0;

    // Creates one folder (its parent must exist).
    virtual std::error_code CreateFolder(const std::string& path) = 0;

    // The folder that holds the program file, without a trailing "/".
    virtual std::string ProgramFolder() const = 0;

    // The text after the last "/" (the whole path when there is none).
    static std::string GetFileName(const std::string& path);

    // The file system the program uses: the real one unless a test or the
    // start-up code put another in its place. SetInstance does not take
    // ownership and returns the previous one; nullptr restores the real one.
    static FileSystem& Instance();
    static FileSystem* SetInstance(FileSystem* fileSystem);
};
