#include "WholeEntryDeflater.h"

#include <libdeflate.h>

#include <algorithm>

WholeEntryDeflater::~WholeEntryDeflater()
{
    libdeflate_free_compressor(compressor_);
}

int WholeEntryDeflater::LevelFor(int zlibLevel)
{
    // Measured on the corpus (bench/deflate_levels): libdeflate's level 7 is
    // the first whose text output is no larger than zlib's level 6; below
    // that, libdeflate's equal level is already at least as small, above it
    // one more level matches zlib's 8 and 9.
    static constexpr int kLevels[10] = {0, 1, 2, 3, 4, 5, 7, 8, 9, 10};
    if (zlibLevel < 0 || zlibLevel > 9)
        return kLevels[6];
    return kLevels[zlibLevel];
}

bool WholeEntryDeflater::Deflate(std::span<const unsigned char> data, int zlibLevel, std::vector<unsigned char>& out)
{
    return DeflateAtLevel(data, LevelFor(zlibLevel), out);
}

bool WholeEntryDeflater::DeflateAtLevel(std::span<const unsigned char> data, int level,
                                        std::vector<unsigned char>& out)
{
    if (compressor_ == nullptr || level != level_) {
        libdeflate_free_compressor(compressor_);
        compressor_ = libdeflate_alloc_compressor(level);
        level_ = level;
        if (compressor_ == nullptr)
            return false;
    }
    const size_t used = out.size();
    out.resize(used + libdeflate_deflate_compress_bound(compressor_, data.size()));
    const size_t made =
        libdeflate_deflate_compress(compressor_, data.data(), data.size(), out.data() + used, out.size() - used);
    // Within the bound it cannot fail; 0 would mean it did.
    out.resize(used + made);
    return made > 0;
}
