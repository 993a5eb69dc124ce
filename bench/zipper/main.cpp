// Zipper throughput against Info-ZIP's `zip -q -j -6` on the same files, per
// corpus part, measured in the same run. Also shows what a 16 ms timer pause
// and glibc's default heap trimming would cost.
//
//   zipper_bench [--corpus DIR] [--reps N] [--parts a,b] [--no-pause-run] [--no-trim-run]
//   zipper_bench --child-no-trim --corpus DIR --parts a,b --reps N   (used internally)
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QProcess>
#include <QStringList>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#ifdef __GLIBC__
#include <malloc.h>
#endif

#include "BenchSupport.h"
#include "Zipper.h"

namespace fs = std::filesystem;

namespace {

struct Options {
    fs::path corpus = bench::kDefaultCorpusRoot;
    std::vector<std::string> parts = {"photos", "docs", "big", "many"};
    int reps = 3;
    bool pauseRun = true;
    bool trimRun = true;
    bool childNoTrim = false;
    size_t pauseSampleMany = 2000;  // files of "many" zipped with the 16 ms pause
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
        else if (a == "--no-pause-run") o.pauseRun = false;
        else if (a == "--no-trim-run") o.trimRun = false;
        else if (a == "--pause-sample") o.pauseSampleMany = std::strtoul(next().c_str(), nullptr, 10);
        else if (a == "--child-no-trim") o.childNoTrim = true;
        else {
            std::fprintf(stderr, "unknown argument %s\n", a.c_str());
            std::exit(2);
        }
    }
    return o;
}

std::vector<fs::path> partFiles(const fs::path& corpus, const std::string& part)
{
    return bench::filesIn(corpus / "corpus" / part);
}

// Seconds for one Zipper run through the event loop, queueing included.
// Negative when the run failed.
double zipperRun(const std::vector<fs::path>& files, const fs::path& archive, int intervalMs)
{
    fs::remove(archive);
    QElapsedTimer clock;
    clock.start();
    Zipper zipper;
    zipper.tmrNext().setInterval(intervalMs);
    for (const fs::path& f : files)
        if (zipper.AddFile(f))
            return -1;
    bool ok = false;
    QEventLoop loop;
    QObject::connect(&zipper, &Zipper::Complete, &loop, [&] { ok = true; loop.quit(); });
    QObject::connect(&zipper, &Zipper::Error, &loop, [&] { loop.quit(); });
    if (zipper.Zip(archive))
        return -1;
    loop.exec();
    const double seconds = bench::seconds(clock);
    return ok ? seconds : -1;
}

// Zipper-only timings for the child run (heap trimming left at glibc's default).
int childNoTrim(const Options& o)
{
    fs::create_directories(o.corpus / "out");
    for (const std::string& part : o.parts) {
        std::vector<fs::path> files = partFiles(o.corpus, part);
        std::vector<double> t;
        for (int r = 0; r < o.reps; ++r)
            t.push_back(zipperRun(files, o.corpus / "out" / (part + "-notrim.zip"), 0));
        fs::remove(o.corpus / "out" / (part + "-notrim.zip"));
        std::printf("%s %.6f\n", part.c_str(), bench::median(t));
    }
    return 0;
}

// One Zipper run of `part` in a child process that leaves glibc's trimming as it is.
double childRunNoTrim(const Options& o, const char* self, const std::string& part)
{
    QProcess child;
    child.start(self, {"--child-no-trim", "--corpus", QString::fromStdString(o.corpus.string()), "--parts",
                       QString::fromStdString(part), "--reps", "1"});
    child.waitForFinished(-1);
    for (const QByteArray& line : child.readAllStandardOutput().split('\n')) {
        QList<QByteArray> f = line.split(' ');
        if (f.size() == 2 && f[0].toStdString() == part)
            return f[1].toDouble();
    }
    return -1;
}

}  // namespace

int main(int argc, char** argv)
{
    Options o = parse(argc, argv);
#ifdef __GLIBC__
    // minizip makes and frees a zlib stream per entry; with glibc's default
    // trimming the heap is given back and taken again for every small file.
    if (!o.childNoTrim)
        mallopt(M_TRIM_THRESHOLD, 256 * 1024 * 1024);
#endif
    QCoreApplication app(argc, argv);
    if (o.childNoTrim)
        return childNoTrim(o);

    bench::ensureCorpus(o.corpus);
    fs::create_directories(o.corpus / "out");
    std::printf("Zipper vs zip -q -j -6, median of %d runs each (seconds, wall time)\n", o.reps);
    std::printf("%-8s %7s %12s %10s %10s %8s\n", "part", "files", "bytes", "Zipper", "zip", "ratio");
    bool allOk = true;
    for (const std::string& part : o.parts) {
        std::vector<fs::path> files = partFiles(o.corpus, part);
        uintmax_t bytes = 0;
        for (const fs::path& f : files)
            bytes += fs::file_size(f);
        std::vector<double> ours, theirs;
        const fs::path ourArchive = o.corpus / "out" / (part + "-zipper.zip");
        const fs::path theirArchive = o.corpus / "out" / (part + "-infozip.zip");
        for (int r = 0; r < o.reps; ++r) {
            ours.push_back(zipperRun(files, ourArchive, 0));
            theirs.push_back(bench::infoZipRun(files, theirArchive));
        }
        bool ok = std::none_of(ours.begin(), ours.end(), [](double t) { return t < 0; }) &&
                  std::none_of(theirs.begin(), theirs.end(), [](double t) { return t < 0; }) &&
                  bench::unzipTestQuiet(ourArchive);
        allOk = allOk && ok;
        const double ourTime = bench::median(ours), theirTime = bench::median(theirs);
        std::printf("%-8s %7zu %12ju %10.3f %10.3f %7.2fx%s\n", part.c_str(), files.size(), bytes, ourTime, theirTime,
                    ourTime / theirTime, ok ? "" : "  FAILED");
        std::fflush(stdout);
        fs::remove(ourArchive);
        fs::remove(theirArchive);
    }

    if (o.pauseRun) {
        std::printf("\nWith a 16 ms timer interval instead of 0 (one run each)\n");
        std::printf("%-8s %7s %10s %10s %10s\n", "part", "files", "0 ms", "16 ms", "extra");
        for (const std::string& part : o.parts) {
            std::vector<fs::path> files = partFiles(o.corpus, part);
            // 20,000 files at 16 ms each would take over five minutes: a sample
            // is timed and scaled to the whole part.
            double scale = 1;
            if (part == "many" && o.pauseSampleMany > 0 && files.size() > o.pauseSampleMany) {
                scale = double(files.size()) / double(o.pauseSampleMany);
                files.resize(o.pauseSampleMany);
            }
            const fs::path archive = o.corpus / "out" / (part + "-pause.zip");
            double fast = zipperRun(files, archive, 0) * scale;
            double slow = zipperRun(files, archive, 16) * scale;
            std::printf("%-8s %7zu %10.3f %10.3f %+9.3fs (%.1fx)%s\n", part.c_str(), size_t(files.size() * scale + 0.5),
                        fast, slow, slow - fast, slow / fast,
                        scale != 1 ? "  (scaled from a sample)" : "");
            std::fflush(stdout);
            fs::remove(archive);
        }
    }

    if (o.trimRun) {
        // Runs with and without the raised threshold alternate, so a change in
        // the machine's load falls on both alike.
        std::printf("\nHeap trim threshold raised to 256 MiB in main() vs glibc's default (Zipper, median of %d)\n",
                    o.reps);
        std::printf("%-8s %10s %10s %8s\n", "part", "raised", "default", "ratio");
        for (const std::string& part : o.parts) {
            std::vector<fs::path> files = partFiles(o.corpus, part);
            const fs::path archive = o.corpus / "out" / (part + "-trim.zip");
            std::vector<double> raised, plain;
            for (int r = 0; r < o.reps; ++r) {
                raised.push_back(zipperRun(files, archive, 0));
                plain.push_back(childRunNoTrim(o, argv[0], part));
            }
            fs::remove(archive);
            const double raisedTime = bench::median(raised), plainTime = bench::median(plain);
            std::printf("%-8s %10.3f %10.3f %7.2fx\n", part.c_str(), raisedTime, plainTime, plainTime / raisedTime);
            std::fflush(stdout);
        }
    }
    fs::remove_all(o.corpus / "out");
    return allOk ? 0 : 1;
}
