#pragma once
// The narrow face of the archive writer that the Zipper drives. ZipWriter is
// the real one; the Zipper's tests put a recording fake in its place.
//
// Every operation returning bool returns true when it FAILED; the reason is
// in Result(). Text (paths, names, comments, passwords) is passed as the
// bytes of the name on disk.
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <system_error>

#include "FileTimes.h"

class ZipWriterInterface {
public:
    virtual ~ZipWriterInterface() = default;

    virtual int32_t Result() const = 0;
    // The system's reason (an errno) behind the last failure when a file
    // operation failed; empty after a success or a refused call.
    virtual std::error_code SystemError() const = 0;

    virtual void OpenCrc() = 0;
    virtual void CrcBytes(std::span<const unsigned char> bytes) = 0;
    virtual int32_t CloseCrc() = 0;

    virtual bool OpenZip(const std::string& filePath, int32_t appendMode = 0) = 0;
    // expectedSize: the entry's uncompressed size when known (0 = unknown);
    // entries that could reach 4 GiB are written with Zip64. times: the
    // file's own times, which the entry then carries exactly (UTC) in extra
    // fields beside its DOS date; without them it has the DOS date alone.
    virtual bool OpenFileInZip(const std::string& fileName, int32_t zMethod = 8, int32_t zLevel = -1,
                               int32_t attrs = 0, const std::string& comment = {}, double fileDate = 0,
                               const std::string& password = {}, int32_t crc = 0, uint64_t expectedSize = 0,
                               const std::optional<FileTimes>& times = std::nullopt) = 0;
    // Like OpenFileInZip, for data that arrives already in its stored form: a
    // raw deflate stream for method 8, the bytes themselves for method 0. The
    // data goes in through WriteBytes (encrypted here when there is a
    // password) and the entry is closed with CloseRawFileInZip.
    virtual bool OpenRawFileInZip(const std::string& fileName, int32_t zMethod = 8, int32_t zLevel = -1,
                                  int32_t attrs = 0, const std::string& comment = {}, double fileDate = 0,
                                  const std::string& password = {}, int32_t crc = 0, uint64_t expectedSize = 0,
                                  const std::optional<FileTimes>& times = std::nullopt) = 0;
    virtual bool WriteBytes(std::span<const unsigned char> bytes) = 0;
    virtual bool CloseFileInZip() = 0;
    // Closes an entry opened raw, with the size and CRC-32 of its data before
    // it was compressed.
    virtual bool CloseRawFileInZip(uint64_t uncompressedSize, int32_t crc) = 0;
    virtual bool CloseZip() = 0;
    // How many bytes at the start of the archive file are written out for
    // good (0 when not known): a reader may check them while the run goes
    // on. -1: this writer keeps no file to read back (a test's stand-in).
    virtual int64_t SettledBytes() const = 0;
    // How many are written out, for good too but for the open entry's local
    // header (its CRC and sizes are filled in when it closes).
    virtual int64_t WrittenOutBytes() const = 0;
};
