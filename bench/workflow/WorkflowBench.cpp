#include "WorkflowBench.h"

#include "PartFigures.h"
#include "PeerArchivers.h"
#include "ResultReport.h"

#include <QCoreApplication>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <sched.h>
#include <sstream>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

int usableCores()
{
    cpu_set_t set;
    CPU_ZERO(&set);
    if (sched_getaffinity(0, sizeof set, &set) != 0)
        return 1;
    return std::max(1, CPU_COUNT(&set));
}

// Every tool then starts from the same page cache, the first run included.
void readOnce(const std::vector<fs::path>& files)
{
    std::vector<char> buffer(1 << 20);
    for (const fs::path& f : files) {
        std::ifstream in(f, std::ios::binary);
        while (in.read(buffer.data(), std::streamsize(buffer.size())))
            ;
    }
}

// "RUN k=v k=v ..." from the window run's output.
std::map<std::string, std::string> runLine(const std::string& output)
{
    std::map<std::string, std::string> values;
    std::istringstream lines(output);
    std::string line;
    while (std::getline(lines, line)) {
        if (line.rfind("RUN ", 0) != 0)
            continue;
        std::istringstream words(line.substr(4));
        std::string word;
        while (words >> word)
            if (const size_t eq = word.find('='); eq != std::string::npos)
                values[word.substr(0, eq)] = word.substr(eq + 1);
    }
    return values;
}

uintmax_t sizeOrZero(const fs::path& archive)
{
    std::error_code ec;
    const uintmax_t size = fs::file_size(archive, ec);
    return ec ? 0 : size;
}

// Every file is read from the drive again, not from memory (needs root).
void dropCaches(const BenchOptions& o)
{
    if (!o.cold)
        return;
    ::sync();
    std::ofstream("/proc/sys/vm/drop_caches") << "3\n";
}

// The same run with its archive left unproven: its seconds only.
void measureUnproven(PartFigures& f, const BenchOptions& o, const fs::path& work)
{
    const std::string self = fs::read_symlink("/proc/self/exe").string();
    bench::SpawnRequest request;
    request.argv = {self, "--window-run", f.part, "--corpus", o.corpus.string(), "--work", work.string(),
                    "--links", o.links, "--unproven"};
    dropCaches(o);
    request.captureStdout = true;
    const bench::SpawnResult child = bench::spawnAndWait(request);
    std::map<std::string, std::string> run = runLine(child.output);
    const bool completed = child.ok() && run["completed"] == "1";
    f.unproven.push_back(completed ? std::atof(run["seconds"].c_str()) : -1);
    fs::remove(work / "out" / ("bench-" + f.part + ".zip"));
}

void measureProgram(PartFigures& f, const BenchOptions& o, const fs::path& work)
{
    const std::string self = fs::read_symlink("/proc/self/exe").string();
    bench::SpawnRequest request;
    request.argv = {self,   "--window-run", f.part, "--corpus", o.corpus.string(), "--work", work.string(),
                    "--links", o.links};
    dropCaches(o);
    request.captureStdout = true;
    const bench::SpawnResult child = bench::spawnAndWait(request);
    std::map<std::string, std::string> run = runLine(child.output);
    const bool completed = child.ok() && run["completed"] == "1";
    f.completed = f.completed && completed;
    f.accessibility = f.accessibility && run["a11y"] == "1";
    f.messages += std::atoi(run["messages"].c_str());
    const double seconds = completed ? std::atof(run["seconds"].c_str()) : -1;
    const double staged = run.count("staged") ? std::atof(run["staged"].c_str()) : -1;
    f.volarin.push_back(seconds);
    f.staged.push_back(staged);
    f.afterStaged.push_back(seconds >= 0 && staged >= 0 ? seconds - staged : -1);
    f.peakKb = std::max(f.peakKb, child.peakKb);
    f.longestStepMs = std::max(f.longestStepMs, std::atof(run["longest_step_ms"].c_str()));

    const fs::path archive = work / "out" / ("bench-" + f.part + ".zip");
    f.volarinSize = sizeOrZero(archive);
    f.tested = f.tested && f.volarinSize > 0 && bench::unzipTestQuiet(archive);
    fs::remove(archive);
}

void measurePeers(PartFigures& f, const PartFiles& files, const fs::path& out, int cores, const BenchOptions& o)
{
    auto measure = [&](std::vector<double>& times, uintmax_t& size, const fs::path& archive,
                       const bench::SpawnResult& result) {
        times.push_back(result.ok() ? result.seconds : -1);
        size = result.ok() ? sizeOrZero(archive) : 0;
        fs::remove(archive);
    };
    const fs::path zip = out / (f.part + "-zip.zip"), sevenZip = out / (f.part + "-7z.zip"),
                   bsdtar = out / (f.part + "-bsdtar.zip");
    dropCaches(o);
    measure(f.zip, f.zipSize, zip, runInfoZip(files, zip));
    dropCaches(o);
    measure(f.sevenZip, f.sevenZipSize, sevenZip, runSevenZip(files, sevenZip, cores));
    dropCaches(o);
    measure(f.bsdtar, f.bsdtarSize, bsdtar, runBsdtar(files, bsdtar));
    dropCaches(o);
    const bench::SpawnResult pigz = runPigz(files, cores);
    dropCaches(o);
    const bench::SpawnResult libdeflateGzip = runLibdeflateGzip(files);
    f.pigz.push_back(pigz.ok() ? pigz.seconds : -1);
    f.libdeflateGzip.push_back(libdeflateGzip.ok() ? libdeflateGzip.seconds : -1);
}

}  // namespace

int runWorkflowBench(const BenchOptions& o)
{
    if (o.oneCore) {
        // Threads and processes started from here on inherit the mask, as under `taskset -c 0`.
        cpu_set_t one;
        CPU_ZERO(&one);
        CPU_SET(0, &one);
        if (sched_setaffinity(0, sizeof one, &one) != 0) {
            std::perror("sched_setaffinity");
            return 1;
        }
    }
    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    int qtArgc = 1;
    char name[] = "workflow_bench";
    char* qtArgv[] = {name, nullptr};
    QCoreApplication app(qtArgc, qtArgv);
    // A corpus of one's own (on a mounted image, say) is taken as it is.
    const bool partsThere = std::all_of(o.parts.begin(), o.parts.end(),
                                        [&](const std::string& part) { return fs::is_directory(o.corpus / "corpus" / part); });
    if (!partsThere)
        bench::ensureCorpus(o.corpus);

    const int cores = usableCores();
    const fs::path work = (o.out.empty() ? o.corpus : o.out) / ("workflow-" + std::to_string(::getpid()));
    const fs::path out = work / "out";
    fs::create_directories(out);

    const char* a11y = std::getenv("QT_LINUX_ACCESSIBILITY_ALWAYS_ON");
    std::printf("workflow bench  label=%s  reps=%d  cores=%d%s  platform=%s  QT_LINUX_ACCESSIBILITY_ALWAYS_ON=%s  "
                "links=%s%s\n",
                o.label.c_str(), o.reps, cores, o.oneCore ? " (pinned to CPU 0)" : "", std::getenv("QT_QPA_PLATFORM"),
                a11y ? a11y : "unset", o.links.c_str(), o.cold ? "  cold (page cache dropped before each run)" : "");
    std::printf("volarin: the main window's Start click to the run service's Ended, staging included, a fresh "
                "process per run\npeers:   %s\n",
                o.peers ? peerCommandLines(cores).c_str() : "none (--no-peers)");
    std::printf("seconds: median [min-max] of %d; ratios of medians; staged: Start to Staged; peak: the "
                "program's highest resident set over its runs\n\n",
                o.reps);
    printTimeHeader();

    std::vector<PartFigures> all;
    for (const std::string& part : o.parts) {
        const fs::path folder = o.corpus / "corpus" / part;
        if (!fs::is_directory(folder)) {
            std::fprintf(stderr, "no corpus part %s\n", folder.c_str());
            continue;
        }
        const PartFiles files = listPart(folder, work);
        PartFigures f;
        f.part = part;
        f.files = files.files.size();
        for (const fs::path& file : files.files)
            f.bytes += fs::file_size(file);
        if (!o.cold)
            readOnce(files.files);
        for (int r = 0; r < o.reps; ++r) {
            // Which goes first alternates, so neither always meets the warmer cache.
            if (r % 2 == 1)
                measureUnproven(f, o, work);
            measureProgram(f, o, work);
            if (r % 2 == 0)
                measureUnproven(f, o, work);
            if (o.peers)
                measurePeers(f, files, out, cores, o);
        }
        printTimeRow(f);
        all.push_back(std::move(f));
    }
    printSizes(all);
    printResultLines(all, o.label, cores);
    fs::remove_all(work);
    bool allOk = true;
    for (const PartFigures& f : all)
        allOk = allOk && f.completed && f.tested;
    return allOk ? 0 : 1;
}
