#pragma once
// Writes ZIP archives through minizip: at most one archive open, and at most
// one entry open in it. Every operation returning bool returns true when it
// FAILED, with the reason in Result():
//      0  success
//     -1  the archive file could not be opened
//   -666  no archive (or no entry) is open
//   -667  an archive (or an entry) is already open
//  other  minizip's or zlib's own code, passed through
// and, when a file operation failed, the system's reason in SystemError().
// It also keeps a running CRC-32, independent of the archive, for callers that
// must know an entry's CRC before writing it (password entries).
#include <memory>
#include <minizip/zip.h>

#include "ArchiveFileIo.h"
#include "ZipWriterInterface.h"

class EncryptedEntryStream;

class ZipWriter : public ZipWriterInterface {
public:
    static constexpr int32_t NoHandle = -1;
    static constexpr int32_t NotOpen = -666;
    static constexpr int32_t AlreadyOpen = -667;

    ZipWriter();
    // `tap` sees every write to a new archive before it goes to the file.
    explicit ZipWriter(ArchiveWriteBuffer::WriteTap tap);
    ~ZipWriter() override;
    ZipWriter(const ZipWriter&) = delete;
    ZipWriter& operator=(const ZipWriter&) = delete;

    int32_t Result() const override { return result_; }
    std::error_code SystemError() const override;

    void OpenCrc() override;
    void CrcBytes(std::span<const unsigned char> bytes) override;
    int32_t CloseCrc() override;

    bool OpenZip(const std::string& filePath, int32_t appendMode = 0) override;
    bool OpenFileInZip(const std::string& fileName, int32_t zMethod = 8, int32_t zLevel = -1, int32_t attrs = 0,
                       const std::string& comment = {}, double fileDate = 0, const std::string& password = {},
                       int32_t crc = 0, uint64_t expectedSize = 0,
                       const std::optional<FileTimes>& times = std::nullopt) override;
    bool OpenRawFileInZip(const std::string& fileName, int32_t zMethod = 8, int32_t zLevel = -1, int32_t attrs = 0,
                          const std::string& comment = {}, double fileDate = 0, const std::string& password = {},
                          int32_t crc = 0, uint64_t expectedSize = 0,
                          const std::optional<FileTimes>& times = std::nullopt) override;
    bool WriteBytes(std::span<const unsigned char> bytes) override;
    bool CloseFileInZip() override;
    bool CloseRawFileInZip(uint64_t uncompressedSize, int32_t crc) override;
    bool CloseZip() override;
    int64_t SettledBytes() const override;
    int64_t WrittenOutBytes() const override { return io_.WrittenOut(); }

private:
    struct EntryRequest;

    bool openEntry(const EntryRequest& request);
    int openInMinizip(const EntryRequest& request, std::unique_ptr<EncryptedEntryStream>& stream, bool zip64);
    bool writeLimitReached(size_t size);
    int closeEntry(uint64_t rawSize = 0, uint32_t rawCrc = 0);
    bool finishClose(int err);
    int closeArchive(int* systemErrno = nullptr);
    // Sets Result() and, for a failed file operation, the errno behind it.
    bool report(int32_t code, int systemErrno = 0);
    bool reportFailure(int32_t code);

    ArchiveFileIo io_;
    zipFile handle_ = nullptr;
    std::string archivePath_;
    bool entryOpen_ = false;
    uint32_t runningCrc_ = 0;
    int32_t result_ = 0;
    int resultErrno_ = 0;
    // First write failure in the open archive. Once a write has failed nothing
    // more is written into that archive: minizip may report later writes as
    // successful although the file no longer holds what it claims.
    int32_t failure_ = 0;
    int failureErrno_ = 0;

    // The open entry.
    bool raw_ = false;
    bool zip64_ = false;
    bool deflated_ = false;
    int level_ = -1;
    uint64_t written_ = 0;
    int64_t entryStart_ = 0;  // where the open entry's local header begins
    uint64_t writeLimit_ = 0;  // 0 = not worked out yet
    uint32_t promisedCrc_ = 0;
    std::unique_ptr<EncryptedEntryStream> encrypted_;
};
