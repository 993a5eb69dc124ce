// For each corpus part: every file compressed whole, once with zlib (raw
// deflate, window 15, memory level 8: what minizip makes) at each level and
// once with libdeflate at each level. Prints the part's total compressed
// bytes and the seconds spent, one thread, so a libdeflate level can be
// chosen that makes no larger archives than zlib's default.
//   deflate_levels_bench [--corpus DIR] [--parts a,b] [--max-files N]
#include <libdeflate.h>
#include <zlib.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "BenchSupport.h"

namespace fs = std::filesystem;

namespace {

using Clock = std::chrono::steady_clock;

std::vector<unsigned char> readAll(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

size_t zlibSize(const std::vector<unsigned char>& data, int level, std::vector<unsigned char>& out)
{
    z_stream s{};
    deflateInit2(&s, level, Z_DEFLATED, -MAX_WBITS, 8, Z_DEFAULT_STRATEGY);
    out.resize(deflateBound(&s, uLong(data.size())));
    s.next_in = const_cast<Bytef*>(data.data());
    s.avail_in = uInt(data.size());
    s.next_out = out.data();
    s.avail_out = uInt(out.size());
    deflate(&s, Z_FINISH);
    const size_t size = s.total_out;
    deflateEnd(&s);
    return size;
}

struct Figure {
    std::string name;
    uint64_t bytes = 0;
    double seconds = 0;
};

}  // namespace

int main(int argc, char** argv)
{
    fs::path corpus = "/tmp/volarin-corpus";
    std::vector<std::string> parts = {"photos", "docs", "many"};
    size_t maxFiles = 0;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (std::strcmp(argv[i], "--corpus") == 0) {
            corpus = argv[i + 1];
        } else if (std::strcmp(argv[i], "--parts") == 0) {
            parts.clear();
            std::istringstream list(argv[i + 1]);
            for (std::string p; std::getline(list, p, ',');)
                parts.push_back(p);
        } else if (std::strcmp(argv[i], "--max-files") == 0) {
            maxFiles = std::stoul(argv[i + 1]);
        }
    }
    bench::ensureCorpus(corpus);
    std::vector<unsigned char> out;
    for (const std::string& part : parts) {
        std::vector<fs::path> files = bench::filesIn(corpus / "corpus" / part);
        if (maxFiles > 0 && files.size() > maxFiles)
            files.resize(maxFiles);
        std::vector<std::vector<unsigned char>> data;
        uint64_t total = 0;
        for (const fs::path& f : files) {
            data.push_back(readAll(f));
            total += data.back().size();
        }
        std::vector<Figure> figures;
        for (int level = 1; level <= 9; ++level) {
            Figure f{"zlib-" + std::to_string(level)};
            const auto start = Clock::now();
            for (const auto& d : data)
                f.bytes += zlibSize(d, level, out);
            f.seconds = std::chrono::duration<double>(Clock::now() - start).count();
            figures.push_back(f);
        }
        for (int level = 0; level <= 12; ++level) {
            Figure f{"libdeflate-" + std::to_string(level)};
            libdeflate_compressor* c = libdeflate_alloc_compressor(level);
            const auto start = Clock::now();
            for (const auto& d : data) {
                out.resize(libdeflate_deflate_compress_bound(c, d.size()));
                f.bytes += libdeflate_deflate_compress(c, d.data(), d.size(), out.data(), out.size());
            }
            f.seconds = std::chrono::duration<double>(Clock::now() - start).count();
            libdeflate_free_compressor(c);
            figures.push_back(f);
        }
        std::printf("%s: %zu files, %.3f MB\n", part.c_str(), files.size(), double(total) / 1e6);
        const uint64_t zlib6 = figures[5].bytes;
        for (const Figure& f : figures)
            std::printf("  %-14s %14llu bytes %+8.3f%% vs zlib-6 %8.3f s\n", f.name.c_str(),
                        static_cast<unsigned long long>(f.bytes), (double(f.bytes) / double(zlib6) - 1) * 100,
                        f.seconds);
    }
    return 0;
}
