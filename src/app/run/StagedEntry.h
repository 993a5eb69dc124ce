#pragma once
// One file as the run queues it: the Zipper's record, filled in from what
// staging measured (its length, attributes, date and identity), so queueing
// looks nothing up on the disk again.
#include "ZipFile.h"

#include <string>

struct StagedEntry {
    ZipFile file;
    // False when the file's date could not be turned into local time: the
    // Zipper then measures the file itself, and words that failure.
    bool measured = true;
    // The user's file, when the record reads a link to it in the staging folder.
    std::string original;
};
