#pragma once
// The step of the Zipper that failed, as one of our own kinds.
#include <string>

class Zipper;

enum class ZipStep {
    None,
    SourceMissing,
    SourceDate,
    SourceSize,
    AlreadyZipping,
    OpenArchive,
    OpenEntry,
    WriteEntry,
    ReadSource,
    CloseEntry,
    CloseArchive,
    RenameArchive,
    Other,
};

// The Zipper names its failed step in Failed(); this is the one place that reads those names.
ZipStep FailedZipStep(const Zipper& zipper);
