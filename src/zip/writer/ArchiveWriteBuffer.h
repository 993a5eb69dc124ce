#pragma once
// The archive's file while minizip creates it: writes gather in a buffer of
// our own, and a seek back into what the buffer still holds (minizip goes
// back after every entry to fill in its local header's CRC and sizes) is
// served there. stdio would write its buffer out and seek twice per entry:
// four system calls per file on the window's thread, 80,000 for 20,000
// small files. Large writes go straight to the file, not through a copy.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <vector>

#include "ArchiveStream.h"

class ArchiveWriteBuffer : public ArchiveStream {
public:
    static constexpr size_t kCapacity = 256 * 1024;
    // Sees (and may change) every run of bytes just before it goes to the
    // file at offset `at`: tests plant damage there.
    using WriteTap = std::function<void(int64_t at, std::span<unsigned char> bytes)>;

    // Takes over `fd`, opened for writing.
    explicit ArchiveWriteBuffer(int fd, WriteTap tap = {});
    // Closes the file; what was not written out by Close is lost.
    ~ArchiveWriteBuffer() override;
    ArchiveWriteBuffer(const ArchiveWriteBuffer&) = delete;
    ArchiveWriteBuffer& operator=(const ArchiveWriteBuffer&) = delete;

    // On a failure the buffer keeps what could not be written out, so
    // nothing passes for written.
    Result<void, ArchiveIoFailure> Write(const void* data, size_t size) override;
    Result<size_t, ArchiveIoFailure> Read(void* data, size_t size) override;
    Result<int64_t, ArchiveIoFailure> Tell() override { return position_; }
    int64_t Position() const { return position_; }
    // Every byte before this offset has gone to the file.
    int64_t WrittenOut() const { return start_; }
    Result<void, ArchiveIoFailure> Seek(int64_t offset, int whence) override;
    // Writes out what is held and closes the file.
    Result<void, ArchiveIoFailure> Close() override;
    bool Failed() const override { return failed_; }

private:
    Result<void, ArchiveIoFailure> flush();
    Result<void, ArchiveIoFailure> writeOut(const unsigned char* data, size_t size, int64_t at);
    int64_t end() const { return start_ + static_cast<int64_t>(held_); }

    int fd_;
    WriteTap tap_;
    std::vector<unsigned char> buffer_;
    int64_t start_ = 0;    // where buffer_[0] goes in the file
    size_t held_ = 0;      // bytes of buffer_ to be written out
    int64_t position_ = 0;
    int64_t fileSize_ = 0;  // of what is written out (or was there)
    bool failed_ = false;
};
