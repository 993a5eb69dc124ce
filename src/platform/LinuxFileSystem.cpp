#include "LinuxFileSystem.h"

#include <QString>

#include <algorithm>
#include <filesystem>

namespace fs = std::filesystem;

namespace {
FileSystem* g_instance = nullptr;

// The name with its letters folded to one case (as UTF-8), so that names
// compare the same way whatever their case; bytes that are not UTF-8 fold to
// one replacement character and the names' bytes decide between them.
std::string CaseFoldedKey(const std::string& name)
{
    if (std::all_of(name.begin(), name.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; })) {
        std::string key = name;
        for (char& c : key)
            if (c >= 'A' && c <= 'Z')
                c = static_cast<char>(c - 'A' + 'a');
        return key;
    }
    return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())).toCaseFolded().toUtf8().toStdString();
}

// A directory yields its entries in an order of its own (on ext4 that of a
// hash); the list reads better in name order.
void SortByName(std::vector<FolderFile>& files)
{
    std::vector<std::pair<std::string, FolderFile>> keyed;
    keyed.reserve(files.size());
    for (FolderFile& file : files)
        keyed.emplace_back(CaseFoldedKey(file.name), std::move(file));
    std::sort(keyed.begin(), keyed.end(), [](const auto& a, const auto& b) {
        return a.first != b.first ? a.first < b.first : a.second.name < b.second.name;
    });
    for (size_t i = 0; i < files.size(); ++i)
        files[i] = std::move(keyed[i].second);
}

} // namespace

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

std::error_code LinuxFileSystem::FolderError(const std::string& path) const
{
    std::error_code ec;
    const fs::file_status status = fs::status(fs::path(path), ec);
    if (ec)
        return ec;
    return fs::is_directory(status) ? std::error_code() : std::make_error_code(std::errc::not_a_directory);
}

Result<void, ListingFailure> LinuxFileSystem::FolderFiles(const std::string& folder, std::vector<FolderFile>& files,
                                                          std::stop_token stop) const
{
    files.clear();
    std::error_code ec;
    fs::directory_iterator it(fs::path(folder), ec);
    if (ec)
        return Fault<ListingFailure>{ListingFailure::NotOpened, ec};
    for (; it != fs::directory_iterator(); it.increment(ec)) {
        if (stop.stop_requested()) {
            files.clear();
            return Fault<ListingFailure>{ListingFailure::Canceled, std::make_error_code(std::errc::operation_canceled)};
        }
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
        files.push_back(std::move(file));
    }
    SortByName(files);
    if (ec)
        return Fault<ListingFailure>{ListingFailure::NotRead, ec}; // the entries read before it are kept
    return {};
}

std::string LinuxFileSystem::ProgramFolder() const
{
    if (programFolder_)
        return *programFolder_;
    std::error_code ec;
    const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    return ec ? std::string() : exe.parent_path().string();
}
