#include "LeftoverArchive.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <string>

namespace LeftoverArchive {

bool IsTemporaryArchiveName(const std::filesystem::path& path)
{
    static const std::string kSuffix = ".part";
    const std::string name = path.filename().string();
    if (!path.is_absolute() || name.size() < kSuffix.size() + 8 ||
        name.compare(name.size() - kSuffix.size(), kSuffix.size(), kSuffix) != 0)
        return false;
    const size_t dot = name.size() - kSuffix.size() - 7;
    if (name[dot] != '.')
        return false;
    for (size_t i = dot + 1; i < dot + 7; ++i) {
        const unsigned char c = static_cast<unsigned char>(name[i]);
        if (!std::islower(c) && !std::isdigit(c))
            return false;
    }
    return true;
}

Outcome Remove(const std::filesystem::path& part)
{
    // O_NOFOLLOW: a symbolic link put in the file's place is not ours to follow.
    const int fd = ::open(part.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return errno == ENOENT || errno == ELOOP || errno == ENOTDIR ? Outcome::Dropped : Outcome::Kept;
    struct stat opened {};
    struct stat named {};
    Outcome outcome = Outcome::Kept;
    if (::fstat(fd, &opened) != 0 || !S_ISREG(opened.st_mode)) {
        outcome = Outcome::Dropped;
    } else if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
        // The name must still lead to the file just locked: a run that has
        // renamed it away meanwhile leaves nothing here to delete.
        if (::lstat(part.c_str(), &named) != 0)
            outcome = errno == ENOENT ? Outcome::Dropped : Outcome::Kept;
        else if (named.st_dev != opened.st_dev || named.st_ino != opened.st_ino)
            outcome = Outcome::Kept;
        else {
            // Closed before it is unlinked, or FUSE and NFS would keep it as a
            // hidden file; its owner is gone, so nobody takes it meanwhile.
            ::close(fd);
            if (::unlink(part.c_str()) == 0)
                return Outcome::Deleted;
            return errno == ENOENT ? Outcome::Dropped : Outcome::Kept;
        }
    }
    ::close(fd);
    return outcome;
}

}  // namespace LeftoverArchive
