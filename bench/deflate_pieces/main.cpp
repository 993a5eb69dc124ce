// For each file named: the whole file cut into pieces that join into one raw
// deflate stream, made as zlib does it today (chunks of 128 KiB ending on a
// sync flush, jobs of 8 chunks primed with the 32 KiB before them, level 6)
// and as libdeflate does it (each piece deflated alone, its final block
// reopened by SyncFlushEnding) with pieces of one chunk, half a job, the
// workers' piece (5 chunks) and one job, at each level. Prints bytes against zlib's and seconds on one thread; every
// joined stream is inflated and compared with the file.
//   deflate_pieces_bench FILE... [--levels 1,6,7]
#include <libdeflate.h>
#include <zlib.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "PassPlan.h"
#include "SyncFlushEnding.h"

namespace {

using Clock = std::chrono::steady_clock;
using Bytes = std::vector<unsigned char>;

constexpr size_t kChunk = 128 * 1024;
constexpr size_t kJob = 8 * kChunk;
constexpr size_t kPiece = PassPlan::kChunksPerPiece * kChunk;  // what the workers use
constexpr size_t kWindow = 32 * 1024;

Bytes readAll(const char* file)
{
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

Bytes zlibJoined(const Bytes& data)
{
    Bytes out;
    out.reserve(compressBound(uLong(data.size())) + data.size() / kChunk * 8);
    for (size_t job = 0; job < data.size(); job += kJob) {
        z_stream s{};
        deflateInit2(&s, 6, Z_DEFLATED, -MAX_WBITS, 8, Z_DEFAULT_STRATEGY);
        const size_t dictionary = std::min(job, kWindow);
        if (dictionary > 0)
            deflateSetDictionary(&s, data.data() + job - dictionary, uInt(dictionary));
        const size_t end = std::min(data.size(), job + kJob);
        for (size_t chunk = job; chunk < end; chunk += kChunk) {
            const size_t size = std::min(kChunk, end - chunk);
            const bool last = chunk + size == data.size();
            size_t used = out.size();
            out.resize(used + deflateBound(&s, uLong(size)) + 16);
            s.next_in = const_cast<Bytef*>(data.data() + chunk);
            s.avail_in = uInt(size);
            s.next_out = out.data() + used;
            s.avail_out = uInt(out.size() - used);
            deflate(&s, last ? Z_FINISH : Z_SYNC_FLUSH);
            out.resize(out.size() - s.avail_out);
        }
        deflateEnd(&s);
    }
    return out;
}

bool libdeflateJoined(const Bytes& data, size_t piece, int level, Bytes& out, double& fixSeconds)
{
    libdeflate_compressor* c = libdeflate_alloc_compressor(level);
    SyncFlushEnding ending;
    out.clear();
    out.reserve(data.size() + data.size() / 1000 + 1024);
    for (size_t at = 0; at < data.size(); at += piece) {
        const size_t size = std::min(piece, data.size() - at);
        const size_t used = out.size();
        out.resize(used + libdeflate_deflate_compress_bound(c, size));
        out.resize(used + libdeflate_deflate_compress(c, data.data() + at, size, out.data() + used, out.size() - used));
        if (at + size < data.size()) {
            const auto start = Clock::now();
            if (!ending.Apply(out, used))
                return false;
            fixSeconds += std::chrono::duration<double>(Clock::now() - start).count();
        }
    }
    libdeflate_free_compressor(c);
    return true;
}

bool inflatesTo(const Bytes& stream, const Bytes& data)
{
    libdeflate_decompressor* d = libdeflate_alloc_decompressor();
    Bytes back(data.size());
    size_t got = 0;
    const bool ok = libdeflate_deflate_decompress(d, stream.data(), stream.size(), back.data(), back.size(), &got) ==
                        LIBDEFLATE_SUCCESS &&
                    got == data.size() && back == data;
    libdeflate_free_decompressor(d);
    return ok;
}

double since(Clock::time_point start)
{
    return std::chrono::duration<double>(Clock::now() - start).count();
}

}  // namespace

int main(int argc, char** argv)
{
    std::vector<const char*> files;
    std::vector<int> levels = {1, 2, 3, 4, 5, 6, 7, 8, 9};
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--levels") == 0 && i + 1 < argc) {
            levels.clear();
            std::istringstream list(argv[++i]);
            for (std::string level; std::getline(list, level, ',');)
                levels.push_back(std::stoi(level));
        } else {
            files.push_back(argv[i]);
        }
    }
    for (const char* file : files) {
        const Bytes data = readAll(file);
        auto start = Clock::now();
        const Bytes zlib = zlibJoined(data);
        const double zlibSeconds = since(start);
        std::printf("%s: %zu bytes\n  %-22s %12zu bytes %+7.3f%% %8.3f s%s\n", file, data.size(), "zlib-6 chunks",
                    zlib.size(), 0.0, zlibSeconds, inflatesTo(zlib, data) ? "" : "  BROKEN");
        for (size_t piece : {kChunk, kJob / 2, kPiece, kJob}) {
            for (int level : levels) {
                Bytes out;
                double fixSeconds = 0;
                start = Clock::now();
                const bool made = libdeflateJoined(data, piece, level, out, fixSeconds);
                const double total = since(start);
                const std::string name = "libdeflate-" + std::to_string(level) +
                                         (piece == kChunk  ? " per chunk"
                                          : piece == kJob  ? " per job"
                                          : piece == kPiece ? " per piece"
                                                            : " per half job");
                std::printf("  %-22s %12zu bytes %+7.3f%% %8.3f s (ending %.3f s)%s\n", name.c_str(), out.size(),
                            (double(out.size()) / double(zlib.size()) - 1) * 100, total, fixSeconds,
                            made && inflatesTo(out, data) ? "" : "  BROKEN");
            }
        }
    }
    return 0;
}
