#pragma once
// The extra fields that carry a file's exact times beside the DOS date, which
// holds local time in two-second steps from 1980 to 2107 only: Info-ZIP's
// extended timestamp (0x5455: the modification time in UTC seconds) and the
// NTFS field (0x000A: modification, access and creation time in 100 ns
// units since 1601), which 7-Zip and Windows read. The same bytes go into
// the local and the central header.
#include <string>

#include "FileTimes.h"

namespace TimestampExtraFields {

constexpr unsigned short kExtendedTimestampId = 0x5455;
constexpr unsigned short kNtfsId = 0x000A;
// The most bytes Make returns.
constexpr size_t kMaxSize = 9 + 36;

// Both fields, or those of them that can hold the times (see the .cpp).
std::string Make(const FileTimes& times);

}  // namespace TimestampExtraFields
