// libdeflate's streams reopened as pieces: joined one after the other, with
// the last one left final, they inflate to the bytes they were made of,
// whatever blocks they hold and whichever bit of its last byte a stream ends
// on. (The Zipper's tests read such entries with every reader.)
#include <gtest/gtest.h>
#include <libdeflate.h>
#include <zlib.h>

#include <set>
#include <string>
#include <vector>

#include "ParallelRun.h"
#include "RandomBytes.h"
#include "SyncFlushEnding.h"

namespace {

using Bytes = std::vector<unsigned char>;

Bytes deflated(const std::string& data, int level)
{
    libdeflate_compressor* c = libdeflate_alloc_compressor(level);
    Bytes out(libdeflate_deflate_compress_bound(c, data.size()));
    out.resize(libdeflate_deflate_compress(c, data.data(), data.size(), out.data(), out.size()));
    libdeflate_free_compressor(c);
    return out;
}

std::string zlibInflated(const Bytes& stream)
{
    z_stream s{};
    inflateInit2(&s, -MAX_WBITS);
    std::string out;
    unsigned char buffer[65536];
    s.next_in = const_cast<unsigned char*>(stream.data());
    s.avail_in = uInt(stream.size());
    int err = Z_OK;
    while (err == Z_OK) {
        s.next_out = buffer;
        s.avail_out = sizeof buffer;
        err = inflate(&s, Z_NO_FLUSH);
        out.append(reinterpret_cast<char*>(buffer), sizeof buffer - s.avail_out);
    }
    const bool whole = err == Z_STREAM_END && s.avail_in == 0;
    inflateEnd(&s);
    return whole ? out : "NOT ONE WHOLE STREAM";
}

// The bit of its last byte that `stream`'s final block ends on (0: it fills
// the byte), found with zlib's block-by-block inflate.
int endBit(const Bytes& stream)
{
    z_stream s{};
    inflateInit2(&s, -MAX_WBITS);
    unsigned char buffer[65536];
    s.next_in = const_cast<unsigned char*>(stream.data());
    s.avail_in = uInt(stream.size());
    int bit = -1;
    for (int err = Z_OK; err == Z_OK && bit < 0;) {
        s.next_out = buffer;
        s.avail_out = sizeof buffer;
        err = inflate(&s, Z_BLOCK);
        if ((s.data_type & 192) == 192)
            bit = (8 - (s.data_type & 7)) % 8;
    }
    inflateEnd(&s);
    return bit;
}

struct JoinCase {
    const char* name;
    std::string bytes;
    int level;
};

class SyncFlushEndingJoin : public ::testing::TestWithParam<JoinCase> {};

// The bytes cut in three pieces of different sizes behind a few bytes that
// are not touched (as a block's earlier pieces), the first two reopened.
TEST_P(SyncFlushEndingJoin, ReopenedPiecesJoinIntoOneStream)
{
    const JoinCase& c = GetParam();
    const size_t cuts[] = {0, c.bytes.size() / 5, c.bytes.size() / 2, c.bytes.size()};
    const Bytes before = {0xAB, 0xCD};
    Bytes joined = before;
    SyncFlushEnding ending;
    for (int i = 0; i < 3; ++i) {
        const size_t begin = joined.size();
        const Bytes piece = deflated(c.bytes.substr(cuts[i], cuts[i + 1] - cuts[i]), c.level);
        joined.insert(joined.end(), piece.begin(), piece.end());
        if (i < 2) {
            ASSERT_TRUE(ending.Apply(joined, begin)) << i;
            EXPECT_EQ(Bytes(joined.end() - 4, joined.end()), (Bytes{0x00, 0x00, 0xFF, 0xFF}));
        }
    }
    ASSERT_EQ(Bytes(joined.begin(), joined.begin() + 2), before);
    joined.erase(joined.begin(), joined.begin() + 2);
    EXPECT_TRUE(zlibInflated(joined) == c.bytes);
}

INSTANTIATE_TEST_SUITE_P(
    BlockKinds, SyncFlushEndingJoin,
    ::testing::Values(JoinCase{"DynamicCodes", textLike(400000, 1), 7},
                      JoinCase{"FastestLevel", textLike(400000, 2), 1},
                      JoinCase{"SlowestLevel", textLike(200000, 3), 12},
                      // Stored blocks: every piece ends on a byte boundary.
                      JoinCase{"Random", randomBytes(300000, 4), 7},
                      JoinCase{"StoredOnly", textLike(150000, 5), 0},
                      // A few bytes: one block of fixed codes.
                      JoinCase{"Tiny", "abcabcabcx", 7}),
    [](const ::testing::TestParamInfo<JoinCase>& info) { return std::string(info.param.name); });

// Whichever bit a stream ends on, the empty stored block after it starts
// there: in the same byte when 3 bits are left, in a new one otherwise.
TEST(SyncFlushEnding, JoinsStreamsEndingOnEveryBitOfTheirLastByte)
{
    std::set<int> endBits;
    SyncFlushEnding ending;
    const std::string tail = textLike(5000, 99);
    for (size_t size = 2000; size < 2400 && endBits.size() < 8; ++size) {
        const std::string head = textLike(size, unsigned(size));
        Bytes joined = deflated(head, 6);
        endBits.insert(endBit(joined));
        ASSERT_TRUE(ending.Apply(joined, 0)) << size;
        const Bytes last = deflated(tail, 6);
        joined.insert(joined.end(), last.begin(), last.end());
        ASSERT_TRUE(zlibInflated(joined) == head + tail) << size;
    }
    EXPECT_EQ(endBits, (std::set<int>{0, 1, 2, 3, 4, 5, 6, 7}));
}

// Anything but exactly one whole stream is refused and left as it was.
TEST(SyncFlushEnding, RefusesWhatIsNotOneWholeStream)
{
    const Bytes stream = deflated(textLike(100000, 8), 7);
    Bytes cutShort(stream.begin(), stream.end() - 1);
    Bytes withMore = stream;
    withMore.push_back(0x00);
    Bytes reopenedTwice = stream;
    SyncFlushEnding ending;
    ASSERT_TRUE(ending.Apply(reopenedTwice, 0));
    for (Bytes* wrong : {&cutShort, &withMore, &reopenedTwice}) {
        const Bytes kept = *wrong;
        EXPECT_FALSE(ending.Apply(*wrong, 0));
        EXPECT_EQ(*wrong, kept);
    }
    Bytes nothing;
    EXPECT_FALSE(ending.Apply(nothing, 0));
}

}  // namespace
