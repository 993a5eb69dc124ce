#include "TimestampExtraFields.h"

#include <cstdint>
#include <limits>
#include <optional>

namespace TimestampExtraFields {
namespace {

constexpr int64_t kSecondsFrom1601To1970 = 11644473600;
constexpr uint64_t kTicksPerSecond = 10'000'000;  // 100 ns

void putLe(std::string& out, uint64_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.push_back(static_cast<char>((value >> (8 * i)) & 0xFFu));
}

// 100 ns ticks since 1601 (UTC), the fraction cut to the tick; empty before
// 1601 or past what 64 bits hold (some 58,000 years on).
std::optional<uint64_t> windowsTicks(const FileTime& time)
{
    if (time.seconds < -kSecondsFrom1601To1970)
        return std::nullopt;
    const uint64_t seconds = static_cast<uint64_t>(time.seconds + kSecondsFrom1601To1970);
    if (seconds > (std::numeric_limits<uint64_t>::max() - kTicksPerSecond) / kTicksPerSecond)
        return std::nullopt;
    return seconds * kTicksPerSecond + time.nanoseconds / 100;
}

}  // namespace

std::string Make(const FileTimes& times)
{
    std::string fields;
    fields.reserve(kMaxSize);
    // Info-ZIP defines the time as signed, but unzip 6, 7-Zip, libarchive and
    // Go read it unsigned (so that it reaches 2106): only times from 1970 to
    // February 2106 are written, read alike by all; outside that range a
    // reader would show a wrong year, and the NTFS field keeps the time.
    const int64_t modified = times.modified.seconds;
    if (modified >= 0 && modified <= int64_t{0xFFFFFFFF}) {
        putLe(fields, kExtendedTimestampId, 2);
        putLe(fields, 5, 2);
        fields.push_back(1);  // flags: the modification time only
        putLe(fields, static_cast<uint64_t>(modified), 4);
    }
    // A file system that keeps no birth time leaves the creation time
    // unknown: the modification time stands in, the time the content is
    // known to have had (the status-change time is not it: linking the file
    // for staging changed that).
    const std::optional<uint64_t> mtime = windowsTicks(times.modified);
    const std::optional<uint64_t> atime = windowsTicks(times.accessed);
    const std::optional<uint64_t> ctime = times.createdKnown ? windowsTicks(times.created) : mtime;
    if (mtime && atime && ctime) {
        putLe(fields, kNtfsId, 2);
        putLe(fields, 32, 2);
        putLe(fields, 0, 4);   // reserved
        putLe(fields, 1, 2);   // attribute tag 1: the three times
        putLe(fields, 24, 2);
        putLe(fields, *mtime, 8);
        putLe(fields, *atime, 8);
        putLe(fields, *ctime, 8);
    }
    return fields;
}

}  // namespace TimestampExtraFields
