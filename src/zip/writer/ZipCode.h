#pragma once
// The codes ZipWriter's Result() gives, as the kind of the results its parts
// hand each other: its own for misuse, else minizip's or zlib's code passed
// through unchanged (any int32_t value may be held).
#include <minizip/zip.h>

#include <cstdint>

#include "Result.h"

enum class ZipCode : int32_t {
    Ok = ZIP_OK,
    NoHandle = -1,  // the archive file could not be opened
    ParamError = ZIP_PARAMERROR,
    NotOpen = -666,      // no archive (or no entry) is open
    AlreadyOpen = -667,  // an archive (or an entry) is already open
};

// One step of writing an archive: done, or minizip's code and the system's reason.
using ZipCall = Result<void, ZipCode>;

// minizip's return code as a step's result; `reason` goes with a failure.
inline ZipCall MinizipCall(int code, std::error_code reason = {})
{
    if (code == ZIP_OK)
        return {};
    return Fault<ZipCode>{static_cast<ZipCode>(code), reason};
}
