#pragma once
// The workflow bench's command line.
#include "BenchSupport.h"

#include <filesystem>
#include <string>
#include <vector>

struct BenchOptions {
    std::filesystem::path corpus = bench::kDefaultCorpusRoot;
    std::vector<std::string> parts = {"photos", "docs", "big", "many"};
    int reps = 3;
    bool peers = true;       // --no-peers leaves out zip, 7z and bsdtar
    bool oneCore = false;    // --one-core: the bench and all it starts on CPU 0
    std::string label = "run";
    // --out DIR: where archives and staging folders go (default: beside the
    // corpus); a corpus on a mounted image is then only read.
    std::filesystem::path out;
    bool cold = false;  // --cold: the page cache dropped before every run (root)
    // --links every|none|large: which files staging links (large: the program's own rule).
    std::string links = "large";
    // --window-run PART --work DIR: one run of the program's window in this
    // process, which the bench starts once per measurement.
    std::string windowRunPart;
    std::filesystem::path workDir;
    // --unproven (with --window-run): the run's archive is not proven, so the
    // bench can show what the proof costs. The program always proves.
    bool unproven = false;
};

// Exits with a usage message on an unknown or malformed argument.
BenchOptions parseBenchOptions(int argc, char** argv);
