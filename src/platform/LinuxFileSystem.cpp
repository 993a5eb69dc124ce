#include "LinuxFileSystem.h"

#include <filesystem>

namespace fs = std::filesystem;

namespace {
FileSystem* g_instance = nullptr;
}

// Defined here so the interface needs nothing of its default.
FileSystem& FileSystem::Instance()
{
    static LinuxFileSystem real;
    return g_instance ? *g_instance : real;
}

FileSystem* FileSystem::SetInstance(FileSystem* fileSystem)
{
    FileSystem* previous = g_instance;
    g_instance = fileSystem;
    return previous;
}

LinuxFileSystem::LinuxFileSystem(std::optional<std::string> programFolder) : programFolder_(std::move(programFolder)) {}

bool LinuxFileSystem::FolderExists(const std::string& path) const
{
    std::error_code ec;
    return !path.empty() && fs::is_directory(fs::path(path), ec);
}

FsResult<std::vector<FolderFile>> LinuxFileSystem::FolderFiles(const std::string& folder) const
{
    FsResult<std::vector<FolderFile>> result;
    std::error_code ec;
    fs::directory_iterator it(fs::path(folder), ec);
    if (ec) {
        result.error = ec;
        return result;
    }
    for (; it != fs::directory_iterator(); it.increment(ec)) {
        const fs::directory_entry& entry = *it;
        std::error_code entryError;
        const fs::file_status status = entry.status(entryError);
        if (entryError && status.type() == fs::file_type::not_found)
            continue; // vanished, or a dangling link
        if (!entryError && !fs::is_regular_file(status))
            continue; // folders and special files
        FolderFile file;
        file.name = entry.path().filename().string();
        if (!entryError) {
            std::error_code sizeError;
            const uintmax_t size = entry.file_size(sizeError);
            if (!sizeError)
                file.size = static_cast<uint64_t>(size);
        }
        result.value.push_back(std::move(file));
    }
    if (ec)
        result.error = ec; // the entries read before the failure are kept
    return result;
}

std::string LinuxFileSystem::ProgramFolder() const
{
    if (programFolder_)
        return *programFolder_;
    std::error_code ec;
    const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    return ec ? std::string() : exe.parent_path().string();
}
