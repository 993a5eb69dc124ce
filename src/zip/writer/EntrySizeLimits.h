#pragma once
// How much room an entry of a given size can take in the archive, and so
// whether it must be written with Zip64: without it sizes past 4 GiB would
// wrap round.
#include <cstddef>
#include <cstdint>

namespace EntrySizeLimits {

constexpr uint64_t kZip32Limit = 0xFFFFFFFFu;
constexpr size_t kEncryptionHeader = 12;

// The most an entry of `size` bytes can take in the archive.
uint64_t StoredBound(uint64_t size, bool deflated, int level, bool encrypted);
// The most data an entry without Zip64 may take: the largest size whose
// bound stays under 4 GiB.
uint64_t LargestWithoutZip64(bool deflated, int level, bool encrypted);
// Whether an entry expected to hold `expectedSize` bytes needs Zip64; `raw`:
// its data arrives deflated already, in independently flushed pieces.
bool NeedsZip64(uint64_t expectedSize, bool deflated, int level, bool encrypted, bool raw);

}  // namespace EntrySizeLimits
