#include "DriveRules.h"

#include <cerrno>
#include <fcntl.h>
#include <fstream>
#include <sstream>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/vfs.h>
#include <unistd.h>

namespace {

constexpr long kMsdosMagic = 0x4d44;     // the kernel's vfat and msdos
constexpr long kFuseMagic = 0x65735546;  // any FUSE driver: the mount table tells which

}  // namespace

std::string DriveRules::MountType(const std::filesystem::path& folder)
{
    struct stat st {};
    if (::stat(folder.c_str(), &st) != 0)
        return {};
    const std::string device = std::to_string(major(st.st_dev)) + ":" + std::to_string(minor(st.st_dev));
    // A line: id parent major:minor root mount-point options [optional...] - type source super-options.
    std::ifstream table("/proc/self/mountinfo");
    std::string line;
    while (std::getline(table, line)) {
        std::istringstream words(line);
        std::string id, parent, numbers;
        words >> id >> parent >> numbers;
        if (numbers != device)
            continue;
        const size_t dash = line.find(" - ");
        if (dash == std::string::npos)
            continue;
        std::istringstream rest(line.substr(dash + 3));
        std::string type;
        rest >> type;
        return type;
    }
    return {};
}

uint64_t DriveRules::LargestFile(const std::filesystem::path& folder)
{
    struct statfs fs {};
    if (::statfs(folder.c_str(), &fs) != 0)
        return 0;
    if (fs.f_type == kMsdosMagic)
        return kFatLargestFile;
    if (fs.f_type == kFuseMagic) {
        const std::string type = MountType(folder);
        if (type == "fuse.fusefat" || type == "fuseblk.fusefat" || type == "fuse.vfat")
            return kFatLargestFile;
    }
    return 0;
}

std::error_code DriveRules::ProbeName(const std::filesystem::path& folder, const std::string& fileName)
{
    const std::filesystem::path probe = folder / fileName;
    const int fd = ::open(probe.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOCTTY, 0600);
    if (fd < 0)
        return errno == EEXIST ? std::error_code() : std::error_code(errno, std::generic_category());
    ::close(fd);
    ::unlink(probe.c_str());
    return {};
}

bool DriveRules::RefusesName(const std::error_code& refusal)
{
    return refusal == std::errc::invalid_argument || refusal == std::errc::illegal_byte_sequence ||
           refusal == std::errc::operation_not_permitted || refusal == std::errc::no_such_file_or_directory ||
           refusal == std::errc::filename_too_long;
}
