#pragma once
// Copies one file as cheaply as the kernel allows: a reflink (FICLONE) where
// the file system shares blocks, else copy_file_range inside the kernel, else
// a plain read/write loop (other file system, or a kernel without it).
// Paths are the bytes on disk; failures come back as values, never thrown.
#include <cstdint>
#include <filesystem>
#include <stop_token>
#include <string>
#include <system_error>

#include "FileTimes.h"
#include "Result.h"

// From the cheapest way to the dearest. FileCopy never makes a hard link (a
// copy is a file of its own); LinkOrCopy may.
enum class FileCopyMethod { None, Clone, HardLink, CopyRange, ReadWrite };

// What was being done when a copy failed; the system's reason goes beside it.
enum class CopyStep {
    OpenSource,
    ReadSourceAttributes,
    ReplaceExistingCopy,
    CreateCopy,
    CopyData,
    ReadSource,
    WriteCopy,
    KeepModificationTime,
    Link,  // LinkOrCopy::Link: neither a reflink nor a hard link could be made
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

class FileCopy {
public:
    // Copies source to destination, replacing a file of that name (it is
    // unlinked first, so a read-only earlier copy never blocks the overwrite).
    // The copy gets the source's permission bits and modification time. On
    // failure nothing is left at the destination, so a partial copy can never
    // pass for a whole one.
    static Result<PlacedFile, CopyStep> Copy(const std::filesystem::path& source,
                                             const std::filesystem::path& destination);

    // Skips the methods faster than `fastest` (tests and benchmarks exercise
    // each fallback that way on any file system). A stop requested through
    // `stop` ends a long copy within a few megabytes, failing with ECANCELED.
    static Result<PlacedFile, CopyStep> CopyWith(const std::filesystem::path& source,
                                                 const std::filesystem::path& destination, FileCopyMethod fastest,
                                                 std::stop_token stop = {});
};
