#pragma once
// What the bench measured on one corpus part over all its repetitions.
#include <cstdint>
#include <string>
#include <vector>

struct PartFigures {
    std::string part;
    size_t files = 0;
    uintmax_t bytes = 0;
    // Seconds per repetition; negative where that run failed.
    std::vector<double> volarin, staged, zip, sevenZip, bsdtar;
    // The raw-deflate limits: pigz on every core, libdeflate-gzip on one.
    std::vector<double> pigz, libdeflateGzip;
    // The program's seconds from Staged to Ended: its run without the copying.
    std::vector<double> afterStaged;
    // The program's seconds with its archive left unproven, in the same repetitions.
    std::vector<double> unproven;
    // Archive sizes of the last repetition; 0 when none was written.
    uintmax_t volarinSize = 0, zipSize = 0, sevenZipSize = 0, bsdtarSize = 0;
    long peakKb = 0;           // the highest of the program's runs
    // The longest the window's event loop went without turning, from the
    // folder's drop to the run's end, over all runs.
    double longestStepMs = 0;
    bool completed = true;     // every run ended Completed
    bool tested = true;        // unzip -tqq passed every archive
    bool accessibility = true; // the bridge was active in every run
    int messages = 0;          // message boxes the program would have shown
};
