#pragma once
// A file's timestamp as the local date-time an archive entry keeps (days
// since 30 December 1899), by the zone's rule for that timestamp's own date.
// Thread-safe: the zone is read once by whoever calls tzset, not per file.
#include <cstdint>

#include "Result.h"

enum class LocalTimeFailure {
    NotConvertible,  // beyond what the system's local time can hold
};

namespace LocalFileTime {

// Whole seconds since the epoch to a local date-time; fractions of a second
// are dropped. Fails (with the system's reason) when the system cannot turn
// it into local time (a year beyond what struct tm holds).
Result<double, LocalTimeFailure> FromUnixSeconds(int64_t seconds);

}  // namespace LocalFileTime
