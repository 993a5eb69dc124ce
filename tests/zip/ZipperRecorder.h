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
    ZipperRecorder();

    // One step; returns what happened in it, space-separated.
    std::string step();
    // Steps until the run ends (at most maxSteps); one string per step.
    std::vector<std::string> runToEnd(int maxSteps = 1000);
    // A file of `size` bytes with a repeating, position-dependent pattern.
    std::filesystem::path file(const std::string& name, size_t size);

    TempDir dir;
    std::shared_ptr<WriterScript> script = std::make_shared<WriterScript>();
    Zipper zipper;
};

std::string patternBytes(size_t size, unsigned seed = 7);
