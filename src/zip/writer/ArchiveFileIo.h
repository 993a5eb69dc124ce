#pragma once
// The file functions minizip writes an archive through: a new archive
// through ArchiveWriteBuffer, an existing one through stdio as minizip's own.
// The first failing call keeps its reason, so that a failure can later name
// the system's reason (a full disk, a vanished folder).
#include <minizip/ioapi.h>

#include <cstdint>

#include "ArchiveWriteBuffer.h"

class ArchiveFileIo {
public:
    // `tap` sees every write to a new archive (see ArchiveWriteBuffer).
    explicit ArchiveFileIo(ArchiveWriteBuffer::WriteTap tap = {});
    ArchiveFileIo(const ArchiveFileIo&) = delete;
    ArchiveFileIo& operator=(const ArchiveFileIo&) = delete;

    // For zipOpen2_64; valid as long as this object lives.
    zlib_filefunc64_def* Functions() { return &functions_; }

    // The first call that failed since the last ClearFailure(); ok when none did.
    const Result<void, ArchiveIoFailure>& FirstFailure() const { return firstFailure_; }
    void ClearFailure() { firstFailure_ = {}; }

    // For a new archive while it is open: where the next write goes, and
    // how far every byte has gone to the file; 0 otherwise.
    int64_t Position() const { return created_ != nullptr ? created_->Position() : 0; }
    int64_t WrittenOut() const { return created_ != nullptr ? created_->WrittenOut() : 0; }

private:
    Result<ArchiveWriteBuffer*, ArchiveIoFailure> create(const char* path);
    static voidpf open(voidpf opaque, const void* filename, int mode);
    static uLong read(voidpf opaque, voidpf stream, void* buf, uLong size);
    static uLong write(voidpf opaque, voidpf stream, const void* buf, uLong size);
    static ZPOS64_T tell(voidpf opaque, voidpf stream);
    static long seek(voidpf opaque, voidpf stream, ZPOS64_T offset, int origin);
    static int close(voidpf opaque, voidpf stream);
    static int error(voidpf opaque, voidpf stream);
    // Keeps `result`'s failure when it is the first; tells whether it succeeded.
    template <class T>
    bool keep(const Result<T, ArchiveIoFailure>& result);

    zlib_filefunc64_def functions_{};
    Result<void, ArchiveIoFailure> firstFailure_;
    ArchiveWriteBuffer::WriteTap tap_;
    ArchiveWriteBuffer* created_ = nullptr;  // the new archive's buffer while it is open
};
