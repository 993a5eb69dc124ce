#pragma once
// An entry deflated whole and cut short by a cancel: its stream was made for
// the whole file and none of it is written yet, so the chunks the run has
// handled are read again and written in stored deflate blocks. The entry then
// holds what the events said was written, as with zlib's blocks. Costs one
// read of at most WholeEntryDeflater::kLimit bytes, on a cancel only.
#include <cstdint>
#include <filesystem>
#include <system_error>

#include "ZipFailure.h"
#include "ZipWriterInterface.h"

class WrittenPrefix {
public:
    // Writes the first `size` bytes of `source` as the entry's whole deflate
    // stream. They must still have the CRC-32 `crc` the run found: ReadFile
    // when they cannot be read or have changed, WriteBytes when the writer
    // fails (the reason in `reason`).
    static ZipFailure Write(ZipWriterInterface& writer, const std::filesystem::path& source, uint64_t size,
                            uint32_t crc, std::error_code& reason);
};
