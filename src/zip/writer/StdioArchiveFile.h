#pragma once
// An existing archive (appended to, or read) through stdio, as minizip's own
// file functions open it.
#include <cstdio>

#include "ArchiveStream.h"

class StdioArchiveFile : public ArchiveStream {
public:
    // Takes over `file`, opened by fopen.
    explicit StdioArchiveFile(std::FILE* file) : file_(file) {}
    ~StdioArchiveFile() override;
    StdioArchiveFile(const StdioArchiveFile&) = delete;
    StdioArchiveFile& operator=(const StdioArchiveFile&) = delete;

    Result<size_t, ArchiveIoFailure> Read(void* data, size_t size) override;
    Result<void, ArchiveIoFailure> Write(const void* data, size_t size) override;
    Result<int64_t, ArchiveIoFailure> Tell() override;
    Result<void, ArchiveIoFailure> Seek(int64_t offset, int whence) override;
    Result<void, ArchiveIoFailure> Close() override;
    bool Failed() const override { return file_ == nullptr ? failed_ : failed_ || std::ferror(file_) != 0; }

private:
    std::FILE* file_;
    bool failed_ = false;
};
