#pragma once
// An archive held in memory, read as the proof reads a file: for tests and
// fuzzing. Like a file still being written, only the bytes before the limit
// may be read.
#include <algorithm>
#include <cstring>
#include <string_view>

#include "ArchiveBytes.h"

class MemoryArchiveBytes : public ArchiveBytes {
public:
    // `bytes` must outlive this object; the limit starts at their end.
    explicit MemoryArchiveBytes(std::string_view bytes) : bytes_(bytes), limit_(bytes.size()) {}

    void SetLimit(uint64_t limit) { limit_ = std::min<uint64_t>(limit, bytes_.size()); }

    uint64_t Size() const override { return limit_; }
    bool Read(uint64_t at, void* out, size_t size) override
    {
        if (at > limit_ || size > limit_ - at)
            return false;
        if (size > 0)
            std::memcpy(out, bytes_.data() + at, size);
        return true;
    }
    std::error_code Error() const override { return {}; }

private:
    std::string_view bytes_;
    uint64_t limit_;
};
