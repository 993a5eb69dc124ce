#include "FileLinker.h"

#include <cerrno>
#include <fcntl.h>
#include <linux/fs.h>
#include <string>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

Fault<CopyStep> failure(int error, CopyStep step)
{
    return {step, std::error_code(error, std::generic_category())};
}

PlacedFile success(FileCopyMethod method, const struct stat& st, const FileTimes& times)
{
    PlacedFile r;
    r.method = method;
    r.bytes = static_cast<std::uint64_t>(st.st_size);
    r.mode = st.st_mode & 07777;
    r.modifiedSeconds = st.st_mtim.tv_sec;
    r.times = times;
    return r;
}

// Opens the source for reading; only a regular file is kept open (-1 with
// errno otherwise). O_NONBLOCK: a FIFO must not block the open.
int openRegular(const std::filesystem::path& source, struct stat& st, FileTimes& times)
{
    const int fd = ::open(source.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (fd < 0)
        return -1;
    if (FileTimes::StatAt(fd, "", AT_EMPTY_PATH, st, times) != 0 || !S_ISREG(st.st_mode)) {
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

// Links the source's name straight away and checks what was linked: three
// calls instead of five (the path through an opened file costs an open, a
// procfs lookup and a close). 0 with `st` filled, or the errno; on failure
// nothing is left at the destination.
int linkByName(const std::filesystem::path& source, const std::filesystem::path& destination, struct stat& st,
               FileTimes& times)
{
    // AT_SYMLINK_FOLLOW: a listed link to a file stages the file, as opening it would.
    int error = 0;
    for (int attempt = 0; attempt < 2; ++attempt) {
        if (::linkat(AT_FDCWD, source.c_str(), AT_FDCWD, destination.c_str(), AT_SYMLINK_FOLLOW) == 0) {
            error = 0;
            break;
        }
        error = errno;
        // An earlier file of the name: only its name goes, never its content.
        if (error != EEXIST || attempt > 0 || ::unlink(destination.c_str()) != 0)
            return error;
    }
    if (FileTimes::StatAt(AT_FDCWD, destination.c_str(), AT_SYMLINK_NOFOLLOW, st, times) != 0) {
        error = errno;
        ::unlink(destination.c_str());
        return error;
    }
    if (!S_ISREG(st.st_mode)) {
        ::unlink(destination.c_str());
        return EINVAL;
    }
    // A link needs no read permission, the run does: what could not be
    // opened for reading is not staged (the careful path then says why).
    if (::faccessat(AT_FDCWD, destination.c_str(), R_OK, AT_EACCESS) != 0) {
        error = errno;
        ::unlink(destination.c_str());
        return error;
    }
    return 0;
}

}  // namespace

FileLinker::FileLinker(FileCopyMethod fastest) : fastest_(fastest) {}

Result<PlacedFile, CopyStep> FileLinker::Link(const std::filesystem::path& source,
                                              const std::filesystem::path& destination)
{
    struct stat st {};
    FileTimes times;
    // Once the file system is known to refuse clones, most files are linked
    // this way; anything else (a clone still to try, a refused link, not a
    // plain file) takes the careful path below, which words the failure.
    const bool mayClone = fastest_ == FileCopyMethod::Clone && cloned_;
    if (!mayClone && linkByName(source, destination, st, times) == 0) {
        if (fastest_ != FileCopyMethod::Clone || noClone_.count(st.st_dev))
            return success(FileCopyMethod::HardLink, st, times);
        ::unlink(destination.c_str());
    }
    const int in = openRegular(source, st, times);
    if (in < 0)
        return failure(errno, CopyStep::OpenSource);
    if (::unlink(destination.c_str()) != 0 && errno != ENOENT) {
        const int error = errno;
        ::close(in);
        return failure(error, CopyStep::ReplaceExistingCopy);
    }
    if (fastest_ == FileCopyMethod::Clone && !noClone_.count(st.st_dev)) {
        if (cloneInto(in, st, destination) == 0) {
            cloned_ = true;
            ::close(in);
            return success(FileCopyMethod::Clone, st, times);
        }
        noClone_.insert(st.st_dev);
    }
    int error = EXDEV;
    if (!noLink_.count(st.st_dev)) {
        error = linkOpened(in, destination);
        if (error == 0) {
            ::close(in);
            return success(FileCopyMethod::HardLink, st, times);
        }
        if (linkNeverWorks(error))
            noLink_.insert(st.st_dev);
    }
    ::close(in);
    return failure(error, CopyStep::Link);
}
