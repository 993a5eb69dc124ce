#include "FileCopy.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

// Closes a descriptor when it goes out of scope.
struct Fd {
    int fd = -1;
    ~Fd()
    {
        if (fd >= 0)
            ::close(fd);
    }
    int release()
    {
        int f = fd;
        fd = -1;
        return f;
    }
};

Fault<CopyStep> failure(int error, CopyStep step)
{
    return {step, std::error_code(error, std::generic_category())};
}

// Errors after which copy_file_range is simply not usable for this pair of
// files (other file system, old kernel, special file) and read/write must do.
bool copyRangeUnsupported(int error)
{
    return error == EXDEV || error == ENOSYS || error == EOPNOTSUPP || error == EINVAL || error == EBADF
        || error == EPERM || error == ETXTBSY;
}

// Copies with copy_file_range until the end of the source. Returns 0 when
// done, -1 when read/write should take over (nothing was copied yet), or the
// errno of a real failure.
int copyRange(int in, int out, std::uint64_t& copied, const std::stop_token& stop)
{
    // Small enough pieces that a stop is seen soon; else as large as the kernel takes.
    const size_t chunk = stop.stop_possible() ? size_t(16) << 20 : size_t(1) << 30;
    for (;;) {
        if (stop.stop_requested())
            return ECANCELED;
        ssize_t n = ::copy_file_range(in, nullptr, out, nullptr, chunk, 0);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            if (copied == 0 && copyRangeUnsupported(errno))
                return -1;
            return errno;
        }
        if (n == 0) {
            // Some file systems (procfs and the like) answer 0 at once even
            // though the file has data, and report a size of 0 as well; let
            // read/write find out (for a truly empty file that is one read).
            if (copied == 0)
                return -1;
            return 0;
        }
        copied += static_cast<std::uint64_t>(n);
    }
}

// Returns 0 or the errno of the failure; step names what failed.
int copyReadWrite(int in, int out, std::uint64_t& copied, CopyStep& step, const std::stop_token& stop)
{
    // One buffer per thread, kept: zeroing a fresh megabyte for each of
    // thousands of small files would cost more than copying them.
    static thread_local std::vector<char> buffer(size_t(1) << 20);
    for (;;) {
        if (stop.stop_requested())
            return ECANCELED;
        ssize_t n = ::read(in, buffer.data(), buffer.size());
        if (n < 0) {
            if (errno == EINTR)
                continue;
            step = CopyStep::ReadSource;
            return errno;
        }
        if (n == 0)
            return 0;
        const char* p = buffer.data();
        while (n > 0) {
            ssize_t w = ::write(out, p, static_cast<size_t>(n));
            if (w < 0) {
                if (errno == EINTR)
                    continue;
                step = CopyStep::WriteCopy;
                return errno;
            }
            p += w;
            n -= w;
            copied += static_cast<std::uint64_t>(w);
        }
    }
}

// Moves the bytes by the fastest method allowed, noting the method and the
// count in placed; 0, or the errno with step set.
int copyBytes(int in, int out, const struct stat& st, FileCopyMethod fastest, PlacedFile& result, CopyStep& step,
              const std::stop_token& stop)
{
    std::uint64_t copied = 0;
    if (fastest == FileCopyMethod::Clone && ::ioctl(out, FICLONE, in) == 0) {
        result.method = FileCopyMethod::Clone;
        result.bytes = static_cast<std::uint64_t>(st.st_size);
        return 0;
    }
    if (fastest != FileCopyMethod::ReadWrite) {
        const int rc = copyRange(in, out, copied, stop);
        if (rc > 0)
            return rc;
        if (rc == 0) {
            result.method = FileCopyMethod::CopyRange;
            result.bytes = copied;
            return 0;
        }
    }
    // Start over: a refused copy_file_range may still have moved the offsets.
    if (::lseek(in, 0, SEEK_SET) < 0 || ::ftruncate(out, 0) != 0 || ::lseek(out, 0, SEEK_SET) < 0)
        return errno;
    copied = 0;
    if (const int rc = copyReadWrite(in, out, copied, step, stop))
        return rc;
    result.method = FileCopyMethod::ReadWrite;
    result.bytes = copied;
    return 0;
}

}  // namespace

Result<PlacedFile, CopyStep> FileCopy::Copy(const std::filesystem::path& source,
                                            const std::filesystem::path& destination)
{
    return CopyWith(source, destination, FileCopyMethod::Clone);
}

Result<PlacedFile, CopyStep> FileCopy::CopyWith(const std::filesystem::path& source,
                                                const std::filesystem::path& destination, FileCopyMethod fastest,
                                                std::stop_token stop)
{
    Fd in;
    // O_NONBLOCK: opening a FIFO for reading would otherwise wait for a
    // writer forever; it is switched off again once the file proves plain.
    in.fd = ::open(source.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (in.fd < 0)
        return failure(errno, CopyStep::OpenSource);
    struct stat st {};
    FileTimes sourceTimes;
    if (FileTimes::StatAt(in.fd, "", AT_EMPTY_PATH, st, sourceTimes) != 0)
        return failure(errno, CopyStep::ReadSourceAttributes);
    // A FIFO or device would block or never end; only plain files are copied.
    if (S_ISDIR(st.st_mode))
        return failure(EISDIR, CopyStep::OpenSource);
    if (!S_ISREG(st.st_mode))
        return failure(EINVAL, CopyStep::OpenSource);
    ::fcntl(in.fd, F_SETFL, ::fcntl(in.fd, F_GETFL) & ~O_NONBLOCK);

    if (::unlink(destination.c_str()) != 0 && errno != ENOENT)
        return failure(errno, CopyStep::ReplaceExistingCopy);
    Fd out;
    // O_EXCL: the name was just freed; anything appearing there now (a link
    // planted by someone else) must not be written through.
    out.fd = ::open(destination.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOCTTY,
                    st.st_mode & 0777);
    if (out.fd < 0)
        return failure(errno, CopyStep::CreateCopy);

    auto fail = [&](int error, CopyStep step) {
        ::close(out.release());
        ::unlink(destination.c_str());
        return failure(error, step);
    };

    PlacedFile result;
    CopyStep step = CopyStep::CopyData;
    if (const int error = copyBytes(in.fd, out.fd, st, fastest, result, step, stop))
        return fail(error, step);

    // Keep the modification time, as a file manager's copy does: an archive
    // made from the copy dates its entry by it, so a copy without it is lost data.
    struct timespec times[2] = {st.st_atim, st.st_mtim};
    if (::futimens(out.fd, times) != 0)
        return fail(errno, CopyStep::KeepModificationTime);
    // close() is where some file systems (NFS, full quota) report lost writes.
    if (::close(out.release()) != 0) {
        int error = errno;
        ::unlink(destination.c_str());
        return failure(error, CopyStep::WriteCopy);
    }
    result.mode = st.st_mode & 07777;
    result.modifiedSeconds = st.st_mtim.tv_sec;
    result.times = sourceTimes;
    return result;
}
