#pragma once
// An entry deflated by libdeflate (whole, or a piece per job) and cut short by
// a cancel: the piece under way was made for the whole job and none of it is
// written yet, so the chunks of that job the run has handled are read again
// and written in stored deflate blocks after the pieces already written. The
// entry then holds what the events said was written, as with zlib's blocks.
// Costs one read of less than one job (at most WholeEntryDeflater::kLimit
// bytes), on a cancel only.
#include <cstdint>
#include <filesystem>
#include <system_error>

#include "Result.h"
#include "ZipFailure.h"
#include "ZipWriterInterface.h"

class WrittenPrefix {
public:
    // Writes the `size` bytes of `source` at `offset` as the rest of the
    // entry's deflate stream, ending it. They must still have the CRC-32
    // `crc` the run found: ReadFile when they cannot be read or have changed,
    // WriteBytes when the writer fails, each with the system's reason.
    static Result<void, ZipFailure> Write(ZipWriterInterface& writer, const std::filesystem::path& source,
                                          uint64_t offset, uint64_t size, uint32_t crc);
};
