#pragma once
// What identifies a source file's content as it was measured when the run
// was started: the file itself (device and inode), its length and its
// modification time. A file read where it lies is checked against it when
// its turn comes, so a file saved over, grown, cut or replaced since is
// never zipped as if it were the one measured.
#include <cstdint>

struct stat;

struct SourceStamp {
    bool known = false;  // false: nothing to check against
    uint64_t device = 0;
    uint64_t inode = 0;
    int64_t size = 0;
    int64_t modifiedSeconds = 0;
    int64_t modifiedNanoseconds = 0;

    static SourceStamp Of(const struct stat& st);
    // True when nothing is known, or the opened file is still the one measured.
    bool Matches(const struct stat& st) const;
};
