#include "PeerArchivers.h"

#include "BenchSupport.h"

#include <algorithm>
#include <fstream>

namespace fs = std::filesystem;

PartFiles listPart(const fs::path& folder, const fs::path& listDir)
{
    PartFiles part{folder, bench::filesIn(folder), listDir / "absolute.txt", listDir / "bare.txt"};
    std::ofstream absolute(part.absoluteList), bare(part.bareList);
    for (const fs::path& f : part.files) {
        absolute << f.string() << '\n';
        bare << f.filename().string() << '\n';
    }
    return part;
}

bench::SpawnResult runInfoZip(const PartFiles& part, const fs::path& archive)
{
    fs::remove(archive);
    bench::SpawnRequest zip;
    zip.argv = {"zip", "-q", "-j", "-6", archive.string(), "-@"};
    zip.stdinFile = part.absoluteList;
    return bench::spawnAndWait(zip);
}

bench::SpawnResult runSevenZip(const PartFiles& part, const fs::path& archive, int cores)
{
    // 7z adds to an archive that exists, so none may.
    fs::remove(archive);
    std::string threads = "-mmt=", names = "@";
    threads += std::to_string(cores);
    names += part.bareList.string();
    bench::SpawnRequest sevenZip;
    sevenZip.argv = {"7z", "a", "-tzip", "-mx=5", threads, "-bso0", "-bsp0", archive.string(), names};
    sevenZip.workingDir = part.folder;
    return bench::spawnAndWait(sevenZip);
}

bench::SpawnResult runBsdtar(const PartFiles& part, const fs::path& archive)
{
    fs::remove(archive);
    bench::SpawnRequest bsdtar;
    bsdtar.argv = {"bsdtar", "--format", "zip", "--options", "zip:compression=deflate", "-cf", archive.string(),
                   "-T", part.bareList.string()};
    bsdtar.workingDir = part.folder;
    return bench::spawnAndWait(bsdtar);
}

namespace {

// `command` with the part's bare names after it, run in the part's folder,
// its output thrown away. A part of 100,000 names is more than one command
// line takes: it runs in batches one after another, their times added.
bench::SpawnResult deflateAll(const std::vector<std::string>& command, const PartFiles& part)
{
    constexpr size_t kNamesPerBatch = 10000;
    bench::SpawnResult all;
    all.seconds = 0;
    for (size_t first = 0; first < part.files.size() || first == 0; first += kNamesPerBatch) {
        bench::SpawnRequest request;
        request.argv = command;
        for (size_t i = first; i < std::min(part.files.size(), first + kNamesPerBatch); ++i)
            request.argv.push_back(part.files[i].filename().string());
        request.workingDir = part.folder;
        const bench::SpawnResult batch = bench::spawnAndWait(request);
        all.seconds += batch.seconds;
        all.exitedNormally = batch.exitedNormally;
        all.exitCode = batch.exitCode;
        all.peakKb = std::max(all.peakKb, batch.peakKb);
        if (!batch.ok())
            return batch;
    }
    return all;
}

}  // namespace

bench::SpawnResult runPigz(const PartFiles& part, int cores)
{
    return deflateAll({"pigz", "-p", std::to_string(cores), "-6", "-c"}, part);
}

bench::SpawnResult runLibdeflateGzip(const PartFiles& part)
{
    return deflateAll({"libdeflate-gzip", "-6", "-c"}, part);
}

std::string peerCommandLines(int cores)
{
    return "zip -q -j -6 (names on stdin) | 7z a -tzip -mx=5 -mmt=" + std::to_string(cores) +
           " | bsdtar --format zip --options zip:compression=deflate\nlimits:  pigz -p " + std::to_string(cores) +
           " -6 -c | libdeflate-gzip -6 -c (the part's files, output thrown away)";
}
