#pragma once
// A compression worker's tools: its zlib stream and read buffer, and the work
// of one job. Each chunk of a deflate job becomes a raw deflate piece that
// ends on a byte boundary (Z_SYNC_FLUSH), so the pieces of all jobs of a file,
// written one after the other, make one ordinary deflate stream. A job that
// does not start the file is primed with the 32 KiB before it, so the stream
// compresses almost as well as one made in a single run. A job of kind
// DeflateByJob is deflated by libdeflate in one go, twice zlib's speed, and
// ended as a sync flush ends a piece unless it holds the file's end; one of
// kind DeflateWhole is a whole file, deflated the same way.
#include <zlib.h>

#include <atomic>
#include <span>
#include <vector>

#include "BufferRecycler.h"
#include "CompressedBlock.h"
#include "CompressionJob.h"
#include "SyncFlushEnding.h"
#include "WholeEntryDeflater.h"

class BlockCompressor {
public:
    // Takes its output buffers from `buffers` (null: new ones each time).
    explicit BlockCompressor(BufferRecycler* buffers = nullptr) : buffers_(buffers) {}
    ~BlockCompressor();
    BlockCompressor(const BlockCompressor&) = delete;
    BlockCompressor& operator=(const BlockCompressor&) = delete;

    // Does `job`. Gives up between chunks once `stop` is set (the block is
    // then incomplete; nobody uses it).
    CompressedBlock Run(const CompressionJob& job, const std::atomic<bool>& stop);

    // An empty final deflate block: ends a stream whose pieces so far all
    // ended on a sync flush (an empty file, or one cut short by a cancel).
    static constexpr unsigned char kEndOfStream[2] = {0x03, 0x00};

private:
    bool prepare(int level, std::span<const unsigned char> dictionary);
    bool deflateChunk(std::span<const unsigned char> chunk, bool last, std::vector<unsigned char>& out);
    bool doChunks(const CompressionJob& job, size_t dictionary, size_t usable, CompressedBlock& block,
                  const std::atomic<bool>& stop);
    bool deflateJobWhole(const CompressionJob& job, CompressedBlock& block);

    BufferRecycler* buffers_;
    z_stream stream_{};
    bool ready_ = false;
    int level_ = 0;
    std::vector<unsigned char> input_;
    WholeEntryDeflater libdeflate_;
    SyncFlushEnding ending_;
};
