#include "EntrySizeLimits.h"

#include <minizip/zip.h>
#include <zlib.h>

namespace EntrySizeLimits {

namespace {

// Raw deflate data made in independently flushed pieces (one per 128 KiB at
// most) can outgrow one stream's bound by a few bytes per piece.
constexpr uint64_t kRawPieceSize = 128 * 1024;
constexpr uint64_t kRawPieceOverhead = 16;

}  // namespace

// Deflate can grow incompressible data slightly; its bound is only worked out
// exactly for sizes where it could matter.
uint64_t StoredBound(uint64_t size, bool deflated, int level, bool encrypted)
{
    uint64_t bound = size;
    if (deflated && size >= (3ull << 30)) {
        z_stream probe{};
        if (deflateInit2(&probe, level, Z_DEFLATED, -MAX_WBITS, DEF_MEM_LEVEL, Z_DEFAULT_STRATEGY) == Z_OK) {
            bound = deflateBound(&probe, size);
            deflateEnd(&probe);
        } else {
            bound = size + size / 8 + 64;
        }
    }
    return bound + (encrypted ? kEncryptionHeader : 0);
}

uint64_t LargestWithoutZip64(bool deflated, int level, bool encrypted)
{
    uint64_t low = 0;
    uint64_t high = kZip32Limit;
    while (low + 1 < high) {
        const uint64_t middle = low + (high - low) / 2;
        if (StoredBound(middle, deflated, level, encrypted) < kZip32Limit)
            low = middle;
        else
            high = middle;
    }
    return low;
}

bool NeedsZip64(uint64_t expectedSize, bool deflated, int level, bool encrypted, bool raw)
{
    uint64_t bound = StoredBound(expectedSize, deflated, level, encrypted);
    if (raw && deflated)
        bound += (expectedSize / kRawPieceSize + 1) * kRawPieceOverhead;
    return expectedSize >= kZip32Limit || bound >= kZip32Limit;
}

}  // namespace EntrySizeLimits
