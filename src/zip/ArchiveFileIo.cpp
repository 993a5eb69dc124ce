#include "ArchiveFileIo.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

namespace {

ArchiveFileIo* self(voidpf opaque)
{
    return static_cast<ArchiveFileIo*>(opaque);
}

FILE* fileOf(voidpf stream)
{
    return static_cast<FILE*>(stream);
}

}  // namespace

ArchiveFileIo::ArchiveFileIo()
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
FILE* ArchiveFileIo::create(const char* path)
{
    const int fd = ::open(path, O_WRONLY | O_CREAT | O_CLOEXEC, 0666);
    if (fd < 0)
        return nullptr;
    struct stat st {};
    FILE* file = nullptr;
    if (::fstat(fd, &st) == 0 && (st.st_size == 0 || ::ftruncate(fd, 0) == 0))
        file = ::fdopen(fd, "wb");
    if (file == nullptr) {
        const int err = errno;
        ::close(fd);
        errno = err;
    }
    return file;
}

voidpf ArchiveFileIo::open(voidpf opaque, const void* filename, int mode)
{
    if (filename == nullptr)
        return nullptr;
    const char* path = static_cast<const char*>(filename);
    // The modes minizip's own stdio functions use; "e" keeps the archive out
    // of programs this process starts.
    FILE* file = nullptr;
    if ((mode & ZLIB_FILEFUNC_MODE_READWRITEFILTER) == ZLIB_FILEFUNC_MODE_READ)
        file = std::fopen(path, "rbe");
    else if (mode & ZLIB_FILEFUNC_MODE_EXISTING)
        file = std::fopen(path, "r+be");
    else if (mode & ZLIB_FILEFUNC_MODE_CREATE)
        file = create(path);
    else
        return nullptr;
    if (file == nullptr)
        self(opaque)->keep(errno);
    return file;
}

uLong ArchiveFileIo::read(voidpf opaque, voidpf stream, void* buf, uLong size)
{
    const size_t got = std::fread(buf, 1, size, fileOf(stream));
    if (got < size && std::ferror(fileOf(stream)))
        self(opaque)->keep(errno);
    return got;
}

uLong ArchiveFileIo::write(voidpf opaque, voidpf stream, const void* buf, uLong size)
{
    const size_t put = std::fwrite(buf, 1, size, fileOf(stream));
    if (put < size)
        self(opaque)->keep(errno);
    return put;
}

ZPOS64_T ArchiveFileIo::tell(voidpf opaque, voidpf stream)
{
    const off_t at = ftello(fileOf(stream));
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
    // fseeko writes out what stdio holds, so a full disk may show here.
    if (fseeko(fileOf(stream), static_cast<off_t>(offset), whence) != 0) {
        self(opaque)->keep(errno);
        return -1;
    }
    return 0;
}

int ArchiveFileIo::close(voidpf opaque, voidpf stream)
{
    if (std::fclose(fileOf(stream)) != 0) {
        self(opaque)->keep(errno);
        return EOF;
    }
    return 0;
}

int ArchiveFileIo::error(voidpf, voidpf stream)
{
    return std::ferror(fileOf(stream));
}
