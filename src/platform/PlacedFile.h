#pragma once
// A file put under a second name in a folder (FileLinker), and how.
#include <cstdint>

#include "FileTimes.h"

// From the cheaper way to the dearer; a link never copies data.
enum class FileCopyMethod { None, Clone, HardLink };

// What was being done when placing a file failed; the system's reason goes beside it.
enum class CopyStep {
    OpenSource,
    ReplaceExistingCopy,
    Link,  // neither a reflink nor a hard link could be made
};

// A file placed at its destination.
struct PlacedFile {
    std::uint64_t bytes = 0;  // bytes in the destination
    FileCopyMethod method = FileCopyMethod::None;
    // What the placed file is, read while placing it, so its caller need not
    // look it up again: permission bits and last-modified time (whole seconds
    // since the epoch), and the source's own times.
    std::uint32_t mode = 0;
    std::int64_t modifiedSeconds = 0;
    FileTimes times;
};
