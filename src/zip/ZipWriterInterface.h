#pragma once
// The narrow face of the archive writer that the Zipper drives. ZipWriter is
// the real one; the Zipper's tests put a recording fake in its place.
//
// Every operation returning bool returns true when it FAILED; the reason is
// in Result(). Text (paths, names, comments, passwords) is passed as the
// bytes of the name on disk.
#include <cstdint>
#include <span>
#include <string>

class ZipWriterInterface {
public:
    virtual ~ZipWriterInterface() = default;

    virtual int32_t Result() const = 0;

    virtual void OpenCrc() = 0;
    virtual void CrcBytes(std::span<const unsigned char> bytes) = 0;
    virtual int32_t CloseCrc() = 0;

    virtual bool OpenZip(const std::string& filePath, int32_t appendMode = 0) = 0;
    // expectedSize: the entry's uncompressed size when known (0 = unknown);
    // entries that could reach 4 GiB are written with Zip64.
    virtual bool OpenFileInZip(const std::string& fileName, int32_t zMethod = 8, int32_t zLevel = -1,
                               int32_t attrs = 0, const std::string& comment = {}, double fileDate = 0,
                               const std::string& password = {}, int32_t crc = 0,
                               uint64_t expectedSize = 0) = 0;
    virtual bool WriteBytes(std::span<const unsigned char> bytes) = 0;
    virtual bool CloseFileInZip() = 0;
    virtual bool CloseZip() = 0;
};
