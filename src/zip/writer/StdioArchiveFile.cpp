#include "StdioArchiveFile.h"

#include <sys/types.h>

#include <cerrno>

StdioArchiveFile::~StdioArchiveFile()
{
    if (file_ != nullptr)
        std::fclose(file_);
}

Result<size_t, ArchiveIoFailure> StdioArchiveFile::Read(void* data, size_t size)
{
    const size_t got = std::fread(data, 1, size, file_);
    if (got < size && std::ferror(file_))
        return ArchiveIoFault(ArchiveIoFailure::Read, errno);
    return got;
}

Result<void, ArchiveIoFailure> StdioArchiveFile::Write(const void* data, size_t size)
{
    if (std::fwrite(data, 1, size, file_) < size)
        return ArchiveIoFault(ArchiveIoFailure::Write, errno);
    return {};
}

Result<int64_t, ArchiveIoFailure> StdioArchiveFile::Tell()
{
    const off_t at = ftello(file_);
    if (at < 0)
        return ArchiveIoFault(ArchiveIoFailure::Seek, errno);
    return static_cast<int64_t>(at);
}

// fseeko writes out what stdio holds, so a full disk may show here.
Result<void, ArchiveIoFailure> StdioArchiveFile::Seek(int64_t offset, int whence)
{
    if (fseeko(file_, static_cast<off_t>(offset), whence) != 0)
        return ArchiveIoFault(ArchiveIoFailure::Seek, errno);
    return {};
}

Result<void, ArchiveIoFailure> StdioArchiveFile::Close()
{
    std::FILE* file = file_;
    file_ = nullptr;
    if (std::fclose(file) != 0) {
        failed_ = true;
        return ArchiveIoFault(ArchiveIoFailure::Close, errno);
    }
    return {};
}
