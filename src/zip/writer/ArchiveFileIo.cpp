#include "ArchiveFileIo.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <memory>

#include "StdioArchiveFile.h"

namespace {

ArchiveFileIo* self(voidpf opaque)
{
    return static_cast<ArchiveFileIo*>(opaque);
}

// What minizip holds as its stream.
ArchiveStream* streamOf(voidpf stream)
{
    return static_cast<ArchiveStream*>(stream);
}

}  // namespace

ArchiveFileIo::ArchiveFileIo(ArchiveWriteBuffer::WriteTap tap) : tap_(std::move(tap))
{
    functions_.zopen64_file = &ArchiveFileIo::open;
    functions_.zread_file = &ArchiveFileIo::read;
    functions_.zwrite_file = &ArchiveFileIo::write;
    functions_.ztell64_file = &ArchiveFileIo::tell;
    functions_.zseek64_file = &ArchiveFileIo::seek;
    functions_.zclose_file = &ArchiveFileIo::close;
    functions_.zerror_file = &ArchiveFileIo::error;
    functions_.opaque = this;
}

// Only the first failure counts: later ones follow from it.
template <class T>
bool ArchiveFileIo::keep(const Result<T, ArchiveIoFailure>& result)
{
    if (!result && firstFailure_)
        firstFailure_ = Fault<ArchiveIoFailure>{result.kind(), result.code()};
    return result.ok();
}

// Creating an archive: ext4 marks a file truncated to nothing (even an empty
// one) for a forced flush when it is closed, which holds the closing thread
// for a quarter of a second per 600 MB. The temporary archive is created
// empty beforehand, so it is only truncated when it holds something.
Result<ArchiveWriteBuffer*, ArchiveIoFailure> ArchiveFileIo::create(const char* path)
{
    const int fd = ::open(path, O_WRONLY | O_CREAT | O_CLOEXEC, 0666);
    if (fd < 0)
        return ArchiveIoFault(ArchiveIoFailure::Open, errno);
    struct stat st {};
    if (::fstat(fd, &st) != 0 || (st.st_size != 0 && ::ftruncate(fd, 0) != 0)) {
        const auto fault = ArchiveIoFault(ArchiveIoFailure::Open, errno);
        ::close(fd);
        return fault;
    }
    return new ArchiveWriteBuffer(fd, tap_);
}

voidpf ArchiveFileIo::open(voidpf opaque, const void* filename, int mode)
{
    if (filename == nullptr)
        return nullptr;
    const char* path = static_cast<const char*>(filename);
    if (mode & ZLIB_FILEFUNC_MODE_CREATE && !(mode & ZLIB_FILEFUNC_MODE_EXISTING) &&
        (mode & ZLIB_FILEFUNC_MODE_READWRITEFILTER) != ZLIB_FILEFUNC_MODE_READ) {
        const auto created = self(opaque)->create(path);
        if (!self(opaque)->keep(created))
            return nullptr;
        self(opaque)->created_ = created.value();
        return static_cast<ArchiveStream*>(created.value());
    }
    // The modes minizip's own stdio functions use; "e" keeps the archive out
    // of programs this process starts.
    const char* stdioMode = nullptr;
    if ((mode & ZLIB_FILEFUNC_MODE_READWRITEFILTER) == ZLIB_FILEFUNC_MODE_READ)
        stdioMode = "rbe";
    else if (mode & ZLIB_FILEFUNC_MODE_EXISTING)
        stdioMode = "r+be";
    else
        return nullptr;
    std::FILE* file = std::fopen(path, stdioMode);
    if (file == nullptr) {
        self(opaque)->keep(Result<void, ArchiveIoFailure>(ArchiveIoFault(ArchiveIoFailure::Open, errno)));
        return nullptr;
    }
    return static_cast<ArchiveStream*>(new StdioArchiveFile(file));
}

uLong ArchiveFileIo::read(voidpf opaque, voidpf stream, void* buf, uLong size)
{
    const auto got = streamOf(stream)->Read(buf, size);
    return self(opaque)->keep(got) ? static_cast<uLong>(got.value()) : 0;
}

uLong ArchiveFileIo::write(voidpf opaque, voidpf stream, const void* buf, uLong size)
{
    return self(opaque)->keep(streamOf(stream)->Write(buf, size)) ? size : 0;
}

ZPOS64_T ArchiveFileIo::tell(voidpf opaque, voidpf stream)
{
    const auto at = streamOf(stream)->Tell();
    return self(opaque)->keep(at) ? static_cast<ZPOS64_T>(at.value()) : static_cast<ZPOS64_T>(-1);
}

long ArchiveFileIo::seek(voidpf opaque, voidpf stream, ZPOS64_T offset, int origin)
{
    int whence = SEEK_SET;
    if (origin == ZLIB_FILEFUNC_SEEK_CUR)
        whence = SEEK_CUR;
    else if (origin == ZLIB_FILEFUNC_SEEK_END)
        whence = SEEK_END;
    else if (origin != ZLIB_FILEFUNC_SEEK_SET)
        return -1;
    // Our own buffer shows a full disk at the next write or the close.
    return self(opaque)->keep(streamOf(stream)->Seek(static_cast<int64_t>(offset), whence)) ? 0 : -1;
}

int ArchiveFileIo::close(voidpf opaque, voidpf stream)
{
    std::unique_ptr<ArchiveStream> s(streamOf(stream));
    if (s.get() == self(opaque)->created_)
        self(opaque)->created_ = nullptr;
    return self(opaque)->keep(s->Close()) ? 0 : EOF;
}

int ArchiveFileIo::error(voidpf, voidpf stream)
{
    return streamOf(stream)->Failed() ? 1 : 0;
}
