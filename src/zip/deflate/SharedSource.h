#pragma once
// One source file as the jobs of one pass read it: opened once, by whichever
// worker needs it first, and read at offsets by any of them. Closed when the
// last job holding it lets go.
#include <mutex>
#include <string>
#include <system_error>

#include "SourceFileReader.h"

class SharedSource {
public:
    explicit SharedSource(std::string path, SourceStamp stamp = {})
        : path_(std::move(path)), stamp_(stamp)
    {
    }

    // Opens the file on the first call; fails (with the reason) when it
    // cannot be opened, on this call and every later one.
    Result<void, SourceFailure> Open();
    Result<size_t, SourceFailure> ReadAt(int64_t offset, unsigned char* into, size_t size) const
    {
        return reader_.ReadAt(offset, into, size);
    }

private:
    const std::string path_;
    const SourceStamp stamp_;
    std::mutex mutex_;
    bool tried_ = false;
    Result<void, SourceFailure> opened_;
    SourceFileReader reader_;
};
