#pragma once
// Reads a file to be zipped in whole chunks. Every shortfall is a failure, so
// a file that shrank or vanished is never written short as if it were whole.
// Reads at an offset (ReadAt) may come from several threads at once.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <system_error>

#include "Result.h"
#include "SourceStamp.h"

enum class SourceFailure {
    NotOpened,   // the file could not be opened
    NotAFile,    // a folder, FIFO or device in the file's place
    ReadFailed,  // a read failed
    EndedEarly,  // the file ended before the bytes asked for
    Changed,     // not the file measured: replaced, grown, cut or saved over since
};

class SourceFileReader {
public:
    SourceFileReader() = default;
    ~SourceFileReader() { Close(); }
    SourceFileReader(const SourceFileReader&) = delete;
    SourceFileReader& operator=(const SourceFileReader&) = delete;

    // Opens a regular file for reading; fails when it cannot be opened or is
    // not a regular file (a FIFO or device would block or never end), or
    // when it is no longer the file `stamp` describes.
    // A plain string: a path object would split the name into its parts for
    // every one of a million tiny files.
    Result<void, SourceFailure> Open(const std::string& file, const SourceStamp& stamp = {});
    // Fills all `size` bytes of `into` from where the last read ended.
    Result<void, SourceFailure> ReadExactly(unsigned char* into, size_t size);
    // Reads up to `size` bytes at `offset`: how many there were before the
    // file ended, or ReadFailed with the reason.
    Result<size_t, SourceFailure> ReadAt(int64_t offset, unsigned char* into, size_t size) const;
    void Close();
    bool IsOpen() const { return fd_ >= 0; }

private:
    int fd_ = -1;
};
