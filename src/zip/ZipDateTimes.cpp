#include "ZipDateTimes.h"

#include <cerrno>
#include <ctime>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>

#include "LocalFileTime.h"

namespace {

const char* const kSource = "ZipDateTimes";

[[noreturn]] void fail(uint32_t number, int systemError, const char* call)
{
    throw ZipDateTimesError(number, kSource,
                            "Internal error. System error " + std::to_string(systemError) + " calling " + call,
                            systemError);
}

double toLocal(const statx_timestamp& ts)
{
    const std::optional<double> local = LocalFileTime::FromUnixSeconds(ts.tv_sec);
    if (!local)
        fail(ZipDateTimesError::LocalTimeFailed, errno, "SystemTimeToTzSpecificLocalTime");
    return *local;
}

}  // namespace

void ZipDateTimes::GetTimestamps(const std::filesystem::path& pathToCheck)
{
    struct statx info {};
    if (statx(AT_FDCWD, pathToCheck.c_str(), 0, STATX_BTIME | STATX_ATIME | STATX_MTIME, &info) != 0) {
        if (errno != ENOSYS)
            fail(ZipDateTimesError::AttributesFailed, errno, "GetFileAtributesEx");
        // A kernel (or sandbox) without statx: plain stat has no birth time.
        struct stat plain {};
        if (stat(pathToCheck.c_str(), &plain) != 0)
            fail(ZipDateTimesError::AttributesFailed, errno, "GetFileAtributesEx");
        info = {};
        info.stx_mask = STATX_ATIME | STATX_MTIME;
        info.stx_atime.tv_sec = plain.st_atim.tv_sec;
        info.stx_atime.tv_nsec = static_cast<uint32_t>(plain.st_atim.tv_nsec);
        info.stx_mtime.tv_sec = plain.st_mtim.tv_sec;
        info.stx_mtime.tv_nsec = static_cast<uint32_t>(plain.st_mtim.tv_nsec);
    }
    times_ = FileTimes::From(info);

    // Read the zone afresh, so a changed time zone shows at the next call.
    tzset();
    // A file system that keeps no birth (or access) time leaves its bit out of
    // the answer: that time is "none".
    created_ = (info.stx_mask & STATX_BTIME) ? toLocal(info.stx_btime) : 0;
    lastAccessed_ = (info.stx_mask & STATX_ATIME) ? toLocal(info.stx_atime) : 0;
    lastModified_ = (info.stx_mask & STATX_MTIME) ? toLocal(info.stx_mtime) : 0;
}
