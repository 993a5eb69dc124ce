#pragma once
// One pass over one queued file as the parallel run plans it: the file cut
// into jobs of up to chunksPerJob chunks (a small file is one job, so it is
// compressed whole), submitted to the workers in order and taken back in
// order. Job j holds chunks j*chunksPerJob onwards and its block has
// sequence number firstSeq + j. A file deflated whole is one job however
// many chunks it has.
#include <algorithm>
#include <cstdint>
#include <memory>

#include "CompressionJob.h"
#include "SharedSource.h"

struct PassPlan {
    static constexpr int64_t kChunksPerJob = 8;
    // A libdeflate piece of a large file (DeflateByJob) waits whole in memory
    // until it is written; 5/8 of a job keeps that small and still deflates
    // text smaller than zlib's blocks (half a job no longer does).
    static constexpr int64_t kChunksPerPiece = 5;

    std::shared_ptr<SharedSource> source;
    CompressionJob::Kind kind = CompressionJob::Kind::Deflate;
    int level = -1;
    int64_t length = 0;     // bytes of the pass
    int64_t chunkSize = 0;
    int64_t chunks = 0;     // chunks of the pass (0 for an empty file)
    int64_t chunksPerJob = kChunksPerJob;
    int64_t jobs = 0;       // at least one, which also finds out whether the file opens
    int64_t submitted = 0;  // jobs handed to the workers so far
    int64_t taken = 0;      // blocks taken back so far
    uint64_t firstSeq = 0;  // sequence number of job 0, once submitted

    int64_t JobOfChunk(int64_t chunk) const { return chunk / chunksPerJob; }
    int64_t JobOffset(int64_t job) const { return job * chunksPerJob * chunkSize; }
    int64_t JobLength(int64_t job) const
    {
        return std::max<int64_t>(0, std::min(length - JobOffset(job), chunksPerJob * chunkSize));
    }
};
