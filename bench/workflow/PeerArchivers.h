#pragma once
// The other archivers the program is measured against, each given the same
// files of a corpus part and storing them without folders:
//   zip -q -j -6 (names on its stdin), 7z a -tzip -mx=5 -mmt=<cores>,
//   bsdtar --format zip with deflate (zlib's default level, 6);
// and the two limits pigz -p <cores> -6 and libdeflate-gzip -6.
#include "Spawn.h"

#include <filesystem>
#include <string>
#include <vector>

struct PartFiles {
    std::filesystem::path folder;
    std::vector<std::filesystem::path> files;  // sorted
    std::filesystem::path absoluteList;        // one full path a line
    std::filesystem::path bareList;            // one name a line, for tools run in the folder
};

// Writes the two name lists into `listDir`.
PartFiles listPart(const std::filesystem::path& folder, const std::filesystem::path& listDir);

bench::SpawnResult runInfoZip(const PartFiles& part, const std::filesystem::path& archive);
bench::SpawnResult runSevenZip(const PartFiles& part, const std::filesystem::path& archive, int cores);
bench::SpawnResult runBsdtar(const PartFiles& part, const std::filesystem::path& archive);

// The raw-deflate limits of this machine: the part's files deflated at level
// 6 into gzip streams thrown away, by pigz on every core and by libdeflate's
// gzip on one. No archive, no CRC pass, no staging: what deflate alone costs.
bench::SpawnResult runPigz(const PartFiles& part, int cores);
bench::SpawnResult runLibdeflateGzip(const PartFiles& part);

// The command lines as the bench's header shows them.
std::string peerCommandLines(int cores);
