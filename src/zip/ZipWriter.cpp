#include "ZipWriter.h"

#include <zlib.h>

#include <algorithm>
#include <cerrno>
#include <cmath>

#include "ArchiveEntryName.h"
#include "EncryptedEntryStream.h"
#include "OleDate.h"
#include "TimestampExtraFields.h"
#include "UnicodePathExtraField.h"
#include "Zip64EndRecords.h"
#include "ZipEntryDate.h"

namespace {

// Written for every entry, as minizip's own zipOpenNewFileInZip does (host 0, MS-DOS).
constexpr uLong kVersionMadeBy = 0;
constexpr uint32_t kEncryptedFlag = 0x0001;
// The file attributes kept in an entry: read-only, hidden, system, archive.
constexpr int32_t kKeptAttributes = 0x27;
constexpr uint64_t kZip32Limit = 0xFFFFFFFFu;
constexpr size_t kMaxField = 0xFFFF;
// Room minizip keeps in a central header for the Zip64 extra it may add.
constexpr size_t kZip64ExtraRoom = 32;
// minizip counts a write in 32-bit units; larger spans go in pieces.
constexpr size_t kMaxPiece = 1u << 30;
constexpr size_t kEncryptionHeader = 12;
// Raw deflate data made in independently flushed pieces (one per 128 KiB at
// most) can outgrow one stream's bound by a few bytes per piece.
constexpr uint64_t kRawPieceSize = 128 * 1024;
constexpr uint64_t kRawPieceOverhead = 16;

// The most an entry of this many bytes can take in the archive. Deflate can
// grow incompressible data slightly; its bound is only worked out exactly for
// sizes where it could matter.
uint64_t storedBound(uint64_t size, bool deflated, int level, bool encrypted)
{
    uint64_t bound = size;
    if (deflated && size >= (3ull << 30)) {
        z_stream probe{};
        if (deflateInit2(&probe, level, Z_DEFLATED, -MAX_WBITS, DEF_MEM_LEVEL, Z_DEFAULT_STRATEGY) == Z_OK) {
            bound = deflateBound(&probe, size);
            deflateEnd(&probe);
        } else {
            bound = size + size / 8 + 64;
        }
    }
    return bound + (encrypted ? kEncryptionHeader : 0);
}

// The most data an entry without Zip64 may take: the largest size whose bound
// stays under 4 GiB.
uint64_t largestWithoutZip64(bool deflated, int level, bool encrypted)
{
    uint64_t low = 0;
    uint64_t high = kZip32Limit;
    while (low + 1 < high) {
        const uint64_t middle = low + (high - low) / 2;
        if (storedBound(middle, deflated, level, encrypted) < kZip32Limit)
            low = middle;
        else
            high = middle;
    }
    return low;
}

bool hasNul(const std::string& text)
{
    return text.find('\0') != std::string::npos;
}

}  // namespace

struct ZipWriter::EntryRequest {
    const std::string& fileName;
    int32_t zMethod;
    int32_t zLevel;
    int32_t attrs;
    const std::string& comment;
    double fileDate;
    const std::string& password;
    int32_t crc;
    uint64_t expectedSize;
    const std::optional<FileTimes>& times;
    bool raw;
};

ZipWriter::ZipWriter() = default;

ZipWriter::ZipWriter(ArchiveWriteBuffer::WriteTap tap) : io_(std::move(tap)) {}

ZipWriter::~ZipWriter()
{
    if (entryOpen_)
        closeEntry();
    if (handle_ != nullptr)
        closeArchive();
}

std::error_code ZipWriter::SystemError() const
{
    return resultErrno_ != 0 ? std::error_code(resultErrno_, std::system_category()) : std::error_code();
}

bool ZipWriter::report(int32_t code, int systemErrno)
{
    result_ = code;
    resultErrno_ = code != ZIP_OK ? systemErrno : 0;
    return code != ZIP_OK;
}

// A failure of the archive itself: remembered, so nothing more is written.
bool ZipWriter::reportFailure(int32_t code)
{
    if (failure_ == 0) {
        failure_ = code;
        failureErrno_ = io_.LastErrno();
    }
    return report(code, io_.LastErrno());
}

void ZipWriter::OpenCrc()
{
    runningCrc_ = static_cast<uint32_t>(crc32(0L, Z_NULL, 0));
}

void ZipWriter::CrcBytes(std::span<const unsigned char> bytes)
{
    while (!bytes.empty()) {
        const size_t piece = std::min(bytes.size(), kMaxPiece);
        runningCrc_ = static_cast<uint32_t>(crc32(runningCrc_, bytes.data(), static_cast<uInt>(piece)));
        bytes = bytes.subspan(piece);
    }
}

int32_t ZipWriter::CloseCrc()
{
    return static_cast<int32_t>(runningCrc_);
}

bool ZipWriter::OpenZip(const std::string& filePath, int32_t appendMode)
{
    if (handle_ != nullptr)
        return report(AlreadyOpen);
    io_.ClearErrno();
    zipFile handle = hasNul(filePath) ? nullptr : zipOpen2_64(filePath.c_str(), appendMode, nullptr, io_.Functions());
    if (handle == nullptr)
        return report(NoHandle, io_.LastErrno());
    handle_ = handle;
    archivePath_ = filePath;
    failure_ = 0;
    failureErrno_ = 0;
    return report(ZIP_OK);
}

bool ZipWriter::OpenFileInZip(const std::string& fileName, int32_t zMethod, int32_t zLevel, int32_t attrs,
                              const std::string& comment, double fileDate, const std::string& password,
                              int32_t crc, uint64_t expectedSize, const std::optional<FileTimes>& times)
{
    return openEntry({fileName, zMethod, zLevel, attrs, comment, fileDate, password, crc, expectedSize, times, false});
}

bool ZipWriter::OpenRawFileInZip(const std::string& fileName, int32_t zMethod, int32_t zLevel, int32_t attrs,
                                 const std::string& comment, double fileDate, const std::string& password,
                                 int32_t crc, uint64_t expectedSize, const std::optional<FileTimes>& times)
{
    return openEntry({fileName, zMethod, zLevel, attrs, comment, fileDate, password, crc, expectedSize, times, true});
}

bool ZipWriter::openEntry(const EntryRequest& request)
{
    if (handle_ == nullptr)
        return report(NotOpen);
    if (entryOpen_)
        return report(AlreadyOpen);
    if (failure_ != 0)
        return report(failure_, failureErrno_);
    // minizip takes C strings and 16-bit lengths: it would cut a name at a NUL
    // byte or wrap a long one round, so such text is refused here. An empty
    // name makes an entry no reader can extract. A level zlib refuses would
    // fail only after minizip has written the entry's header.
    const std::string& name = request.fileName;
    const std::string& comment = request.comment;
    const int32_t method = request.zMethod;
    if (name.empty() || name.size() > kMaxField || hasNul(name) || comment.size() > kMaxField || hasNul(comment) ||
        std::isnan(request.fileDate) || (method != 0 && method != Z_DEFLATED) ||
        (method == Z_DEFLATED && (request.zLevel < -1 || request.zLevel > 9)))
        return report(ZIP_PARAMERROR);

    const bool encrypted = !request.password.empty();
    const bool deflated = method == Z_DEFLATED;
    uint64_t bound = storedBound(request.expectedSize, deflated, request.zLevel, encrypted);
    if (request.raw && deflated)
        bound += (request.expectedSize / kRawPieceSize + 1) * kRawPieceOverhead;
    const bool zip64 = request.expectedSize >= kZip32Limit || bound >= kZip32Limit;

    io_.ClearErrno();
    entryStart_ = io_.Position();
    std::unique_ptr<EncryptedEntryStream> stream;
    const int err = openInMinizip(request, stream, zip64);
    if (err != ZIP_OK) {
        // A parameter error leaves the file untouched; any other failure may
        // have written part of a header.
        return err == ZIP_PARAMERROR ? report(err) : reportFailure(err);
    }
    entryOpen_ = true;
    raw_ = request.raw;
    zip64_ = zip64;
    deflated_ = deflated;
    level_ = request.zLevel;
    written_ = 0;
    writeLimit_ = 0;
    promisedCrc_ = static_cast<uint32_t>(request.crc);
    encrypted_ = std::move(stream);
    return report(ZIP_OK);
}

// Opens the entry in minizip; an encrypted one is opened raw and gets its
// encryption header, its data then passing through `stream`.
int ZipWriter::openInMinizip(const EntryRequest& request, std::unique_ptr<EncryptedEntryStream>& stream,
                             bool zip64)
{
    const double fileDate = request.fileDate == 0 ? OleDate::LocalNow() : request.fileDate;
    zip_fileinfo info{};
    const OleDate::Fields date = ZipEntryDate::Clamp(fileDate);
    info.tmz_date.tm_sec = static_cast<uInt>(date.second);
    info.tmz_date.tm_min = static_cast<uInt>(date.minute);
    info.tmz_date.tm_hour = static_cast<uInt>(date.hour);
    info.tmz_date.tm_mday = static_cast<uInt>(date.day);
    info.tmz_date.tm_mon = static_cast<uInt>(date.month - 1);
    info.tmz_date.tm_year = static_cast<uInt>(date.year);
    info.dosDate = 0;
    info.internal_fa = 0;
    info.external_fa = static_cast<uLong>(request.attrs & kKeptAttributes);

    const std::string name = ArchiveEntryName(request.fileName);
    const bool encrypted = !request.password.empty();
    uLong flags = encrypted ? kEncryptedFlag : 0;
    // minizip writes the same extra fields into the local and the central
    // header, and appends its Zip64 field to each where the entry needs it.
    std::string extraFields = request.times ? TimestampExtraFields::Make(*request.times) : std::string();
    if (!UnicodePathExtraField::IsAscii(name) && UnicodePathExtraField::IsValidUtf8(name)) {
        flags |= UnicodePathExtraField::kUtf8NameFlag;
        // The extra field repeats the name; it is left out in the rare case
        // that it would not fit beside the time fields and minizip's Zip64 fields.
        if (name.size() + 9 + extraFields.size() + kZip64ExtraRoom <= kMaxField)
            extraFields += UnicodePathExtraField::Make(name);
    }
    const void* extra = extraFields.empty() ? nullptr : extraFields.data();
    const uInt extraSize = static_cast<uInt>(extraFields.size());
    const char* commentText = request.comment.empty() ? nullptr : request.comment.c_str();

    int err = ZIP_OK;
    if (encrypted) {
        // Data handed over raw is only encrypted; otherwise the stream deflates it too.
        stream = std::make_unique<EncryptedEntryStream>(request.password, static_cast<uint32_t>(request.crc));
        err = stream->Init(request.raw ? 0 : request.zMethod, request.zLevel);
    }
    if (err == ZIP_OK)
        err = zipOpenNewFileInZip4_64(handle_, name.c_str(), &info, extra, extraSize, extra, extraSize, commentText,
                                      request.zMethod, request.zLevel, encrypted || request.raw ? 1 : 0,
                                      -MAX_WBITS, DEF_MEM_LEVEL, Z_DEFAULT_STRATEGY, nullptr, 0, kVersionMadeBy,
                                      flags, zip64 ? 1 : 0);
    if (err == ZIP_OK && stream) {
        err = stream->Begin(handle_);
        // The entry exists in minizip now; close it so the archive can still
        // be finished (without it counting as written).
        if (err != ZIP_OK)
            zipCloseFileInZipRaw64(handle_, 0, 0);
    }
    return err;
}

// An entry opened without Zip64 cannot hold 4 GiB: rather than let minizip
// write sizes that wrap round, such a write is refused.
bool ZipWriter::writeLimitReached(size_t size)
{
    if (zip64_ || written_ + size < (3ull << 30))
        return false;
    if (writeLimit_ == 0) {
        const uint64_t header = encrypted_ ? kEncryptionHeader : 0;
        writeLimit_ = raw_ ? kZip32Limit - 1 - header : largestWithoutZip64(deflated_, level_, encrypted_ != nullptr);
    }
    return written_ + size > writeLimit_;
}

bool ZipWriter::WriteBytes(std::span<const unsigned char> bytes)
{
    if (handle_ == nullptr || !entryOpen_)
        return report(NotOpen);
    if (failure_ != 0)
        return report(failure_, failureErrno_);
    io_.ClearErrno();
    if (writeLimitReached(bytes.size())) {
        reportFailure(ZIP_PARAMERROR);
        return report(ZIP_PARAMERROR);
    }
    int err = ZIP_OK;
    if (encrypted_) {
        err = encrypted_->Write(handle_, bytes);
    } else {
        for (std::span<const unsigned char> rest = bytes; !rest.empty() && err == ZIP_OK;) {
            const size_t piece = std::min(rest.size(), kMaxPiece);
            err = zipWriteInFileInZip(handle_, rest.data(), static_cast<unsigned>(piece));
            rest = rest.subspan(piece);
        }
    }
    written_ += bytes.size();
    return err != ZIP_OK ? reportFailure(err) : report(ZIP_OK);
}

// Closes the open entry in minizip. minizip treats its entry as closed after
// the call whatever it returns, so the entry is dropped here in every case.
// A raw entry is closed with the size and CRC its caller gives.
int ZipWriter::closeEntry(uint64_t rawSize, uint32_t rawCrc)
{
    entryOpen_ = false;
    std::unique_ptr<EncryptedEntryStream> stream = std::move(encrypted_);
    if (raw_) {
        int err = stream && failure_ == 0 ? stream->Finish(handle_) : ZIP_OK;
        const int closed = zipCloseFileInZipRaw64(handle_, rawSize, rawCrc);
        return err != ZIP_OK ? err : closed;
    }
    if (!stream)
        return zipCloseFileInZip(handle_);
    int err = failure_ == 0 ? stream->Finish(handle_) : failure_;
    const int closed = zipCloseFileInZipRaw64(handle_, stream->UncompressedSize(), promisedCrc_);
    if (err == ZIP_OK)
        err = closed;
    return err;
}

// The common end of both closes: the archive's first failure wins.
bool ZipWriter::finishClose(int err)
{
    if (failure_ != 0)
        return report(failure_, failureErrno_);
    return err != ZIP_OK ? reportFailure(err) : report(ZIP_OK);
}

bool ZipWriter::CloseFileInZip()
{
    if (!entryOpen_)
        return report(NotOpen);
    // A raw entry's sizes come from its caller.
    if (raw_)
        return report(ZIP_PARAMERROR);
    const bool wasEncrypted = encrypted_ != nullptr;
    const uint32_t actualCrc = wasEncrypted ? encrypted_->ActualCrc() : 0;
    io_.ClearErrno();
    if (finishClose(closeEntry()))
        return true;
    // The encryption header was made from the CRC the caller gave; data that
    // does not match it (a file changed since its CRC was taken) makes an
    // entry that fails its check when read.
    if (wasEncrypted && actualCrc != promisedCrc_)
        return report(ZIP_PARAMERROR);
    return false;
}

bool ZipWriter::CloseRawFileInZip(uint64_t uncompressedSize, int32_t crc)
{
    if (!entryOpen_)
        return report(NotOpen);
    if (!raw_)
        return report(ZIP_PARAMERROR);
    const bool wasEncrypted = encrypted_ != nullptr;
    io_.ClearErrno();
    // Sizes that need Zip64 in an entry opened without it would wrap round.
    if (!zip64_ && uncompressedSize >= kZip32Limit) {
        closeEntry(0, 0);
        reportFailure(ZIP_PARAMERROR);
        return report(ZIP_PARAMERROR);
    }
    if (finishClose(closeEntry(uncompressedSize, static_cast<uint32_t>(crc))))
        return true;
    // As for CloseFileInZip: the header promised another CRC.
    if (wasEncrypted && static_cast<uint32_t>(crc) != promisedCrc_)
        return report(ZIP_PARAMERROR);
    return false;
}

// Closes the archive. minizip frees its handle inside zipClose whether or not
// the call succeeds, so the handle is dropped in every case.
int ZipWriter::closeArchive(int* systemErrno)
{
    zipFile handle = handle_;
    handle_ = nullptr;
    io_.ClearErrno();
    int err = zipClose(handle, nullptr);
    int reason = io_.LastErrno();
    if (err == ZIP_OK && failure_ == 0) {
        if (const auto added = Zip64EndRecords::AddIfNeeded(archivePath_); !added) {
            err = ZIP_ERRNO;
            reason = added.code().value();
        }
    }
    if (systemErrno != nullptr)
        *systemErrno = reason;
    return err;
}

// minizip goes back only into the open entry (to fill in its local
// header), so everything written out before that entry is final.
int64_t ZipWriter::SettledBytes() const
{
    const int64_t out = io_.WrittenOut();
    return entryOpen_ ? std::min(out, entryStart_) : out;
}

bool ZipWriter::CloseZip()
{
    if (handle_ == nullptr)
        return report(NotOpen);
    int entryErr = ZIP_OK;
    int entryErrno = 0;
    if (entryOpen_) {
        // A raw entry left open has no sizes to close with: the archive stays
        // readable, but the entry is reported.
        const bool failed = raw_ ? (closeEntry(0, 0), report(ZIP_PARAMERROR)) : CloseFileInZip();
        entryErr = failed ? result_ : ZIP_OK;
        entryErrno = failed ? resultErrno_ : 0;
    }
    int closeErrno = 0;
    const int err = closeArchive(&closeErrno);
    // The first failure is the one reported: later ones follow from it.
    if (entryErr != ZIP_OK)
        return report(entryErr, entryErrno);
    if (failure_ != 0)
        return report(failure_, failureErrno_);
    return report(err, closeErrno);
}
