#include "ArchiveWriteBuffer.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>

namespace {

// pwrite until done; false with errno set.
bool writeAll(int fd, const unsigned char* data, size_t size, int64_t at)
{
    while (size > 0) {
        const ssize_t put = ::pwrite(fd, data, size, static_cast<off_t>(at));
        if (put < 0 && errno == EINTR)
            continue;
        if (put <= 0) {
            if (put == 0)
                errno = EIO;
            return false;
        }
        data += put;
        size -= static_cast<size_t>(put);
        at += put;
    }
    return true;
}

}  // namespace

ArchiveWriteBuffer::ArchiveWriteBuffer(int fd, WriteTap tap) : fd_(fd), tap_(std::move(tap))
{
    buffer_.reserve(kCapacity);
    struct stat st {};
    if (::fstat(fd_, &st) == 0)
        fileSize_ = st.st_size;
}

ArchiveWriteBuffer::~ArchiveWriteBuffer()
{
    if (fd_ >= 0)
        ::close(fd_);
}

bool ArchiveWriteBuffer::writeOut(const unsigned char* data, size_t size, int64_t at)
{
    if (!tap_)
        return writeAll(fd_, data, size, at);
    std::vector<unsigned char> tapped(data, data + size);
    tap_(at, tapped);
    return writeAll(fd_, tapped.data(), size, at);
}

bool ArchiveWriteBuffer::flush()
{
    if (held_ > 0) {
        if (!writeOut(buffer_.data(), held_, start_)) {
            failed_ = true;
            return false;
        }
        fileSize_ = std::max(fileSize_, end());
    }
    held_ = 0;
    buffer_.clear();
    start_ = position_;
    return true;
}

size_t ArchiveWriteBuffer::Write(const void* data, size_t size)
{
    const auto* bytes = static_cast<const unsigned char*>(data);
    const bool inside = position_ >= start_ && position_ <= end();
    if (!inside || position_ - start_ + static_cast<int64_t>(size) > static_cast<int64_t>(kCapacity)) {
        if (!flush())
            return 0;
        if (size >= kCapacity / 4) {
            if (!writeOut(bytes, size, position_)) {
                failed_ = true;
                return 0;
            }
            position_ += static_cast<int64_t>(size);
            fileSize_ = std::max(fileSize_, position_);
            start_ = position_;
            return size;
        }
    }
    const size_t offset = static_cast<size_t>(position_ - start_);
    if (offset + size > buffer_.size())
        buffer_.resize(offset + size);
    std::memcpy(buffer_.data() + offset, bytes, size);
    held_ = std::max(held_, offset + size);
    position_ += static_cast<int64_t>(size);
    return size;
}

size_t ArchiveWriteBuffer::Read(void* data, size_t size)
{
    if (!flush())
        return 0;
    const ssize_t got = ::pread(fd_, data, size, static_cast<off_t>(position_));
    if (got < 0) {
        failed_ = true;
        return 0;
    }
    position_ += got;
    start_ = position_;
    return static_cast<size_t>(got);
}

bool ArchiveWriteBuffer::Seek(int64_t offset, int whence)
{
    int64_t target = offset;
    if (whence == SEEK_CUR)
        target = position_ + offset;
    else if (whence == SEEK_END)
        target = std::max(fileSize_, end()) + offset;
    else if (whence != SEEK_SET) {
        errno = EINVAL;
        return false;
    }
    if (target < 0) {
        errno = EINVAL;
        return false;
    }
    // Only the position moves: the next write decides whether the buffer goes out.
    position_ = target;
    return true;
}

bool ArchiveWriteBuffer::Close()
{
    const bool written = flush();
    const int err = errno;
    const int fd = fd_;
    fd_ = -1;
    // close() is where some file systems (NFS, full quota) report lost writes.
    if (::close(fd) != 0 || !written) {
        if (!written)
            errno = err;
        failed_ = true;
        return false;
    }
    return true;
}
