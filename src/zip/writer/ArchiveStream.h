#pragma once
// One open archive file as minizip's file functions reach it: a new archive
// through ArchiveWriteBuffer, an existing one through StdioArchiveFile. Each
// call succeeds or fails with the system's reason.
#include <cerrno>
#include <cstddef>
#include <cstdint>

#include "Result.h"

enum class ArchiveIoFailure {
    Open,   // the file could not be created or opened
    Read,
    Write,  // not every byte could be written
    Seek,
    Close,  // writing out what was held, or the close itself, failed
};

class ArchiveStream {
public:
    virtual ~ArchiveStream() = default;

    // How many bytes were read: fewer than `size` only at the file's end.
    virtual Result<size_t, ArchiveIoFailure> Read(void* data, size_t size) = 0;
    // All `size` bytes, or a failure.
    virtual Result<void, ArchiveIoFailure> Write(const void* data, size_t size) = 0;
    virtual Result<int64_t, ArchiveIoFailure> Tell() = 0;
    // `whence` as for lseek.
    virtual Result<void, ArchiveIoFailure> Seek(int64_t offset, int whence) = 0;
    virtual Result<void, ArchiveIoFailure> Close() = 0;
    // True once a call has failed.
    virtual bool Failed() const = 0;
};

// The failure of `kind` with errno's reason, EIO where the call set none.
inline Fault<ArchiveIoFailure> ArchiveIoFault(ArchiveIoFailure kind, int err)
{
    return {kind, LastSystemError(err != 0 ? err : EIO)};
}
