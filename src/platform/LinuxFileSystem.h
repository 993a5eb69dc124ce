#pragma once
// FileSystem on std::filesystem (POSIX). Attribute bits: read-only when the
// owner may not write, hidden for dot-names, directory, archive for regular
// files, system never.
#include "FileSystem.h"

class LinuxFileSystem : public FileSystem {
public:
    // programFolder replaces the folder of the running executable (tests use
    // it so nothing is ever written beside the build).
    explicit LinuxFileSystem(std::optional<std::string> programFolder = std::nullopt);

    bool FolderExists(const std::string& path) const override;
    bool FileExists(const std::string& path) const override;
    FsResult<std::vector<FolderFile>> FolderFiles(const std::string& folder) const override;
    FsResult<uint64_t> FileLength(const std::string& path) const override;
    std::error_code CopyFile(const std::string& from, const std::string& to, bool overwrite) override;
    std::error_code DeleteFolder(const std::string& path, bool force) override;
    FsResult<std::vector<ListedEntry>> ListDirectory(const std::string& folder, uint32_t mask) const override;
    FsResult<uint32_t> FileAttributes(const std::string& path) const override;
    std::error_code CreateFolder(const std::string& path) override;
    std::string ProgramFolder() const override;

    // The folder of /proc/self/exe; empty when it cannot be read.
    static std::string ExecutableFolder();

private:
    std::optional<std::string> programFolder_;
};
