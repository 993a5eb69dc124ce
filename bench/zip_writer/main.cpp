// zip_writer_bench [corpus folder...]
//
// Without arguments it makes its own corpus in memory: text like the "docs"
// set of gen_corpus.py and random bytes like its "photos" set. Given folders
// (for example corpus/docs corpus/photos made by gen_corpus.py) it reads every
// file in them instead. Files are read into memory first, so only compressing
// and writing are timed, as processor time of this process (user + system,
// so the writer's file writes count) so that other load on the machine
// disturbs the figures less. Each set is timed five times, alternating, and
// the best run counts.
#include <zlib.h>

#include <algorithm>
#include <ctime>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <span>
#include <string>
#include <vector>

#include <unistd.h>

#include "ZipWriter.h"

namespace fs = std::filesystem;

namespace {

constexpr size_t kChunk = 128 * 1024;

struct File {
    std::string name;
    std::vector<unsigned char> data;
};

struct CorpusSet {
    std::string name;
    std::vector<File> files;
    size_t bytes() const
    {
        size_t total = 0;
        for (const File& f : files)
            total += f.data.size();
        return total;
    }
};

std::vector<unsigned char> wordText(std::mt19937_64& random, size_t size)
{
    static const char* words[] = {"the", "of", "and", "archive", "entry", "folder", "deflate", "window",
                                  "stream", "header", "record", "value", "list", "file", "name", "size",
                                  "is", "a", "to", "in", "that", "for", "with", "on", "by", "zip"};
    std::vector<unsigned char> text;
    text.reserve(size);
    std::geometric_distribution<int> pick(0.18);
    while (text.size() < size) {
        const int n = std::min<int>(pick(random), std::size(words) - 1);
        std::string word = words[n];
        if (random() % 9 == 0)
            word = std::to_string(random() % 100000);
        text.insert(text.end(), word.begin(), word.end());
        text.push_back(random() % 14 == 0 ? '\n' : ' ');
    }
    text.resize(size);
    return text;
}

std::vector<CorpusSet> madeCorpus()
{
    std::mt19937_64 random(20240601);
    CorpusSet docs{"docs (made)", {}};
    for (int i = 0; i < 200; ++i)
        docs.files.push_back({"doc_" + std::to_string(i) + ".txt", wordText(random, 10000 + random() % 190000)});
    CorpusSet photos{"photos (made)", {}};
    for (int i = 0; i < 12; ++i) {
        std::vector<unsigned char> bytes(1000000 + random() % 3000000);
        for (auto& b : bytes)
            b = static_cast<unsigned char>(random());
        photos.files.push_back({"IMG_" + std::to_string(1000 + i) + ".jpg", std::move(bytes)});
    }
    return {std::move(docs), std::move(photos)};
}

CorpusSet readFolder(const fs::path& folder)
{
    CorpusSet set{folder.filename().string(), {}};
    std::vector<fs::path> paths;
    for (const auto& item : fs::directory_iterator(folder))
        if (item.is_regular_file())
            paths.push_back(item.path());
    std::sort(paths.begin(), paths.end());
    for (const fs::path& path : paths) {
        std::ifstream in(path, std::ios::binary);
        set.files.push_back({path.filename().string(),
                              {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()}});
    }
    return set;
}

double cpuSeconds()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) / 1e9;
}

// The writer: one entry per file, fed in 128 KiB chunks, into a file on disk.
double timeWriter(const CorpusSet& set, const fs::path& archive)
{
    const double start = cpuSeconds();
    ZipWriter writer;
    bool failed = writer.OpenZip(archive.string());
    for (const File& f : set.files) {
        failed = failed || writer.OpenFileInZip(f.name, 8, -1, 0, {}, 45000.5, {}, 0, f.data.size());
        for (size_t at = 0; at < f.data.size() && !failed; at += kChunk)
            failed = writer.WriteBytes(std::span(f.data).subspan(at, std::min(kChunk, f.data.size() - at)));
        failed = failed || writer.CloseFileInZip();
    }
    failed = writer.CloseZip() || failed;
    if (failed) {
        std::fprintf(stderr, "writer failed with %d\n", writer.Result());
        std::exit(1);
    }
    return cpuSeconds() - start;
}

// zlib alone: the same chunks, raw deflate at level 6, output dropped.
double timeDeflate(const CorpusSet& set, size_t& compressed)
{
    std::vector<unsigned char> out(64 * 1024);
    compressed = 0;
    const double start = cpuSeconds();
    for (const File& f : set.files) {
        z_stream s{};
        deflateInit2(&s, 6, Z_DEFLATED, -MAX_WBITS, 8, Z_DEFAULT_STRATEGY);
        size_t at = 0;
        int flush;
        do {
            const size_t n = std::min(kChunk, f.data.size() - at);
            s.next_in = const_cast<Bytef*>(f.data.data() + at);
            s.avail_in = static_cast<uInt>(n);
            at += n;
            flush = at == f.data.size() ? Z_FINISH : Z_NO_FLUSH;
            do {
                s.next_out = out.data();
                s.avail_out = static_cast<uInt>(out.size());
                deflate(&s, flush);
                compressed += out.size() - s.avail_out;
            } while (s.avail_out == 0);
        } while (flush != Z_FINISH);
        deflateEnd(&s);
    }
    return cpuSeconds() - start;
}

}  // namespace

int main(int argc, char** argv)
{
    std::vector<CorpusSet> sets;
    if (argc > 1) {
        for (int i = 1; i < argc; ++i)
            sets.push_back(readFolder(argv[i]));
    } else {
        sets = madeCorpus();
    }
    const fs::path archive = fs::temp_directory_path() / ("zip_writer_bench_" + std::to_string(getpid()) + ".zip");

    std::printf("%-16s %9s %12s %12s %9s %9s\n", "set", "MB", "writer MB/s", "zlib MB/s", "overhead", "ratio");
    double allWriter = 0, allDeflate = 0, allBytes = 0;
    for (const CorpusSet& set : sets) {
        double writer = 1e30, deflate = 1e30;
        size_t compressed = 0;
        for (int run = 0; run < 5; ++run) {
            writer = std::min(writer, timeWriter(set, archive));
            deflate = std::min(deflate, timeDeflate(set, compressed));
        }
        const double mb = static_cast<double>(set.bytes()) / 1e6;
        std::printf("%-16s %9.1f %12.1f %12.1f %8.1f%% %9.2f\n", set.name.c_str(), mb, mb / writer, mb / deflate,
                    100.0 * (writer / deflate - 1.0), static_cast<double>(set.bytes()) / compressed);
        allWriter += writer;
        allDeflate += deflate;
        allBytes += mb;
    }
    std::printf("%-16s %9.1f %12.1f %12.1f %8.1f%%\n", "all", allBytes, allBytes / allWriter, allBytes / allDeflate,
                100.0 * (allWriter / allDeflate - 1.0));
    fs::remove(archive);
    return 0;
}
