#pragma once
// A stand-in for the archive writer that records every call into a shared
// timeline (together with the Zipper's events, when the test records those
// too) and can be told to fail a call. It keeps the real writer's states, so a
// call in the wrong state fails with -666 / -667 as the real one does.
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <system_error>
#include <vector>

#include "ZipWriterInterface.h"

struct WriterScript {
    std::vector<std::string> timeline;
    // One-shot failures: the next call of that name fails with the code
    // (and, when set in failErrno, that system error).
    std::map<std::string, int32_t> failNext;
    std::map<std::string, int> failErrno;
    // Like failNext, but the call returns "succeeded" and shows the failure
    // only in Result, as the real writer does for CloseFileInZip / CloseZip.
    std::map<std::string, int32_t> failQuietlyNext;
    std::map<std::string, std::string> entries;  // entry name -> bytes written (raw entries: as handed over)
    std::map<std::string, bool> rawEntries;      // entry name -> opened raw
    std::map<std::string, std::pair<uint64_t, uint32_t>> rawCloses;  // entry name -> size and CRC given
    bool keepData = true;                         // false: count bytes, keep none
    std::map<std::string, uint64_t> bytesWritten;
    std::map<std::string, uint64_t> expectedSizes;
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
                       int32_t crc, uint64_t expectedSize) override;
    bool OpenRawFileInZip(const std::string& fileName, int32_t zMethod, int32_t zLevel, int32_t attrs,
                          const std::string& comment, double fileDate, const std::string& password, int32_t crc,
                          uint64_t expectedSize) override;
    bool WriteBytes(std::span<const unsigned char> bytes) override;
    bool CloseFileInZip() override;
    bool CloseRawFileInZip(uint64_t uncompressedSize, int32_t crc) override;
    bool CloseZip() override;

private:
    // Applies a scripted failure of `call`; returns 1 for a loud failure,
    // 2 for a quiet one, 0 for none.
    int scripted(const std::string& call);
    bool openEntry(const std::string& call, const std::string& fileName, uint64_t expectedSize, bool raw);

    std::shared_ptr<WriterScript> script_;
    int32_t result_ = 0;
    uint32_t crc_ = 0;
    bool archiveOpen_ = false;
    bool entryOpen_ = false;
    bool entryRaw_ = false;
    std::string entryName_;
    std::error_code systemError_;
};
