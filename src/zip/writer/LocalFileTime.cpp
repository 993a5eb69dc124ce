#include "LocalFileTime.h"

#include <cerrno>
#include <ctime>

#include "OleDate.h"

Result<double, LocalTimeFailure> LocalFileTime::FromUnixSeconds(int64_t seconds)
{
    const std::time_t time = static_cast<std::time_t>(seconds);
    std::tm local{};
    errno = 0;
    if (localtime_r(&time, &local) == nullptr)
        return Fault<LocalTimeFailure>{LocalTimeFailure::NotConvertible, LastSystemError(errno != 0 ? errno : EOVERFLOW)};
    return OleDate::FromFields(OleDate::Fields{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour,
                                               local.tm_min, local.tm_sec});
}
