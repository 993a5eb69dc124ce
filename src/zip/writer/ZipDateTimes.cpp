#include "ZipDateTimes.h"

#include <cerrno>
#include <ctime>
#include <fcntl.h>
#include <sys/stat.h>

#include "LocalFileTime.h"

namespace {

Fault<ZipDateTimesError> attributesFailed(int err)
{
    return {ZipDateTimesError::AttributesFailed, LastSystemError(err)};
}

// Sets `into` from the timestamp when the file system gave it (its bit is in
// `mask`), else to none.
Result<void, ZipDateTimesError> toLocal(uint32_t mask, uint32_t bit, const statx_timestamp& ts, double& into)
{
    if (!(mask & bit)) {
        into = 0;
        return {};
    }
    const auto local = LocalFileTime::FromUnixSeconds(ts.tv_sec);
    if (!local)
        return Fault<ZipDateTimesError>{ZipDateTimesError::LocalTimeFailed, local.code()};
    into = local.value();
    return {};
}

}  // namespace

Result<void, ZipDateTimesError> ZipDateTimes::GetTimestamps(const std::filesystem::path& pathToCheck)
{
    struct statx info {};
    if (statx(AT_FDCWD, pathToCheck.c_str(), 0, STATX_BTIME | STATX_ATIME | STATX_MTIME, &info) != 0) {
        if (errno != ENOSYS)
            return attributesFailed(errno);
        // A kernel (or sandbox) without statx: plain stat has no birth time.
        struct stat plain {};
        if (stat(pathToCheck.c_str(), &plain) != 0)
            return attributesFailed(errno);
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
    if (auto set = toLocal(info.stx_mask, STATX_BTIME, info.stx_btime, created_); !set)
        return set;
    if (auto set = toLocal(info.stx_mask, STATX_ATIME, info.stx_atime, lastAccessed_); !set)
        return set;
    return toLocal(info.stx_mask, STATX_MTIME, info.stx_mtime, lastModified_);
}

std::string ZipDateTimes::Description(const Result<void, ZipDateTimesError>& failure)
{
    const char* call = failure.kind() == ZipDateTimesError::AttributesFailed ? "GetFileAtributesEx"
                                                                              : "SystemTimeToTzSpecificLocalTime";
    return "Internal error. System error " + std::to_string(failure.code().value()) + " calling " + call;
}
