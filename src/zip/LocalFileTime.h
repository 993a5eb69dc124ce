#pragma once
// A file's timestamp as the local date-time an archive entry keeps (days
// since 30 December 1899), by the zone's rule for that timestamp's own date.
// Thread-safe: the zone is read once by whoever calls tzset, not per file.
#include <cstdint>
#include <optional>

namespace LocalFileTime {

// Whole seconds since the epoch to a local date-time; fractions of a second
// are dropped. Empty when the system cannot turn it into local time (a year
// beyond what struct tm holds), with errno set.
std::optional<double> FromUnixSeconds(int64_t seconds);

}  // namespace LocalFileTime
