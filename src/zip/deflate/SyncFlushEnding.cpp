#include "SyncFlushEnding.h"

#include <iterator>

namespace {

// Inflated bytes are thrown away; zlib keeps its own window for the matches
// that reach back past this buffer.
constexpr size_t kScratch = 32 * 1024;
// Bit 7 of data_type: inflate stopped at a block boundary (Z_BLOCK).
constexpr int kAtBlockBoundary = 128;
// Bit 6: the block just ended was marked final.
constexpr int kAfterFinalBlock = 64;
// An empty stored block's length and its complement, after the 3 header bits
// and the padding to the byte.
constexpr unsigned char kEmptyStoredLengths[4] = {0x00, 0x00, 0xFF, 0xFF};

}  // namespace

SyncFlushEnding::~SyncFlushEnding()
{
    if (ready_)
        inflateEnd(&stream_);
}

bool SyncFlushEnding::prepare()
{
    if (ready_)
        return inflateReset(&stream_) == Z_OK;
    stream_ = z_stream{};
    ready_ = inflateInit2(&stream_, -MAX_WBITS) == Z_OK;
    scratch_.resize(kScratch);
    return ready_;
}

bool SyncFlushEnding::Apply(std::vector<unsigned char>& data, size_t begin)
{
    if (begin >= data.size() || !prepare())
        return false;
    const size_t size = data.size() - begin;
    stream_.next_in = data.data() + begin;
    stream_.avail_in = static_cast<uInt>(size);
    stream_.avail_out = 0;
    size_t lastHeaderBit = 0;  // a raw stream's first block starts at once
    int unusedBits = -1;
    for (;;) {
        if (stream_.avail_out == 0) {
            stream_.next_out = scratch_.data();
            stream_.avail_out = static_cast<uInt>(scratch_.size());
        }
        const int err = inflate(&stream_, Z_BLOCK);
        if (err == Z_STREAM_END)
            break;
        if (err != Z_OK)
            return false;
        // The low 3 bits: bits of the last byte taken that inflate has not
        // used (dropped once it goes on past the final block's end).
        if ((stream_.data_type & kAtBlockBoundary) == 0)
            continue;
        if ((stream_.data_type & kAfterFinalBlock) != 0)
            unusedBits = stream_.data_type & 7;
        else
            lastHeaderBit = size_t(stream_.total_in) * 8 - size_t(stream_.data_type & 7);
    }
    unsigned char& header = data[begin + lastHeaderBit / 8];
    const unsigned char finalBit = static_cast<unsigned char>(1u << (lastHeaderBit % 8));
    if (stream_.avail_in != 0 || unusedBits < 0 || (header & finalBit) == 0)
        return false;
    header &= static_cast<unsigned char>(~finalBit);
    // An empty stored block: 3 zero header bits, in the last byte's unused
    // bits if they fit, then zero bits to the byte's end.
    data.back() &= static_cast<unsigned char>(0xFFu >> unusedBits);
    if (unusedBits < 3)
        data.push_back(0);
    data.insert(data.end(), std::begin(kEmptyStoredLengths), std::end(kEmptyStoredLengths));
    return true;
}
