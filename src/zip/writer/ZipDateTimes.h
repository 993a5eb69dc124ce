#pragma once
// Reads a file's creation, last-access and last-write times as local
// date-time values (days since 30 December 1899; 0 = none).
#include <filesystem>
#include <string>

#include "FileTimes.h"
#include "Result.h"
#include "ZipDateTimesError.h"

class ZipDateTimes {
public:
    // The source named with every failure.
    static constexpr const char* kSource = "ZipDateTimes";

    double Created() const { return created_; }
    double LastAccessed() const { return lastAccessed_; }
    double LastModified() const { return lastModified_; }
    // The same times as the file system gave them (UTC, to the nanosecond),
    // from the last call that could read the file.
    const FileTimes& Times() const { return times_; }

    // Fills the three values from the file. Fails, with the errno of the
    // failing call, when the file cannot be read (then all three keep their
    // previous values) or a time cannot be turned into local time (then the
    // ones already set keep their new values and the rest keep their old ones).
    Result<void, ZipDateTimesError> GetTimestamps(const std::filesystem::path& pathToCheck);

    // A failure's description: "Internal error. System error <errno> calling
    // <call>". errno's ENOENT is 2 like Windows' ERROR_FILE_NOT_FOUND, but
    // most other errno values mean something else than the Windows code of
    // the same number.
    static std::string Description(const Result<void, ZipDateTimesError>& failure);

private:
    double created_ = 0;
    double lastAccessed_ = 0;
    double lastModified_ = 0;
    FileTimes times_;
};
