// The proof's own reader on archives of every shape, damaged ones too: it
// proves or refuses, never crashes; following the file as it is written
// (the bytes handed over in steps) comes to the same verdict as reading it
// once closed; and an archive it proves, minizip's reader (zlib) reads
// whole with every CRC right. The entries expected are those the central
// directory names, encrypted ones with the password "pw".
#include "ArchiveReadBack.h"
#include "CentralDirectoryReader.h"
#include "FuzzSupport.h"
#include "MemoryArchiveBytes.h"
#include "MinizipEntry.h"

#include <minizip/unzip.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <fstream>
#include <string>
#include <vector>

namespace {

// `large`: every entry is taken for one past the whole-entry limit, so that
// the follower inflates it as it goes.
std::deque<ExpectedEntry> namedIn(MemoryArchiveBytes& bytes, bool large)
{
    std::deque<ExpectedEntry> entries;
    CentralDirectoryReader directory(bytes);
    if (!directory.Open())
        return entries;
    for (uint64_t i = 0; i < directory.Count() && i < 10000; ++i) {
        EntryHeader record;
        const auto read = directory.Next(record);
        if (!read && read.kind() != ProofFault::What::ExtraDamaged)
            break;
        entries.push_back({record.name, (record.flags & 1) ? "pw" : "", large ? ~uint64_t{0} : record.uncompressed});
    }
    return entries;
}

bool sameVerdict(const Result<void, ProofFault>& a, const Result<void, ProofFault>& b)
{
    if (static_cast<bool>(a) != static_cast<bool>(b))
        return false;
    return a || (a.kind().what == b.kind().what && a.kind().field == b.kind().field && a.kind().entry == b.kind().entry);
}

// minizip reads every entry through with the CRC it names.
void checkWithMinizip(const std::string& archive)
{
    const std::string path = (fuzz::ScratchFolder() / "proven.zip").string();
    std::ofstream(path, std::ios::binary | std::ios::trunc) << archive;
    unzFile zip = unzOpen64(path.c_str());
    fuzz::Check(zip != nullptr, "minizip cannot open a proven archive");
    for (int at = unzGoToFirstFile(zip); at == UNZ_OK; at = unzGoToNextFile(zip)) {
        unz_file_info64 info{};
        fuzz::Check(unzGetCurrentFileInfo64(zip, &info, nullptr, 0, nullptr, 0, nullptr, 0) == UNZ_OK,
                    "minizip cannot read a proven entry's record");
        // minizip 1.1 misses a central Zip64 field's size now and then (unzip and
        // Python read such entries right): those entries are left to them.
        if (info.uncompressed_size == 0xFFFFFFFFu || info.compressed_size == 0xFFFFFFFFu)
            continue;
        const std::optional<std::string> entry = readCurrentEntry(zip, "pw");
        fuzz::Check(entry.has_value(), "minizip or zlib refuses a proven entry");
        fuzz::Check(entry->size() == info.uncompressed_size, "a proven entry reads back to another size");
    }
    unzClose(zip);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 1)
        return 0;
    // The first byte sets the steps in which the file is handed over, and
    // how far the final bytes lag behind those written out (an open entry's
    // header is final only when it closes).
    const uint64_t step = 1 + data[0] % 97;
    const uint64_t lag = (data[0] / 97) * 61;
    const std::string archive(reinterpret_cast<const char*>(data) + 1, size - 1);
    MemoryArchiveBytes bytes(archive);
    const std::deque<ExpectedEntry> expected = namedIn(bytes, size % 2 == 0);

    ArchiveReadBack once(true);
    const auto whole = once.Finish(bytes, expected);

    ArchiveReadBack following(true);
    std::deque<ExpectedEntry> rest = expected;
    bool stopped = false;
    for (uint64_t limit = 0; !stopped && limit <= archive.size() + step; limit += step) {
        bytes.SetLimit(limit);
        while (!rest.empty()) {
            const uint64_t settled = limit >= archive.size() ? limit : limit - std::min(limit, lag);
            const ArchiveReadBack::Step next = following.ProveNext(bytes, settled, rest.front());
            if (next != ArchiveReadBack::Step::Proven) {
                stopped = next == ArchiveReadBack::Step::Stopped;
                break;
            }
            rest.pop_front();
        }
    }
    bytes.SetLimit(archive.size());
    const auto followed = following.Finish(bytes, rest);
    fuzz::Check(sameVerdict(whole, followed), "following the file comes to another verdict");
    // (minizip's reader refuses an archive without entries.)
    if (whole && !expected.empty())
        checkWithMinizip(archive);
    return 0;
}
