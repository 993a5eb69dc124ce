#pragma once
// Turns a finished raw deflate stream (libdeflate's: its last block is marked
// final) into a piece that ends as zlib's Z_SYNC_FLUSH ends one: no block
// marked final, then an empty stored block, so it stops on a byte boundary
// and the next piece can follow it in the same stream. The last block's
// header is found by inflating the piece with zlib, which stops at every
// block boundary and tells the bit it stopped at. One per worker: not to be
// shared by threads.
#include <zlib.h>

#include <cstddef>
#include <vector>

class SyncFlushEnding {
public:
    SyncFlushEnding() = default;
    ~SyncFlushEnding();
    SyncFlushEnding(const SyncFlushEnding&) = delete;
    SyncFlushEnding& operator=(const SyncFlushEnding&) = delete;

    // Rewrites the stream that fills `data` from `begin` to its end. False,
    // with `data` as it was, when that is not exactly one whole stream or the
    // inflater cannot be made.
    bool Apply(std::vector<unsigned char>& data, size_t begin);

private:
    bool prepare();

    z_stream stream_{};
    bool ready_ = false;
    std::vector<unsigned char> scratch_;
};
