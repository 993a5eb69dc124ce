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

std::string peerCommandLines(int cores)
{
    return "zip -q -j -6 (names on stdin) | 7z a -tzip -mx=5 -mmt=" + std::to_string(cores) +
           " | bsdtar --format zip --options zip:compression=deflate";
}
