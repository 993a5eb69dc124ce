#include "SourceFileReader.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr off_t kReadAheadFrom = 1 << 20;

std::error_code systemError(int err)
{
    return std::error_code(err, std::system_category());
}

}  // namespace

Result<void, SourceFailure> SourceFileReader::Open(const std::string& file, const SourceStamp& stamp)
{
    Close();
    // O_NONBLOCK keeps a FIFO put in the file's place from hanging the window;
    // it changes nothing for regular files.
    int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (fd < 0)
        return Fault<SourceFailure>{SourceFailure::NotOpened, systemError(errno)};
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        const std::error_code reason = systemError(S_ISDIR(st.st_mode) ? EISDIR : EINVAL);
        ::close(fd);
        return Fault<SourceFailure>{SourceFailure::NotAFile, reason};
    }
    // No system reason: the words for a file that changed during the run fit.
    if (!stamp.Matches(st)) {
        ::close(fd);
        return Fault<SourceFailure>{SourceFailure::Changed};
    }
    // Each file is read once from start to end: a slow drive (a USB stick,
    // an SD card) reads ahead twice as far for it. A small file is read in
    // one go, so it is spared the call.
    if (st.st_size > kReadAheadFrom)
        ::posix_fadvise(fd, 0, 0, POSIX_FADV_SEQUENTIAL);
    fd_ = fd;
    return {};
}

Result<void, SourceFailure> SourceFileReader::ReadExactly(unsigned char* into, size_t size)
{
    if (fd_ < 0)
        return Fault<SourceFailure>{SourceFailure::ReadFailed, systemError(EBADF)};
    size_t done = 0;
    while (done < size) {
        ssize_t n = ::read(fd_, into + done, size - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return Fault<SourceFailure>{SourceFailure::ReadFailed, systemError(errno)};
        if (n == 0)
            return Fault<SourceFailure>{SourceFailure::EndedEarly};
        done += static_cast<size_t>(n);
    }
    return {};
}

Result<size_t, SourceFailure> SourceFileReader::ReadAt(int64_t offset, unsigned char* into, size_t size) const
{
    size_t done = 0;
    while (done < size) {
        ssize_t n = ::pread(fd_, into + done, size - done, static_cast<off_t>(offset + int64_t(done)));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return Fault<SourceFailure>{SourceFailure::ReadFailed, systemError(errno)};
        if (n == 0)
            break;
        done += static_cast<size_t>(n);
    }
    return done;
}

void SourceFileReader::Close()
{
    if (fd_ >= 0) {
        ::close(fd_);
        fd_ = -1;
    }
}
