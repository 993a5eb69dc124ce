// Zipper throughput against Info-ZIP's `zip -q -j -6` on the same files, per
// corpus part, measured in the same run: median and range of repeated runs,
// the archive sizes, and the longest time the event loop was kept busy (what
// the window would feel). The Zipper uses one worker per usable core unless
// --workers says otherwise; run it under `taskset -c 0` to see the one-core
// path.
//
//   zipper_bench [--corpus DIR] [--reps N] [--parts a,b] [--workers N] [--no-peer]
//
// --no-peer leaves zip out (for profiling the Zipper alone with perf or strace).
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

#include <sys/resource.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#ifdef __GLIBC__
#include <malloc.h>
#endif

#include "BenchSupport.h"
#include "UsableCores.h"
#include "ZipWriter.h"
#include "Zipper.h"

namespace fs = std::filesystem;

namespace {

struct Options {
    fs::path corpus = bench::kDefaultCorpusRoot;
    std::vector<std::string> parts = {"photos", "docs", "big", "many"};
    int reps = 5;
    int workers = 0;  // 0: the production constructor (one per usable core)
    bool peer = true;
};

Options parse(int argc, char** argv)
{
    Options o;
    for (int i = 1; i < argc; ++i) {
        std::string a = argv[i];
        auto next = [&]() -> std::string { return i + 1 < argc ? argv[++i] : ""; };
        if (a == "--corpus") o.corpus = next();
        else if (a == "--reps") o.reps = std::max(1, std::atoi(next().c_str()));
        else if (a == "--parts") o.parts = bench::splitList(next());
        else if (a == "--workers") o.workers = std::max(1, std::atoi(next().c_str()));
        else if (a == "--no-peer") o.peer = false;
        else {
            std::fprintf(stderr, "unknown argument %s\n", a.c_str());
            std::exit(2);
        }
    }
    return o;
}

struct RunResult {
    double seconds = -1;  // negative: the run failed
    double cpuSeconds = 0;
    double longestBusyMs = 0;
};

// Processor time (user + system) of this process's threads, or of its
// finished children.
double cpuSeconds(int who)
{
    rusage usage{};
    getrusage(who, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

std::unique_ptr<Zipper> makeZipper(int workers)
{
    if (workers == 0)
        return std::make_unique<Zipper>();
    return std::make_unique<Zipper>(workers, [] { return std::unique_ptr<ZipWriterInterface>(new ZipWriter); });
}

// One Zipper run through the event loop, queueing included. A 5 ms heartbeat
// timer measures the longest gap in which the loop could not serve it.
RunResult zipperRun(const std::vector<fs::path>& files, const fs::path& archive, int workers)
{
    fs::remove(archive);
    RunResult result;
    const double cpuStart = cpuSeconds(RUSAGE_SELF);
    QElapsedTimer clock;
    clock.start();
    std::unique_ptr<Zipper> zipper = makeZipper(workers);
    for (const fs::path& f : files)
        if (zipper->AddFile(f))
            return result;
    bool ok = false;
    QEventLoop loop;
    QObject::connect(zipper.get(), &Zipper::Complete, &loop, [&] { ok = true; loop.quit(); });
    QObject::connect(zipper.get(), &Zipper::Error, &loop, [&] { loop.quit(); });
    QTimer heartbeat;
    heartbeat.setTimerType(Qt::PreciseTimer);
    heartbeat.setInterval(5);
    QElapsedTimer beat;
    beat.start();
    QObject::connect(&heartbeat, &QTimer::timeout, [&] {
        result.longestBusyMs = std::max(result.longestBusyMs, double(beat.nsecsElapsed()) / 1e6 - 5.0);
        beat.restart();
    });
    heartbeat.start();
    if (zipper->Zip(archive))
        return result;
    loop.exec();
    if (ok)
        result.seconds = bench::seconds(clock);
    result.cpuSeconds = cpuSeconds(RUSAGE_SELF) - cpuStart;
    return result;
}

std::string spread(const std::vector<double>& v)
{
    char text[64];
    std::snprintf(text, sizeof text, "%.3f [%.3f-%.3f]", bench::median(v), *std::min_element(v.begin(), v.end()),
                  *std::max_element(v.begin(), v.end()));
    return text;
}

}  // namespace

int main(int argc, char** argv)
{
    Options o = parse(argc, argv);
#ifdef __GLIBC__
    // minizip makes and frees a zlib stream per entry; with glibc's default
    // trimming the heap is given back and taken again for every small file.
    mallopt(M_TRIM_THRESHOLD, 256 * 1024 * 1024);
#endif
    QCoreApplication app(argc, argv);
    bench::ensureCorpus(o.corpus);
    fs::create_directories(o.corpus / "out");
    std::printf("Zipper (%d workers; %d usable cores) vs zip -q -j -6: seconds, median [range] of %d runs,\n"
                "runs alternating; processor time (user + system) of both, median; sizes of the\n"
                "archives; longest time the event loop was busy\n",
                o.workers == 0 ? UsableCores() : o.workers, UsableCores(), o.reps);
    std::printf("%-7s %6s %11s %22s %22s %6s %7s %7s %8s %8s\n", "part", "files", "bytes", "Zipper", "zip",
                "ratio", "cpu", "zip cpu", "size", "busy ms");
    bool allOk = true;
    for (const std::string& part : o.parts) {
        std::vector<fs::path> files = bench::filesIn(o.corpus / "corpus" / part);
        uintmax_t bytes = 0;
        for (const fs::path& f : files)
            bytes += fs::file_size(f);
        std::vector<double> ours, theirs, ourCpu, theirCpu;
        double busy = 0;
        const fs::path ourArchive = o.corpus / "out" / (part + "-zipper.zip");
        const fs::path theirArchive = o.corpus / "out" / (part + "-infozip.zip");
        bool ok = true;
        for (int r = 0; r < o.reps; ++r) {
            const RunResult run = zipperRun(files, ourArchive, o.workers);
            ours.push_back(run.seconds);
            ourCpu.push_back(run.cpuSeconds);
            busy = std::max(busy, run.longestBusyMs);
            const double childCpu = cpuSeconds(RUSAGE_CHILDREN);
            theirs.push_back(o.peer ? bench::infoZipRun(files, theirArchive) : 1.0);
            theirCpu.push_back(cpuSeconds(RUSAGE_CHILDREN) - childCpu);
            ok = ok && run.seconds >= 0 && theirs.back() >= 0;
        }
        ok = ok && bench::unzipTestQuiet(ourArchive);
        allOk = allOk && ok;
        const double sizeRatio =
            o.peer ? double(fs::file_size(ourArchive)) / double(fs::file_size(theirArchive)) : 1.0;
        std::printf("%-7s %6zu %11ju %22s %22s %5.2fx %7.2f %7.2f %7.4fx %8.1f%s\n", part.c_str(), files.size(),
                    bytes, spread(ours).c_str(), spread(theirs).c_str(), bench::median(ours) / bench::median(theirs),
                    bench::median(ourCpu), bench::median(theirCpu), sizeRatio, busy, ok ? "" : "  FAILED");
        std::fflush(stdout);
        fs::remove(ourArchive);
        fs::remove(theirArchive);
    }
    fs::remove_all(o.corpus / "out");
    return allOk ? 0 : 1;
}
