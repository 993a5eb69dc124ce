#include "FileTimes.h"

#include <fcntl.h>
#include <sys/sysmacros.h>

#include <cerrno>

namespace {

FileTime fromTimespec(const struct timespec& ts)
{
    return {static_cast<int64_t>(ts.tv_sec), static_cast<uint32_t>(ts.tv_nsec)};
}

FileTime fromStatx(const struct statx_timestamp& ts)
{
    return {static_cast<int64_t>(ts.tv_sec), ts.tv_nsec};
}

struct timespec toTimespec(const struct statx_timestamp& ts)
{
    struct timespec out {};
    out.tv_sec = static_cast<time_t>(ts.tv_sec);
    out.tv_nsec = static_cast<long>(ts.tv_nsec);
    return out;
}

}  // namespace

FileTimes FileTimes::From(const struct stat& st)
{
    FileTimes times;
    times.modified = fromTimespec(st.st_mtim);
    times.accessed = fromTimespec(st.st_atim);
    return times;
}

FileTimes FileTimes::From(const struct statx& st)
{
    FileTimes times;
    times.modified = fromStatx(st.stx_mtime);
    times.accessed = fromStatx(st.stx_atime);
    // A file system without birth times leaves the bit out of its answer.
    times.createdKnown = (st.stx_mask & STATX_BTIME) != 0;
    if (times.createdKnown)
        times.created = fromStatx(st.stx_btime);
    return times;
}

int FileTimes::StatAt(int dirfd, const char* path, int flags, struct stat& st, FileTimes& times)
{
    struct statx x {};
    if (::statx(dirfd, path, flags, STATX_BASIC_STATS | STATX_BTIME, &x) != 0) {
        // A kernel (or sandbox) without statx: plain stat has no birth time.
        if (errno != ENOSYS)
            return -1;
        if (::fstatat(dirfd, path, &st, flags) != 0)
            return -1;
        times = FileTimes::From(st);
        return 0;
    }
    st = {};
    st.st_dev = makedev(x.stx_dev_major, x.stx_dev_minor);
    st.st_ino = x.stx_ino;
    st.st_mode = x.stx_mode;
    st.st_nlink = x.stx_nlink;
    st.st_uid = x.stx_uid;
    st.st_gid = x.stx_gid;
    st.st_rdev = makedev(x.stx_rdev_major, x.stx_rdev_minor);
    st.st_size = static_cast<off_t>(x.stx_size);
    st.st_blksize = static_cast<blksize_t>(x.stx_blksize);
    st.st_blocks = static_cast<blkcnt_t>(x.stx_blocks);
    st.st_atim = toTimespec(x.stx_atime);
    st.st_mtim = toTimespec(x.stx_mtime);
    st.st_ctim = toTimespec(x.stx_ctime);
    times = FileTimes::From(x);
    return 0;
}
