// Differential: a random set of files (count, sizes, contents from random to
// repetitive, names of any bytes, dates, levels, stored or deflated, with a
// password or not) zipped by the Zipper on the window's thread alone and on
// workers. Both runs complete (so the proof passed on both archives), and
// minizip's reader (zlib's inflate) gives back every file byte for byte
// under its stored name, in the order queued.
#include "FuzzSupport.h"
#include "MinizipEntry.h"
#include "ZipWriter.h"
#include "Zipper.h"

#include <QEventLoop>
#include <QTimer>

#include <fuzzer/FuzzedDataProvider.h>
#include <minizip/unzip.h>
#include <zlib.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

struct Source {
    std::string name;
    std::string contents;
    std::string password;
};

std::string contentsFrom(FuzzedDataProvider& input)
{
    const size_t size = input.ConsumeIntegralInRange<size_t>(0, input.ConsumeBool() ? 300000 : 3000);
    std::string out;
    out.reserve(size);
    switch (input.ConsumeIntegralInRange(0, 3)) {
    case 0: {  // random bytes (from a seed the input gives)
        uint32_t state = input.ConsumeIntegral<uint32_t>() | 1;
        while (out.size() < size) {
            state ^= state << 13, state ^= state >> 17, state ^= state << 5;
            out.push_back(static_cast<char>(state));
        }
        break;
    }
    case 1: {  // one pattern repeated
        const std::string unit = input.ConsumeRandomLengthString(40);
        while (!unit.empty() && out.size() < size)
            out += unit;
        out.resize(unit.empty() ? 0 : size);
        break;
    }
    case 2:  // runs of one byte
        while (out.size() < size)
            out.append(input.ConsumeIntegralInRange<size_t>(1, 5000), input.ConsumeIntegral<char>());
        out.resize(size);
        break;
    default:  // the input's own bytes
        out = input.ConsumeBytesAsString(size);
        break;
    }
    return out;
}

std::string storedName(std::string name)
{
    for (char& c : name)
        if (c == '\\')
            c = '_';
    return name;
}

bool run(Zipper& zipper)
{
    bool completed = false;
    QEventLoop loop;
    QObject::connect(&zipper, &Zipper::Complete, &loop, [&] {
        completed = true;
        loop.quit();
    });
    QObject::connect(&zipper, &Zipper::Error, &loop, &QEventLoop::quit);
    QTimer::singleShot(120000, &loop, &QEventLoop::quit);
    loop.exec();
    return completed;
}

void checkWithMinizip(const fs::path& archive, const std::vector<Source>& sources)
{
    if (sources.empty())
        return;  // minizip's reader refuses an archive without entries
    unzFile zip = unzOpen64(archive.c_str());
    fuzz::Check(zip != nullptr, "minizip cannot open the archive");
    size_t index = 0;
    std::vector<char> name(70000);
    for (int at = unzGoToFirstFile(zip); at == UNZ_OK; at = unzGoToNextFile(zip), ++index) {
        fuzz::Check(index < sources.size(), "more entries than files");
        const Source& source = sources[index];
        unz_file_info64 info{};
        fuzz::Check(unzGetCurrentFileInfo64(zip, &info, name.data(), static_cast<uLong>(name.size()), nullptr, 0,
                                            nullptr, 0) == UNZ_OK,
                    "an entry's record cannot be read");
        fuzz::Check(std::string(name.data(), info.size_filename) == storedName(source.name), "an entry's name");
        const std::optional<std::string> back = readCurrentEntry(zip, source.password);
        fuzz::Check(back.has_value(), "an entry minizip or zlib refuses");
        fuzz::Check(*back == source.contents, "an entry's bytes");
    }
    fuzz::Check(index == sources.size(), "fewer entries than files");
    unzClose(zip);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzz::EnsureApplication();
    FuzzedDataProvider input(data, size);
    const fs::path folder = fuzz::ScratchFolder() / "round-trip";
    fs::remove_all(folder);
    fs::create_directories(folder);

    std::vector<Source> sources;
    std::vector<ZipFile> queue;
    const int count = input.ConsumeIntegralInRange(0, 8);
    for (int i = 0; i < count; ++i) {
        Source source;
        source.name = input.ConsumeRandomLengthString(200);
        // The writer refuses these names (and fails the run): not what is fuzzed here.
        std::replace(source.name.begin(), source.name.end(), '\0', '0');
        if (source.name.empty())
            source.name = "empty";
        source.contents = contentsFrom(input);
        if (input.ConsumeBool()) {
            // A password reaches minizip's reader as a C string.
            source.password = input.ConsumeRandomLengthString(20);
            std::replace(source.password.begin(), source.password.end(), '\0', 'p');
        }
        ZipFile entry;
        entry.SourceFile = (folder / std::to_string(i)).string();
        std::ofstream(entry.SourceFile, std::ios::binary) << source.contents;
        entry.AsFile = source.name;
        entry.ZMethod = input.ConsumeBool() ? 0 : 8;
        entry.ZLevel = input.ConsumeIntegralInRange(-1, 9);
        entry.FileDate = input.ConsumeFloatingPointInRange(-1e6, 1e6);
        entry.Password = source.password;
        entry.ByteCount = static_cast<int64_t>(source.contents.size());
        sources.push_back(source);
        queue.push_back(entry);
    }

    for (int workers : {1, 3}) {
        const fs::path archive = folder / ("out" + std::to_string(workers) + ".zip");
        Zipper zipper(workers, [] { return std::unique_ptr<ZipWriterInterface>(new ZipWriter); });
        zipper.SetZlibBlocksOnly(input.ConsumeBool());
        for (const ZipFile& entry : queue)
            zipper.AddMeasuredFile(entry);
        fuzz::Check(!zipper.Zip(archive), "the archive cannot be opened");
        if (!run(zipper)) {
            std::fprintf(stderr, "the run failed at %s (%d): %s\n", zipper.Failed().c_str(),
                         static_cast<int>(zipper.ProofFailure().what), zipper.ProofFailure().entry.c_str());
            fuzz::Check(false, "a run that did not complete");
        }
        checkWithMinizip(archive, sources);
    }
    return 0;
}
