#include "FileArchiveBytes.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

FileArchiveBytes::FileArchiveBytes(const std::filesystem::path& file)
{
    fd_ = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd_ < 0)
        error_ = std::error_code(errno, std::system_category());
}

FileArchiveBytes::~FileArchiveBytes()
{
    if (fd_ >= 0)
        ::close(fd_);
}

void FileArchiveBytes::SetLimit(uint64_t limit, uint64_t final)
{
    limit_ = std::max(limit_, limit);
    final_ = std::max(final_, std::min(final, limit_));
}

bool FileArchiveBytes::LimitToSize()
{
    struct stat st {};
    if (fd_ < 0 || ::fstat(fd_, &st) != 0) {
        if (fd_ >= 0)
            error_ = std::error_code(errno, std::system_category());
        return false;
    }
    SetLimit(static_cast<uint64_t>(st.st_size));
    return true;
}

bool FileArchiveBytes::readFile(uint64_t at, unsigned char* out, size_t size)
{
    while (size > 0) {
        const ssize_t got = ::pread(fd_, out, size, static_cast<off_t>(at));
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0) {
            error_ = std::error_code(errno, std::system_category());
            return false;
        }
        if (got == 0)
            return false;  // the file is shorter than it was
        out += got;
        at += static_cast<uint64_t>(got);
        size -= static_cast<size_t>(got);
    }
    return true;
}

bool FileArchiveBytes::Read(uint64_t at, void* out, size_t size)
{
    if (fd_ < 0 || at > limit_ || size > limit_ - at)
        return false;
    auto* bytes = static_cast<unsigned char*>(out);
    for (int i = 0; i < 2; ++i) {
        const Window& w = windows_[i];
        if (at >= w.at && at - w.at + size <= w.bytes.size()) {
            std::memcpy(bytes, w.bytes.data() + (at - w.at), size);
            older_ = 1 - i;
            return true;
        }
    }
    if (size >= kWindow / 2 || at + size > final_)
        return readFile(at, bytes, size);
    Window& w = windows_[older_];
    const size_t ahead = static_cast<size_t>(std::min<uint64_t>(kWindow, final_ - at));
    w.bytes.resize(ahead);
    if (!readFile(at, w.bytes.data(), ahead)) {
        w.bytes.clear();
        return false;
    }
    w.at = at;
    older_ = 1 - older_;
    std::memcpy(bytes, w.bytes.data(), size);
    return true;
}
