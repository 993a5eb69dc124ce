#include "ArchiveWriteBuffer.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>

namespace {

// pwrite until done.
Result<void, ArchiveIoFailure> writeAll(int fd, const unsigned char* data, size_t size, int64_t at)
{
    while (size > 0) {
        const ssize_t put = ::pwrite(fd, data, size, static_cast<off_t>(at));
        if (put < 0 && errno == EINTR)
            continue;
        if (put <= 0)
            return ArchiveIoFault(ArchiveIoFailure::Write, put == 0 ? EIO : errno);
        data += put;
        size -= static_cast<size_t>(put);
        at += put;
    }
    return {};
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

Result<void, ArchiveIoFailure> ArchiveWriteBuffer::writeOut(const unsigned char* data, size_t size, int64_t at)
{
    Result<void, ArchiveIoFailure> written;
    if (!tap_) {
        written = writeAll(fd_, data, size, at);
    } else {
        std::vector<unsigned char> tapped(data, data + size);
        tap_(at, tapped);
        written = writeAll(fd_, tapped.data(), size, at);
    }
    if (!written)
        failed_ = true;
    return written;
}

Result<void, ArchiveIoFailure> ArchiveWriteBuffer::flush()
{
    if (held_ > 0) {
        if (auto written = writeOut(buffer_.data(), held_, start_); !written)
            return written;
        fileSize_ = std::max(fileSize_, end());
    }
    held_ = 0;
    buffer_.clear();
    start_ = position_;
    return {};
}

Result<void, ArchiveIoFailure> ArchiveWriteBuffer::Write(const void* data, size_t size)
{
    const auto* bytes = static_cast<const unsigned char*>(data);
    const bool inside = position_ >= start_ && position_ <= end();
    if (!inside || position_ - start_ + static_cast<int64_t>(size) > static_cast<int64_t>(kCapacity)) {
        if (auto flushed = flush(); !flushed)
            return flushed;
        if (size >= kCapacity / 4) {
            if (auto written = writeOut(bytes, size, position_); !written)
                return written;
            position_ += static_cast<int64_t>(size);
            fileSize_ = std::max(fileSize_, position_);
            start_ = position_;
            return {};
        }
    }
    const size_t offset = static_cast<size_t>(position_ - start_);
    if (offset + size > buffer_.size())
        buffer_.resize(offset + size);
    std::memcpy(buffer_.data() + offset, bytes, size);
    held_ = std::max(held_, offset + size);
    position_ += static_cast<int64_t>(size);
    return {};
}

Result<size_t, ArchiveIoFailure> ArchiveWriteBuffer::Read(void* data, size_t size)
{
    if (auto flushed = flush(); !flushed)
        return Fault<ArchiveIoFailure>{flushed.kind(), flushed.code()};
    const ssize_t got = ::pread(fd_, data, size, static_cast<off_t>(position_));
    if (got < 0) {
        failed_ = true;
        return ArchiveIoFault(ArchiveIoFailure::Read, errno);
    }
    position_ += got;
    start_ = position_;
    return static_cast<size_t>(got);
}

Result<void, ArchiveIoFailure> ArchiveWriteBuffer::Seek(int64_t offset, int whence)
{
    int64_t target = offset;
    if (whence == SEEK_CUR)
        target = position_ + offset;
    else if (whence == SEEK_END)
        target = std::max(fileSize_, end()) + offset;
    else if (whence != SEEK_SET)
        return ArchiveIoFault(ArchiveIoFailure::Seek, EINVAL);
    if (target < 0)
        return ArchiveIoFault(ArchiveIoFailure::Seek, EINVAL);
    // Only the position moves: the next write decides whether the buffer goes out.
    position_ = target;
    return {};
}

Result<void, ArchiveIoFailure> ArchiveWriteBuffer::Close()
{
    const Result<void, ArchiveIoFailure> written = flush();
    const int fd = fd_;
    fd_ = -1;
    // close() is where some file systems (NFS, full quota) report lost writes.
    const bool closed = ::close(fd) == 0;
    const int closeErr = errno;
    if (!written || !closed) {
        failed_ = true;
        if (!written)
            return Fault<ArchiveIoFailure>{ArchiveIoFailure::Close, written.code()};
        return ArchiveIoFault(ArchiveIoFailure::Close, closeErr);
    }
    return {};
}
