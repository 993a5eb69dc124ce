#pragma once
// Deflates a whole entry (or a whole job of a larger one) in one call with
// libdeflate, two to three times as fast as zlib at the same ratio. libdeflate
// has no streaming and no preset dictionary, so entries small enough to be
// held whole are made this way (kLimit); larger ones a job at a time, each
// job's stream reopened to join the next (SyncFlushEnding). Either way the
// entry is ordinary deflate (method 8). One per worker: not to be shared by
// threads.
#include <cstdint>
#include <span>
#include <vector>

struct libdeflate_compressor;

class WholeEntryDeflater {
public:
    // Entries up to this many bytes are deflated whole. Held with its output
    // by the worker, so two workers with one entry each and one ahead stay
    // within the run's 16 MiB in flight.
    static constexpr int64_t kLimit = 4 << 20;
    // Below this libdeflate stores the bytes as they are, a few bytes more
    // than zlib's fixed codes; such tiny entries keep zlib.
    static constexpr int64_t kMinimum = 64;

    // The libdeflate level that makes output no larger than zlib's at
    // `zlibLevel` (-1: zlib's default, 6), and no slower than needed.
    static int LevelFor(int zlibLevel);

    WholeEntryDeflater() = default;
    ~WholeEntryDeflater();
    WholeEntryDeflater(const WholeEntryDeflater&) = delete;
    WholeEntryDeflater& operator=(const WholeEntryDeflater&) = delete;

    // Appends the raw deflate stream of `data` (ended, final block set) to
    // `out`; false when the compressor cannot be made.
    bool Deflate(std::span<const unsigned char> data, int zlibLevel, std::vector<unsigned char>& out);
    // The same at libdeflate's own `level` (0: stored blocks only).
    bool DeflateAtLevel(std::span<const unsigned char> data, int level, std::vector<unsigned char>& out);

private:
    libdeflate_compressor* compressor_ = nullptr;
    int level_ = -1;
};
