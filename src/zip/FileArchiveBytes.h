#pragma once
// An archive file read back by the proof, possibly while it is still being
// written: only bytes below the limit (those written out for good) are
// read. Small reads are served from a window of the file read ahead, so that
// walking the headers of many small entries costs few system calls.
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
    // Bytes before `limit` no longer change; it never goes down.
    void SetLimit(uint64_t limit);
    // The limit becomes the file's size now; false when it cannot be read.
    bool LimitToSize();

    uint64_t Size() const override { return limit_; }
    bool Read(uint64_t at, void* out, size_t size) override;
    std::error_code Error() const override { return error_; }

private:
    bool readFile(uint64_t at, unsigned char* out, size_t size);

    int fd_ = -1;
    uint64_t limit_ = 0;
    std::vector<unsigned char> window_;
    uint64_t windowAt_ = 0;
    std::error_code error_;
};
