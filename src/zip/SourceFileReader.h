#pragma once
// Reads a file to be zipped in whole chunks. Every shortfall is a failure, so
// a file that shrank or vanished is never written short as if it were whole.
#include <cstddef>
#include <filesystem>

class SourceFileReader {
public:
    SourceFileReader() = default;
    ~SourceFileReader() { Close(); }
    SourceFileReader(const SourceFileReader&) = delete;
    SourceFileReader& operator=(const SourceFileReader&) = delete;

    // Opens a regular file for reading; false when it cannot be opened or is
    // not a regular file (a FIFO or device would block or never end).
    bool Open(const std::filesystem::path& file);
    // Fills all `size` bytes of `into`; false on a read error or an early end.
    bool ReadExactly(unsigned char* into, size_t size);
    void Close();
    bool IsOpen() const { return fd_ >= 0; }

private:
    int fd_ = -1;
};
