#pragma once
// Why ZipDateTimes could not read a file's times, numbered as its callers
// know the two errors it gives.
#include <cstdint>

enum class ZipDateTimesError : uint32_t {
    // The file's attributes could not be read (a missing path, no permission...).
    AttributesFailed = 0x8004AA51u,
    // A timestamp could not be turned into local time.
    LocalTimeFailed = 0x8004AA53u,
};
