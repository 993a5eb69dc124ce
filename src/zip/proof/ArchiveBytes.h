#pragma once
// Where the proof reads an archive from: the written file, or (for tests and
// fuzzing) bytes in memory.
#include <cstddef>
#include <cstdint>
#include <system_error>

class ArchiveBytes {
public:
    virtual ~ArchiveBytes() = default;

    // How many bytes may be read.
    virtual uint64_t Size() const = 0;
    // Exactly `size` bytes from `at`; false when they are not all there, or
    // when the system failed (Error() then says why).
    virtual bool Read(uint64_t at, void* out, size_t size) = 0;
    virtual std::error_code Error() const = 0;
};
