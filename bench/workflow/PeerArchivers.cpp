#include "PeerArchivers.h"

#include "BenchSupport.h"

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
// its output thrown away.
bench::SpawnResult deflateAll(std::vector<std::string> command, const PartFiles& part)
{
    for (const fs::path& f : part.files)
        command.push_back(f.filename().string());
    bench::SpawnRequest request;
    request.argv = std::move(command);
    request.workingDir = part.folder;
    return bench::spawnAndWait(request);
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
