#pragma once
// One piece of work for a compression worker: a run of whole chunks of one
// source file, to be read and CRC'd and, for a write pass, deflated or copied.
// Deflate: zlib makes a piece per chunk. DeflateByJob: libdeflate makes one
// piece of the whole job. DeflateWhole: the job is a whole file, deflated in
// one piece by libdeflate.
#include <cstdint>
#include <memory>

#include "SharedSource.h"

struct CompressionJob {
    enum class Kind { Crc, Store, Deflate, DeflateByJob, DeflateWhole };

    uint64_t seq = 0;  // order in which the window's thread takes the results
    std::shared_ptr<SharedSource> source;
    Kind kind = Kind::Deflate;
    int level = -1;
    int64_t offset = 0;     // where the first chunk starts in the file
    int64_t length = 0;     // bytes of all its chunks together
    int64_t chunkSize = 0;  // every chunk but the file's last has this size
    // The job holds the file's last chunk: a deflate stream ends there.
    bool finish = false;
};
