#pragma once
// Reads a file's creation, last-access and last-write times as local
// date-time values (days since 30 December 1899; 0 = none).
#include <filesystem>

#include "FileTimes.h"
#include "ZipDateTimesError.h"

class ZipDateTimes {
public:
    double Created() const { return created_; }
    double LastAccessed() const { return lastAccessed_; }
    double LastModified() const { return lastModified_; }
    // The same times as the file system gave them (UTC, to the nanosecond),
    // from the last call that could read the file.
    const FileTimes& Times() const { return times_; }

    // Fills the three values from the file. Throws ZipDateTimesError when the
    // file cannot be read (then all three keep their previous values) or a time
    // cannot be turned into local time (then the ones already set keep their
    // new values and the rest keep their old ones).
    void GetTimestamps(const std::filesystem::path& pathToCheck);

private:
    double created_ = 0;
    double lastAccessed_ = 0;
    double lastModified_ = 0;
    FileTimes times_;
};
