#pragma once
// An archive file read back by the proof, possibly while it is still being
// written: only bytes below the limit (those written out) are read. Small
// reads of final bytes are served from a window of the file read ahead, so
// that walking the headers of many small entries costs few system calls
// (two windows: the central directory and the local headers are walked side
// by side);
// bytes that may still change (an open entry's local header) are always read
// afresh.
#include <filesystem>
#include <vector>

#include "ArchiveBytes.h"

class FileArchiveBytes : public ArchiveBytes {
public:
    static constexpr size_t kWindow = 64 * 1024;

    // Opens the file for reading; Error() says why when it cannot. The limit
    // starts at 0.
    explicit FileArchiveBytes(const std::filesystem::path& file);
    ~FileArchiveBytes() override;
    FileArchiveBytes(const FileArchiveBytes&) = delete;
    FileArchiveBytes& operator=(const FileArchiveBytes&) = delete;

    bool Opened() const { return fd_ >= 0; }
    // Bytes before `limit` may be read, and those before `final` no longer
    // change; neither ever goes down.
    void SetLimit(uint64_t limit, uint64_t final);
    void SetLimit(uint64_t limit) { SetLimit(limit, limit); }
    // The limit becomes the file's size now; false when it cannot be read.
    bool LimitToSize();

    uint64_t Size() const override { return limit_; }
    bool Read(uint64_t at, void* out, size_t size) override;
    std::error_code Error() const override { return error_; }

private:
    bool readFile(uint64_t at, unsigned char* out, size_t size);

    int fd_ = -1;
    uint64_t limit_ = 0;
    uint64_t final_ = 0;
    struct Window {
        std::vector<unsigned char> bytes;
        uint64_t at = 0;
    };
    Window windows_[2];
    int older_ = 0;  // the window refilled next
    std::error_code error_;
};
