#pragma once
// Where compression workers leave finished blocks for the window's thread,
// which takes them in its own order (by sequence number), never waiting: it
// asks whether a range is complete and, if not, is called back (through
// `wake`, from a worker's thread) once it is. Blocks nobody expects any more
// (dropped by a cancel) are thrown away as they arrive.
#include <cstdint>
#include <functional>
#include <map>
#include <mutex>
#include <optional>

#include "CompressedBlock.h"

class OrderedResults {
public:
    explicit OrderedResults(std::function<void()> wake) : wake_(std::move(wake)) {}

    // The window's thread will want the blocks of first..last.
    void Expect(uint64_t first, uint64_t last);
    // A worker's finished block.
    void Put(CompressedBlock&& block);
    // True when the blocks of first..last are all there; otherwise `wake` is
    // called once they are.
    bool ReadyOrWake(uint64_t first, uint64_t last) { return ReadyOrWake(first, last, last); }
    // The same, but the wake waits until the blocks up to `wakeLast` (>= last)
    // are there too: one wake for several small blocks.
    bool ReadyOrWake(uint64_t first, uint64_t last, uint64_t wakeLast);
    // Takes the block of `seq`; empty when it is not there.
    std::optional<CompressedBlock> Take(uint64_t seq);
    // Blocks of `seq` and later are not wanted any more.
    void ForgetFrom(uint64_t seq);

private:
    bool completeLocked(uint64_t first, uint64_t last) const;

    std::function<void()> wake_;
    std::mutex mutex_;
    std::map<uint64_t, std::optional<CompressedBlock>> slots_;
    bool waiting_ = false;
    uint64_t waitFirst_ = 0;
    uint64_t waitLast_ = 0;
};
