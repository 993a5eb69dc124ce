#pragma once
// Hands the byte buffers of finished blocks back to the workers. A block of a
// megabyte is larger than what malloc serves from its heap once the program
// has fixed its trim threshold, so each fresh one would be mapped, faulted
// in page by page and unmapped again (with every thread's TLB flushed).
// Keeps at most `limit` buffers.
#include <cstddef>
#include <mutex>
#include <vector>

class BufferRecycler {
public:
    explicit BufferRecycler(size_t limit) : limit_(limit) {}

    // An empty buffer, with room left from an earlier use where there is one.
    std::vector<unsigned char> Take();
    void Give(std::vector<unsigned char>&& buffer);

private:
    const size_t limit_;
    std::mutex mutex_;
    std::vector<std::vector<unsigned char>> buffers_;
};
