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
#include "ZipCode.h"
#include "ZipWriterInterface.h"

class EncryptedEntryStream;
struct ZipEntryRequest;

class ZipWriter : public ZipWriterInterface {
public:
    static constexpr int32_t NoHandle = static_cast<int32_t>(ZipCode::NoHandle);
    static constexpr int32_t NotOpen = static_cast<int32_t>(ZipCode::NotOpen);
    static constexpr int32_t AlreadyOpen = static_cast<int32_t>(ZipCode::AlreadyOpen);

    ZipWriter();
    // `tap` sees every write to a new archive before it goes to the file.
    explicit ZipWriter(ArchiveWriteBuffer::WriteTap tap);
    ~ZipWriter() override;
    ZipWriter(const ZipWriter&) = delete;
    ZipWriter& operator=(const ZipWriter&) = delete;

    int32_t Result() const override { return result_ ? 0 : static_cast<int32_t>(result_.kind()); }
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
    bool openEntry(const ZipEntryRequest& request);
    bool writeLimitReached(size_t size);
    ZipCall closeEntry(uint64_t rawSize = 0, uint32_t rawCrc = 0);
    bool finishClose(const ZipCall& closed);
    ZipCall closeArchive();
    // minizip's code, with the system's reason when a file operation failed.
    ZipCall minizip(int code) const;
    // Sets Result() and SystemError() from `call`; true when it failed.
    bool report(const ZipCall& call);
    bool report(ZipCode code) { return report(code == ZipCode::Ok ? ZipCall() : ZipCall(Fault<ZipCode>{code})); }
    // A failure of the archive itself: remembered, so nothing more is written.
    bool reportFailure(const ZipCall& call);

    ArchiveFileIo io_;
    zipFile handle_ = nullptr;
    std::string archivePath_;
    bool entryOpen_ = false;
    uint32_t runningCrc_ = 0;
    ZipCall result_;
    // First write failure in the open archive. Once a write has failed nothing
    // more is written into that archive: minizip may report later writes as
    // successful although the file no longer holds what it claims.
    ZipCall failure_;

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
