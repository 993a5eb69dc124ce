#include "LinkOrCopy.h"

#include <cerrno>
#include <fcntl.h>
#include <linux/fs.h>
#include <string>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

FileCopyResult failure(int error, const char* step)
{
    FileCopyResult r;
    r.error = std::error_code(error, std::generic_category());
    r.step = step;
    return r;
}

FileCopyResult success(FileCopyMethod method, const struct stat& st)
{
    FileCopyResult r;
    r.ok = true;
    r.method = method;
    r.bytes = static_cast<std::uint64_t>(st.st_size);
    return r;
}

// Opens the source for reading; only a regular file is kept open (-1 with
// errno otherwise). O_NONBLOCK: a FIFO must not block the open.
int openRegular(const std::filesystem::path& source, struct stat& st)
{
    const int fd = ::open(source.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (fd < 0)
        return -1;
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        const int error = S_ISDIR(st.st_mode) ? EISDIR : S_ISREG(st.st_mode) ? errno : EINVAL;
        ::close(fd);
        errno = error;
        return -1;
    }
    return fd;
}

// A new file at destination sharing the source's blocks; 0 or the errno.
// The new file is ours alone, so it may take the source's times.
int cloneInto(int in, const struct stat& st, const std::filesystem::path& destination)
{
    const int out = ::open(destination.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOCTTY, st.st_mode & 0777);
    if (out < 0)
        return errno;
    int error = ::ioctl(out, FICLONE, in) == 0 ? 0 : errno;
    if (error == 0) {
        // An archive dates its entry by the staged file's time.
        const struct timespec times[2] = {st.st_atim, st.st_mtim};
        if (::futimens(out, times) != 0)
            error = errno;
    }
    if (::close(out) != 0 && error == 0)
        error = errno;
    if (error != 0)
        ::unlink(destination.c_str());
    return error;
}

// A second name for the very file that was opened and checked (not for
// whatever the source path names by now); 0 or the errno.
int linkOpened(int in, const std::filesystem::path& destination)
{
    const std::string self = "/proc/self/fd/" + std::to_string(in);
    return ::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, destination.c_str(), AT_SYMLINK_FOLLOW) == 0 ? 0 : errno;
}

// Refusals that hold for every file of the pair of file systems.
bool linkNeverWorks(int error)
{
    return error == EXDEV || error == EOPNOTSUPP || error == ENOSYS || error == ENOENT;
}

}  // namespace

LinkOrCopy::LinkOrCopy(FileCopyMethod fastest) : fastest_(fastest) {}

FileCopyResult LinkOrCopy::Place(const std::filesystem::path& source, const std::filesystem::path& destination,
                                 std::stop_token stop)
{
    if (fastest_ > FileCopyMethod::HardLink)
        return FileCopy::CopyWith(source, destination, fastest_, stop);
    struct stat st {};
    const int in = openRegular(source, st);
    if (in < 0)
        return failure(errno, "open source");
    if (::unlink(destination.c_str()) != 0 && errno != ENOENT) {
        const int error = errno;
        ::close(in);
        return failure(error, "replace existing copy");
    }
    if (fastest_ == FileCopyMethod::Clone && !noClone_.count(st.st_dev)) {
        if (cloneInto(in, st, destination) == 0) {
            ::close(in);
            return success(FileCopyMethod::Clone, st);
        }
        noClone_.insert(st.st_dev);
    }
    if (!noLink_.count(st.st_dev)) {
        const int error = linkOpened(in, destination);
        if (error == 0) {
            ::close(in);
            return success(FileCopyMethod::HardLink, st);
        }
        if (linkNeverWorks(error))
            noLink_.insert(st.st_dev);
    }
    ::close(in);
    return FileCopy::CopyWith(source, destination, FileCopyMethod::CopyRange, stop);
}
