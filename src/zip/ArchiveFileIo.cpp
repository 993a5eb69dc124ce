#include "ArchiveFileIo.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <memory>

#include "ArchiveWriteBuffer.h"

namespace {

ArchiveFileIo* self(voidpf opaque)
{
    return static_cast<ArchiveFileIo*>(opaque);
}

// What minizip holds as its stream: a new archive through our own buffer,
// an existing one (appended to, or read) through stdio.
struct Stream {
    FILE* file = nullptr;
    std::unique_ptr<ArchiveWriteBuffer> created;
};

Stream* streamOf(voidpf stream)
{
    return static_cast<Stream*>(stream);
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

// Only the first errno counts: later failures follow from it.
void ArchiveFileIo::keep(int err)
{
    if (lastErrno_ == 0)
        lastErrno_ = err != 0 ? err : EIO;
}

// Creating an archive: ext4 marks a file truncated to nothing (even an empty
// one) for a forced flush when it is closed, which holds the closing thread
// for a quarter of a second per 600 MB. The temporary archive is created
// empty beforehand, so it is only truncated when it holds something.
ArchiveWriteBuffer* ArchiveFileIo::create(const char* path)
{
    const int fd = ::open(path, O_WRONLY | O_CREAT | O_CLOEXEC, 0666);
    if (fd < 0)
        return nullptr;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || (st.st_size != 0 && ::ftruncate(fd, 0) != 0)) {
        const int err = errno;
        ::close(fd);
        errno = err;
        return nullptr;
    }
    return new ArchiveWriteBuffer(fd, tap_);
}

voidpf ArchiveFileIo::open(voidpf opaque, const void* filename, int mode)
{
    if (filename == nullptr)
        return nullptr;
    const char* path = static_cast<const char*>(filename);
    auto stream = std::make_unique<Stream>();
    // The modes minizip's own stdio functions use; "e" keeps the archive out
    // of programs this process starts.
    if ((mode & ZLIB_FILEFUNC_MODE_READWRITEFILTER) == ZLIB_FILEFUNC_MODE_READ)
        stream->file = std::fopen(path, "rbe");
    else if (mode & ZLIB_FILEFUNC_MODE_EXISTING)
        stream->file = std::fopen(path, "r+be");
    else if (mode & ZLIB_FILEFUNC_MODE_CREATE)
        stream->created.reset(self(opaque)->create(path));
    else
        return nullptr;
    if (stream->file == nullptr && !stream->created) {
        self(opaque)->keep(errno);
        return nullptr;
    }
    if (stream->created)
        self(opaque)->created_ = stream->created.get();
    return stream.release();
}

uLong ArchiveFileIo::read(voidpf opaque, voidpf stream, void* buf, uLong size)
{
    Stream* s = streamOf(stream);
    if (s->created) {
        const size_t got = s->created->Read(buf, size);
        if (s->created->Failed())
            self(opaque)->keep(errno);
        return got;
    }
    const size_t got = std::fread(buf, 1, size, s->file);
    if (got < size && std::ferror(s->file))
        self(opaque)->keep(errno);
    return got;
}

uLong ArchiveFileIo::write(voidpf opaque, voidpf stream, const void* buf, uLong size)
{
    Stream* s = streamOf(stream);
    const size_t put = s->created ? s->created->Write(buf, size) : std::fwrite(buf, 1, size, s->file);
    if (put < size)
        self(opaque)->keep(errno);
    return put;
}

ZPOS64_T ArchiveFileIo::tell(voidpf opaque, voidpf stream)
{
    Stream* s = streamOf(stream);
    if (s->created)
        return static_cast<ZPOS64_T>(s->created->Tell());
    const off_t at = ftello(s->file);
    if (at < 0)
        self(opaque)->keep(errno);
    return static_cast<ZPOS64_T>(at);
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
    Stream* s = streamOf(stream);
    // fseeko writes out what stdio holds, so a full disk may show here (our
    // own buffer shows it at the next write or the close).
    const bool moved = s->created ? s->created->Seek(static_cast<int64_t>(offset), whence)
                                  : fseeko(s->file, static_cast<off_t>(offset), whence) == 0;
    if (!moved) {
        self(opaque)->keep(errno);
        return -1;
    }
    return 0;
}

int ArchiveFileIo::close(voidpf opaque, voidpf stream)
{
    std::unique_ptr<Stream> s(streamOf(stream));
    if (s->created.get() == self(opaque)->created_)
        self(opaque)->created_ = nullptr;
    const bool closed = s->created ? s->created->Close() : std::fclose(s->file) == 0;
    if (!closed) {
        self(opaque)->keep(errno);
        return EOF;
    }
    return 0;
}

int ArchiveFileIo::error(voidpf, voidpf stream)
{
    Stream* s = streamOf(stream);
    return s->created ? (s->created->Failed() ? 1 : 0) : std::ferror(s->file);
}
