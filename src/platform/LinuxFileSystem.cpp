#include "LinuxFileSystem.h"

#include "FileCopy.h"

#include <filesystem>

namespace fs = std::filesystem;

namespace {

bool StartsWithDot(const std::string& name)
{
    return !name.empty() && name.front() == '.';
}

// Attribute bits from a followed status; 0 for anything that is neither a
// regular file nor a folder.
uint32_t AttributesFrom(const std::string& name, const fs::file_status& status)
{
    uint32_t bits = 0;
    if (fs::is_directory(status))
        bits |= FileAttribute::Directory;
    else if (fs::is_regular_file(status))
        bits |= FileAttribute::Archive;
    else
        return 0;
    if ((status.permissions() & fs::perms::owner_write) == fs::perms::none)
        bits |= FileAttribute::ReadOnly;
    if (StartsWithDot(name))
        bits |= FileAttribute::Hidden;
    return bits;
}

bool IsRoot(const fs::path& p)
{
    std::error_code ec;
    const fs::path canonical = fs::weakly_canonical(p, ec);
    return !ec && canonical == canonical.root_path();
}

} // namespace

LinuxFileSystem::LinuxFileSystem(std::optional<std::string> programFolder) : programFolder_(std::move(programFolder)) {}

bool LinuxFileSystem::FolderExists(const std::string& path) const
{
    std::error_code ec;
    return !path.empty() && fs::is_directory(fs::path(path), ec);
}

bool LinuxFileSystem::FileExists(const std::string& path) const
{
    std::error_code ec;
    return !path.empty() && fs::is_regular_file(fs::path(path), ec);
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

FsResult<uint64_t> LinuxFileSystem::FileLength(const std::string& path) const
{
    FsResult<uint64_t> result;
    const uintmax_t size = fs::file_size(fs::path(path), result.error);
    if (!result.error)
        result.value = static_cast<uint64_t>(size);
    return result;
}

std::error_code LinuxFileSystem::CopyFile(const std::string& from, const std::string& to, bool overwrite)
{
    std::error_code ec;
    if (!fs::is_regular_file(fs::path(from), ec))
        return ec ? ec : std::make_error_code(std::errc::invalid_argument);
    if (!overwrite && fs::exists(fs::symlink_status(fs::path(to), ec)))
        return std::make_error_code(std::errc::file_exists);
    const FileCopyResult copied = FileCopy::Copy(fs::path(from), fs::path(to));
    if (copied.ok)
        return {};
    return std::error_code(copied.error ? copied.error : EIO, std::generic_category());
}

std::error_code LinuxFileSystem::DeleteFolder(const std::string& path, bool force)
{
    if (path.empty() || IsRoot(fs::path(path)))
        return std::make_error_code(std::errc::operation_not_permitted);
    const fs::path folder(path);
    std::error_code ec;
    const fs::file_status own = fs::symlink_status(folder, ec);
    if (ec)
        return ec;
    if (!fs::is_directory(own))
        return std::make_error_code(std::errc::not_a_directory);
    if (force) {
        // Entries can only be removed from folders we may write and search.
        fs::permissions(folder, fs::perms::owner_all, fs::perm_options::add, ec);
        for (auto it = fs::recursive_directory_iterator(folder, ec); !ec && it != fs::recursive_directory_iterator();
             it.increment(ec)) {
            std::error_code typeError;
            if (it->is_directory(typeError) && !it->is_symlink(typeError))
                fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, typeError);
        }
        ec.clear();
    }
    fs::remove_all(folder, ec);
    return ec;
}

FsResult<std::vector<ListedEntry>> LinuxFileSystem::ListDirectory(const std::string& folder, uint32_t mask) const
{
    FsResult<std::vector<ListedEntry>> result;
    std::error_code ec;
    fs::directory_iterator it(fs::path(folder), ec);
    if (ec) {
        result.error = ec;
        return result;
    }
    if (mask & FileAttribute::Directory) {
        result.value.push_back({".", FileAttribute::Directory});
        result.value.push_back({"..", FileAttribute::Directory});
    }
    for (; it != fs::directory_iterator(); it.increment(ec)) {
        std::error_code entryError;
        if (it->is_symlink(entryError) && it->is_directory(entryError))
            continue;
        const std::string name = it->path().filename().string();
        const uint32_t bits = AttributesFrom(name, it->status(entryError));
        if (entryError || bits == 0)
            continue;
        if ((bits & FileAttribute::Directory) && !(mask & FileAttribute::Directory))
            continue;
        if ((bits & FileAttribute::Hidden) && !(mask & FileAttribute::Hidden))
            continue;
        result.value.push_back({name, bits});
    }
    if (ec)
        result.error = ec;
    return result;
}

FsResult<uint32_t> LinuxFileSystem::FileAttributes(const std::string& path) const
{
    FsResult<uint32_t> result;
    const fs::path p(path);
    const fs::file_status own = fs::symlink_status(p, result.error);
    if (result.error)
        return result;
    const fs::file_status followed = fs::is_symlink(own) ? fs::status(p, result.error) : own;
    if (result.error)
        return result;
    if (fs::is_symlink(own) && fs::is_directory(followed)) {
        // Reported as a plain file so a recursive walk never follows it.
        result.value = AttributesFrom(p.filename().string(), own) | FileAttribute::Archive;
        return result;
    }
    result.value = AttributesFrom(p.filename().string(), followed);
    if (result.value == 0)
        result.error = std::make_error_code(std::errc::not_supported);
    return result;
}

std::error_code LinuxFileSystem::CreateFolder(const std::string& path)
{
    std::error_code ec;
    if (path.empty())
        return std::make_error_code(std::errc::invalid_argument);
    if (!fs::create_directory(fs::path(path), ec) && !ec)
        return std::make_error_code(std::errc::file_exists);
    return ec;
}

std::string LinuxFileSystem::ProgramFolder() const
{
    return programFolder_ ? *programFolder_ : ExecutableFolder();
}

std::string LinuxFileSystem::ExecutableFolder()
{
    std::error_code ec;
    const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    return ec ? std::string() : exe.parent_path().string();
}
