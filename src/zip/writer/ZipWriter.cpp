#include "ZipWriter.h"

#include <zlib.h>

#include <algorithm>
#include <cmath>

#include "EncryptedEntryStream.h"
#include "EntrySizeLimits.h"
#include "MinizipEntryOpener.h"
#include "Zip64EndRecords.h"

namespace {

using EntrySizeLimits::kEncryptionHeader;
using EntrySizeLimits::kZip32Limit;

constexpr size_t kMaxField = 0xFFFF;
// minizip counts a write in 32-bit units; larger spans go in pieces.
constexpr size_t kMaxPiece = 1u << 30;

bool hasNul(const std::string& text)
{
    return text.find('\0') != std::string::npos;
}

}  // namespace

ZipWriter::ZipWriter() = default;

ZipWriter::ZipWriter(ArchiveWriteBuffer::WriteTap tap) : io_(std::move(tap)) {}

ZipWriter::~ZipWriter()
{
    if (entryOpen_)
        (void)closeEntry();
    if (handle_ != nullptr)
        (void)closeArchive();
}

std::error_code ZipWriter::SystemError() const
{
    return result_.code();
}

ZipCall ZipWriter::minizip(int code) const
{
    return MinizipCall(code, io_.FirstFailure().code());
}

bool ZipWriter::report(const ZipCall& call)
{
    result_ = call;
    return !call.ok();
}

bool ZipWriter::reportFailure(const ZipCall& call)
{
    if (failure_)
        failure_ = call;
    return report(call);
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
        return report(ZipCode::AlreadyOpen);
    io_.ClearFailure();
    zipFile handle = hasNul(filePath) ? nullptr : zipOpen2_64(filePath.c_str(), appendMode, nullptr, io_.Functions());
    if (handle == nullptr)
        return report(Fault<ZipCode>{ZipCode::NoHandle, io_.FirstFailure().code()});
    handle_ = handle;
    archivePath_ = filePath;
    failure_ = {};
    return report(ZipCode::Ok);
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

bool ZipWriter::openEntry(const ZipEntryRequest& request)
{
    if (handle_ == nullptr)
        return report(ZipCode::NotOpen);
    if (entryOpen_)
        return report(ZipCode::AlreadyOpen);
    if (!failure_)
        return report(failure_);
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
        return report(ZipCode::ParamError);

    const bool encrypted = !request.password.empty();
    const bool deflated = method == Z_DEFLATED;
    const bool zip64 =
        EntrySizeLimits::NeedsZip64(request.expectedSize, deflated, request.zLevel, encrypted, request.raw);

    io_.ClearFailure();
    entryStart_ = io_.Position();
    auto opened = MinizipEntryOpener::Open(handle_, request, zip64);
    if (!opened) {
        // A parameter error leaves the file untouched; any other failure may
        // have written part of a header.
        const int code = static_cast<int>(opened.kind());
        return code == ZIP_PARAMERROR ? report(opened.kind()) : reportFailure(minizip(code));
    }
    entryOpen_ = true;
    raw_ = request.raw;
    zip64_ = zip64;
    deflated_ = deflated;
    level_ = request.zLevel;
    written_ = 0;
    writeLimit_ = 0;
    promisedCrc_ = static_cast<uint32_t>(request.crc);
    encrypted_ = std::move(opened.value());
    return report(ZipCode::Ok);
}

// An entry opened without Zip64 cannot hold 4 GiB: rather than let minizip
// write sizes that wrap round, such a write is refused.
bool ZipWriter::writeLimitReached(size_t size)
{
    if (zip64_ || written_ + size < (3ull << 30))
        return false;
    if (writeLimit_ == 0) {
        const uint64_t header = encrypted_ ? kEncryptionHeader : 0;
        writeLimit_ = raw_ ? kZip32Limit - 1 - header
                           : EntrySizeLimits::LargestWithoutZip64(deflated_, level_, encrypted_ != nullptr);
    }
    return written_ + size > writeLimit_;
}

bool ZipWriter::WriteBytes(std::span<const unsigned char> bytes)
{
    if (handle_ == nullptr || !entryOpen_)
        return report(ZipCode::NotOpen);
    if (!failure_)
        return report(failure_);
    io_.ClearFailure();
    if (writeLimitReached(bytes.size())) {
        reportFailure(minizip(ZIP_PARAMERROR));
        return report(ZipCode::ParamError);
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
    return err != ZIP_OK ? reportFailure(minizip(err)) : report(ZipCode::Ok);
}

// Closes the open entry in minizip. minizip treats its entry as closed after
// the call whatever it returns, so the entry is dropped here in every case.
// A raw entry is closed with the size and CRC its caller gives. The result
// holds minizip's code alone: its caller adds the reason.
ZipCall ZipWriter::closeEntry(uint64_t rawSize, uint32_t rawCrc)
{
    entryOpen_ = false;
    std::unique_ptr<EncryptedEntryStream> stream = std::move(encrypted_);
    if (raw_) {
        const int err = stream && failure_ ? stream->Finish(handle_) : ZIP_OK;
        const int closed = zipCloseFileInZipRaw64(handle_, rawSize, rawCrc);
        return MinizipCall(err != ZIP_OK ? err : closed);
    }
    if (!stream)
        return MinizipCall(zipCloseFileInZip(handle_));
    int err = failure_ ? stream->Finish(handle_) : static_cast<int>(failure_.kind());
    const int closed = zipCloseFileInZipRaw64(handle_, stream->UncompressedSize(), promisedCrc_);
    if (err == ZIP_OK)
        err = closed;
    return MinizipCall(err);
}

// The common end of both closes: the archive's first failure wins.
bool ZipWriter::finishClose(const ZipCall& closed)
{
    if (!failure_)
        return report(failure_);
    return !closed ? reportFailure(minizip(static_cast<int>(closed.kind()))) : report(ZipCode::Ok);
}

bool ZipWriter::CloseFileInZip()
{
    if (!entryOpen_)
        return report(ZipCode::NotOpen);
    // A raw entry's sizes come from its caller.
    if (raw_)
        return report(ZipCode::ParamError);
    const bool wasEncrypted = encrypted_ != nullptr;
    const uint32_t actualCrc = wasEncrypted ? encrypted_->ActualCrc() : 0;
    io_.ClearFailure();
    if (finishClose(closeEntry()))
        return true;
    // The encryption header was made from the CRC the caller gave; data that
    // does not match it (a file changed since its CRC was taken) makes an
    // entry that fails its check when read.
    if (wasEncrypted && actualCrc != promisedCrc_)
        return report(ZipCode::ParamError);
    return false;
}

bool ZipWriter::CloseRawFileInZip(uint64_t uncompressedSize, int32_t crc)
{
    if (!entryOpen_)
        return report(ZipCode::NotOpen);
    if (!raw_)
        return report(ZipCode::ParamError);
    const bool wasEncrypted = encrypted_ != nullptr;
    io_.ClearFailure();
    // Sizes that need Zip64 in an entry opened without it would wrap round.
    if (!zip64_ && uncompressedSize >= kZip32Limit) {
        (void)closeEntry(0, 0);
        reportFailure(minizip(ZIP_PARAMERROR));
        return report(ZipCode::ParamError);
    }
    if (finishClose(closeEntry(uncompressedSize, static_cast<uint32_t>(crc))))
        return true;
    // As for CloseFileInZip: the header promised another CRC.
    if (wasEncrypted && static_cast<uint32_t>(crc) != promisedCrc_)
        return report(ZipCode::ParamError);
    return false;
}

// Closes the archive. minizip frees its handle inside zipClose whether or not
// the call succeeds, so the handle is dropped in every case.
ZipCall ZipWriter::closeArchive()
{
    zipFile handle = handle_;
    handle_ = nullptr;
    io_.ClearFailure();
    const ZipCall closed = minizip(zipClose(handle, nullptr));
    if (!closed || !failure_)
        return closed;
    if (const auto added = Zip64EndRecords::AddIfNeeded(archivePath_); !added)
        return Fault<ZipCode>{static_cast<ZipCode>(ZIP_ERRNO), added.code()};
    return {};
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
        return report(ZipCode::NotOpen);
    ZipCall entryClosed;
    if (entryOpen_) {
        // A raw entry left open has no sizes to close with: the archive stays
        // readable, but the entry is reported.
        const bool failed = raw_ ? ((void)closeEntry(0, 0), report(ZipCode::ParamError)) : CloseFileInZip();
        if (failed)
            entryClosed = result_;
    }
    const ZipCall closed = closeArchive();
    // The first failure is the one reported: later ones follow from it.
    if (!entryClosed)
        return report(entryClosed);
    if (!failure_)
        return report(failure_);
    return report(closed);
}
