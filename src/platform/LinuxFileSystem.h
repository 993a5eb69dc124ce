#pragma once
// FileSystem on std::filesystem (POSIX).
#include "FileSystem.h"

class LinuxFileSystem : public FileSystem {
public:
    // programFolder replaces the folder of the running executable (tests use
    // it so nothing is ever written beside the build).
    explicit LinuxFileSystem(std::optional<std::string> programFolder = std::nullopt);

    std::error_code FolderError(const std::string& path) const override;
    Result<void, ListingFailure> FolderFiles(const std::string& folder, std::vector<FolderFile>& files,
                                             std::stop_token stop = {}) const override;
    std::string ProgramFolder() const override;

private:
    std::optional<std::string> programFolder_;
};
