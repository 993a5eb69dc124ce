#pragma once
// A Zipper over a recording writer, with its events written into the same
// timeline as the writer's calls, and helpers that take steps by hand.
#include <memory>
#include <string>
#include <vector>

#include "RecordingZipWriter.h"
#include "TempDir.h"
#include "Zipper.h"

class ZipperRecorder {
public:
    // With more than one worker the run reads and compresses on worker
    // threads; the timeline reads as on the window's thread alone, except that
    // a CRC pass makes no calls of the writer (see crc()).
    explicit ZipperRecorder(int workers = 1);

    // One step; returns what happened in it, space-separated. With workers,
    // a step that must wait for them is taken again once they wake the run.
    std::string step();
    // What a CRC pass shows of `call` ("OpenCrc", "CrcBytes(n)", "CloseCrc")
    // followed by `then`: the workers make the CRC without the writer.
    std::string crc(const std::string& call, const std::string& then = {}) const;
    bool parallel() const { return workers_ > 1; }
    // Steps until the run ends (at most maxSteps); one string per step.
    std::vector<std::string> runToEnd(int maxSteps = 1000);
    // A file of `size` bytes with a repeating, position-dependent pattern.
    std::filesystem::path file(const std::string& name, size_t size);

    const int workers_;
    TempDir dir;
    std::shared_ptr<WriterScript> script = std::make_shared<WriterScript>();
    Zipper zipper;
};

// The engines the scripted tests run on: the window's thread alone, and workers.
inline constexpr int kEngines[] = {1, 3};
std::string engineName(int workers);

std::string patternBytes(size_t size, unsigned seed = 7);
