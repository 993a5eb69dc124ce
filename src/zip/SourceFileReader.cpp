#include "SourceFileReader.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

bool SourceFileReader::Open(const std::filesystem::path& file)
{
    Close();
    // O_NONBLOCK keeps a FIFO put in the file's place from hanging the window;
    // it changes nothing for regular files.
    int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (fd < 0)
        return false;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return false;
    }
    fd_ = fd;
    return true;
}

bool SourceFileReader::ReadExactly(unsigned char* into, size_t size)
{
    if (fd_ < 0)
        return false;
    size_t done = 0;
    while (done < size) {
        ssize_t n = ::read(fd_, into + done, size - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += static_cast<size_t>(n);
    }
    return true;
}

void SourceFileReader::Close()
{
    if (fd_ >= 0) {
        ::close(fd_);
        fd_ = -1;
    }
}
