#pragma once
// A stand-in for the archive writer that records every call into a shared
// timeline (together with the Zipper's events, when the test records those
// too) and can be told to fail a call. It keeps the real writer's states, so a
// call in the wrong state fails with -666 / -667 as the real one does, and a
// failed close reports its failure and lets the entry or archive go, as the
// real one does.
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <system_error>
#include <vector>

#include <zlib.h>

#include "ZipWriterInterface.h"

struct WriterScript {
    std::vector<std::string> timeline;
    // One-shot failures: the next call of that name fails with the code
    // (and, when set in failErrno, that system error).
    std::map<std::string, int32_t> failNext;
    std::map<std::string, int> failErrno;
    std::map<std::string, std::string> entries;  // entry name -> bytes written (raw entries: see rawAsData)
    // Raw entries are recorded as the data they hold: a deflated piece as its
    // inflated bytes ("WriteBytes(n)" with n the bytes it holds; a piece
    // holding none, such as a stream's bare end, is not recorded) and their
    // opens and closes under the names of the plain ones. So the timelines
    // of both engines read alike.
    bool rawAsData = false;
    std::map<std::string, bool> rawEntries;      // entry name -> opened raw
    std::map<std::string, std::pair<uint64_t, uint32_t>> rawCloses;  // entry name -> size and CRC given
    bool keepData = true;                         // false: count bytes, keep none
    std::map<std::string, uint64_t> bytesWritten;
    std::map<std::string, uint64_t> expectedSizes;
    // Called inside CloseZip, on whatever thread closes the archive.
    std::function<void()> duringCloseZip;
    int writersMade = 0;
    int writersAlive = 0;
};

class RecordingZipWriter : public ZipWriterInterface {
public:
    explicit RecordingZipWriter(std::shared_ptr<WriterScript> script);
    ~RecordingZipWriter() override;

    int32_t Result() const override { return result_; }
    std::error_code SystemError() const override { return systemError_; }
    void OpenCrc() override;
    void CrcBytes(std::span<const unsigned char> bytes) override;
    int32_t CloseCrc() override;
    bool OpenZip(const std::string& filePath, int32_t appendMode) override;
    bool OpenFileInZip(const std::string& fileName, int32_t zMethod, int32_t zLevel, int32_t attrs,
                       const std::string& comment, double fileDate, const std::string& password,
                       int32_t crc, uint64_t expectedSize, const std::optional<FileTimes>& times) override;
    bool OpenRawFileInZip(const std::string& fileName, int32_t zMethod, int32_t zLevel, int32_t attrs,
                          const std::string& comment, double fileDate, const std::string& password, int32_t crc,
                          uint64_t expectedSize, const std::optional<FileTimes>& times) override;
    bool WriteBytes(std::span<const unsigned char> bytes) override;
    bool CloseFileInZip() override;
    bool CloseRawFileInZip(uint64_t uncompressedSize, int32_t crc) override;
    bool CloseZip() override;
    // Writes no file: nothing to prove.
    int64_t SettledBytes() const override { return -1; }
    int64_t WrittenOutBytes() const override { return -1; }

private:
    // Applies a scripted failure of `call`; true when it fails.
    bool scripted(const std::string& call);
    // The bytes a raw piece holds; false when it is not deflate data.
    bool inflatePiece(std::span<const unsigned char> piece, std::string& out);
    bool openEntry(const std::string& call, const std::string& fileName, uint64_t expectedSize, bool raw,
                   int32_t zMethod);

    std::shared_ptr<WriterScript> script_;
    int32_t result_ = 0;
    uint32_t crc_ = 0;
    bool archiveOpen_ = false;
    bool entryOpen_ = false;
    bool entryRaw_ = false;
    std::string entryName_;
    std::unique_ptr<z_stream, void (*)(z_stream*)> inflater_{nullptr, [](z_stream*) {}};
    std::error_code systemError_;
};
