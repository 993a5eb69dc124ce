#pragma once
// One file of the staging folder as the run queues it: the Zipper's record,
// filled in from what staging read while placing the file (its length,
// attributes and date), so queueing looks nothing up on the disk again.
#include "ZipFile.h"

struct StagedEntry {
    ZipFile file;
    // False when the file's date could not be turned into local time: the
    // Zipper then measures the file itself, and words that failure.
    bool measured = true;
};
