#pragma once
// A file's own times as its file system keeps them: UTC, to the nanosecond.
#include <sys/stat.h>

#include <cstdint>

struct FileTime {
    int64_t seconds = 0;       // since 1970-01-01 00:00:00 UTC
    uint32_t nanoseconds = 0;  // 0 to 999,999,999

    bool operator==(const FileTime&) const = default;
};

struct FileTimes {
    FileTime modified;
    FileTime accessed;
    FileTime created;
    bool createdKnown = false;  // the file system keeps a birth time for the file

    bool operator==(const FileTimes&) const = default;

    static FileTimes From(const struct stat& st);
    static FileTimes From(const struct statx& st);
    // fstatat that also reads the birth time where the file system keeps one,
    // in the same single call (statx). 0, or -1 with errno set.
    static int StatAt(int dirfd, const char* path, int flags, struct stat& st, FileTimes& times);
};
