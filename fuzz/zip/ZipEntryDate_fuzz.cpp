// The dates an entry gets: any file time (as a file system or a copy from
// elsewhere may hold it) into the local date-time and on to the DOS date's
// range, never outside 1980-2107, and ordered as the times are.
#include "FuzzSupport.h"
#include "LocalFileTime.h"
#include "OleDate.h"
#include "ZipDateTimes.h"
#include "ZipEntryDate.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <tuple>
#include <fstream>

namespace {

void checkClamped(const OleDate::Fields& f)
{
    fuzz::Check(f.year >= 1980 && f.year <= 2107, "a DOS date outside 1980-2107");
    fuzz::Check(f.month >= 1 && f.month <= 12 && f.day >= 1 && f.day <= 31 && f.hour >= 0 && f.hour < 24 &&
                    f.minute >= 0 && f.minute < 60 && f.second >= 0 && f.second < 60,
                "a DOS date outside the calendar");
}

// As the DOS date stores them: seconds in steps of two.
bool notAfter(const OleDate::Fields& a, const OleDate::Fields& b)
{
    return std::make_tuple(a.year, a.month, a.day, a.hour, a.minute, a.second / 2) <=
           std::make_tuple(b.year, b.month, b.day, b.hour, b.minute, b.second / 2);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 2 * sizeof(int64_t))
        return 0;
    int64_t seconds[2];
    std::memcpy(seconds, data, sizeof seconds);
    double local[2] = {0, 0};
    for (int i = 0; i < 2; ++i) {
        const auto value = LocalFileTime::FromUnixSeconds(seconds[i]);
        if (!value)
            return 0;
        fuzz::Check(std::isfinite(value.value()), "a local time that is not a number");
        local[i] = value.value();
    }
    const OleDate::Fields a = ZipEntryDate::Clamp(local[0]), b = ZipEntryDate::Clamp(local[1]);
    checkClamped(a);
    checkClamped(b);
    if (local[0] <= local[1])
        fuzz::Check(notAfter(a, b), "later times give an earlier DOS date");

    // The same time read from a file's own timestamps.
    const std::filesystem::path file = fuzz::ScratchFolder() / "dated";
    std::ofstream(file).put('x');
    const timespec times[2] = {{static_cast<time_t>(seconds[1]), 0}, {static_cast<time_t>(seconds[0]), 0}};
    if (utimensat(AT_FDCWD, file.c_str(), times, 0) == 0) {
        ZipDateTimes dates;
        // A time the system cannot put into local time is refused, not wrapped.
        if (dates.GetTimestamps(file))
            fuzz::Check(dates.LastModified() == local[0], "a file's time read otherwise than its seconds");
    }
    return 0;
}
