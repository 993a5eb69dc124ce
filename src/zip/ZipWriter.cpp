#include "ZipWriter.h"

#include <zlib.h>

#include <algorithm>
#include <cmath>

#include "EncryptedEntryStream.h"
#include "OleDate.h"
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
    return bound + (encrypted ? 12 : 0);
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

ZipWriter::ZipWriter() = default;

ZipWriter::~ZipWriter()
{
    if (entryOpen_)
        closeEntry();
    if (handle_ != nullptr)
        closeArchive();
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
    if (handle_ != nullptr) {
        result_ = AlreadyOpen;
        return true;
    }
    zipFile handle = hasNul(filePath) ? nullptr : zipOpen64(filePath.c_str(), appendMode);
    if (handle == nullptr) {
        result_ = NoHandle;
        return true;
    }
    handle_ = handle;
    archivePath_ = filePath;
    failure_ = 0;
    result_ = ZIP_OK;
    return false;
}

bool ZipWriter::OpenFileInZip(const std::string& fileName, int32_t zMethod, int32_t zLevel, int32_t attrs,
                              const std::string& comment, double fileDate, const std::string& password,
                              int32_t crc, uint64_t expectedSize)
{
    if (handle_ == nullptr) {
        result_ = NotOpen;
        return true;
    }
    if (entryOpen_) {
        result_ = AlreadyOpen;
        return true;
    }
    if (failure_ != 0) {
        result_ = failure_;
        return true;
    }
    // minizip takes C strings and 16-bit lengths: it would cut a name at a NUL
    // byte or wrap a long one round, so such text is refused here. An empty
    // name makes an entry no reader can extract. A level zlib refuses would
    // fail only after minizip has written the entry's header.
    if (fileName.empty() || fileName.size() > kMaxField || hasNul(fileName) || comment.size() > kMaxField ||
        hasNul(comment) || std::isnan(fileDate) || (zMethod != 0 && zMethod != Z_DEFLATED) ||
        (zMethod == Z_DEFLATED && (zLevel < -1 || zLevel > 9))) {
        result_ = ZIP_PARAMERROR;
        return true;
    }

    if (fileDate == 0)
        fileDate = OleDate::LocalNow();
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
    info.external_fa = static_cast<uLong>(attrs & kKeptAttributes);

    const bool encrypted = !password.empty();
    const bool deflated = zMethod == Z_DEFLATED;
    const bool zip64 = expectedSize >= kZip32Limit ||
                       storedBound(expectedSize, deflated, zLevel, encrypted) >= kZip32Limit;

    uLong flags = encrypted ? kEncryptedFlag : 0;
    std::string unicodePath;
    if (!UnicodePathExtraField::IsAscii(fileName) && UnicodePathExtraField::IsValidUtf8(fileName)) {
        flags |= UnicodePathExtraField::kUtf8NameFlag;
        // The extra field repeats the name; it is left out in the rare case
        // that it would not fit beside minizip's own Zip64 fields.
        if (fileName.size() + 9 + kZip64ExtraRoom <= kMaxField)
            unicodePath = UnicodePathExtraField::Make(fileName);
    }
    const void* extra = unicodePath.empty() ? nullptr : unicodePath.data();
    const uInt extraSize = static_cast<uInt>(unicodePath.size());
    const char* commentText = comment.empty() ? nullptr : comment.c_str();

    std::unique_ptr<EncryptedEntryStream> stream;
    int err;
    if (encrypted) {
        // Opened raw: the data arrives deflated and encrypted from the stream.
        stream = std::make_unique<EncryptedEntryStream>(password, static_cast<uint32_t>(crc));
        err = stream->Init(zMethod, zLevel);
        if (err == ZIP_OK)
            err = zipOpenNewFileInZip4_64(handle_, fileName.c_str(), &info, extra, extraSize, extra, extraSize,
                                          commentText, zMethod, zLevel, 1, -MAX_WBITS, DEF_MEM_LEVEL,
                                          Z_DEFAULT_STRATEGY, nullptr, 0, kVersionMadeBy, flags, zip64 ? 1 : 0);
        if (err == ZIP_OK) {
            err = stream->Begin(handle_);
            if (err != ZIP_OK) {
                // The entry exists in minizip now; close it so the archive
                // can still be finished (without it counting as written).
                zipCloseFileInZipRaw64(handle_, 0, 0);
                failure_ = err;
            }
        }
    } else {
        err = zipOpenNewFileInZip4_64(handle_, fileName.c_str(), &info, extra, extraSize, extra, extraSize,
                                      commentText, zMethod, zLevel, 0, -MAX_WBITS, DEF_MEM_LEVEL,
                                      Z_DEFAULT_STRATEGY, nullptr, 0, kVersionMadeBy, flags, zip64 ? 1 : 0);
    }
    result_ = err;
    if (err != ZIP_OK) {
        // A parameter error leaves the file untouched; any other failure may
        // have written part of a header.
        if (err != ZIP_PARAMERROR)
            failure_ = err;
        return true;
    }
    entryOpen_ = true;
    zip64_ = zip64;
    deflated_ = deflated;
    level_ = zLevel;
    written_ = 0;
    writeLimit_ = 0;
    promisedCrc_ = static_cast<uint32_t>(crc);
    encrypted_ = std::move(stream);
    return false;
}

bool ZipWriter::WriteBytes(std::span<const unsigned char> bytes)
{
    if (handle_ == nullptr || !entryOpen_) {
        result_ = NotOpen;
        return true;
    }
    if (failure_ != 0) {
        result_ = failure_;
        return true;
    }
    // An entry opened without Zip64 cannot hold 4 GiB: rather than let minizip
    // write sizes that wrap round, the write is refused.
    if (!zip64_ && written_ + bytes.size() >= (3ull << 30)) {
        if (writeLimit_ == 0)
            writeLimit_ = largestWithoutZip64(deflated_, level_, encrypted_ != nullptr);
        if (written_ + bytes.size() > writeLimit_) {
            failure_ = result_ = ZIP_PARAMERROR;
            return true;
        }
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
    result_ = err;
    if (err != ZIP_OK) {
        failure_ = err;
        return true;
    }
    return false;
}

// Closes the open entry in minizip. minizip treats its entry as closed after
// the call whatever it returns, so the entry is dropped here in every case.
int ZipWriter::closeEntry()
{
    entryOpen_ = false;
    std::unique_ptr<EncryptedEntryStream> stream = std::move(encrypted_);
    if (!stream)
        return zipCloseFileInZip(handle_);
    int err = failure_ == 0 ? stream->Finish(handle_) : failure_;
    const int closed = zipCloseFileInZipRaw64(handle_, stream->UncompressedSize(), promisedCrc_);
    if (err == ZIP_OK)
        err = closed;
    return err;
}

bool ZipWriter::CloseFileInZip()
{
    if (!entryOpen_) {
        result_ = NotOpen;
        return true;
    }
    const bool wasEncrypted = encrypted_ != nullptr;
    const uint32_t actualCrc = wasEncrypted ? encrypted_->ActualCrc() : 0;
    const int err = closeEntry();
    if (failure_ != 0) {
        result_ = failure_;
        return true;
    }
    result_ = err;
    if (err != ZIP_OK) {
        failure_ = err;
        return true;
    }
    // The encryption header was made from the CRC the caller gave; data that
    // does not match it (a file changed since its CRC was taken) makes an
    // entry that fails its check when read.
    if (wasEncrypted && actualCrc != promisedCrc_) {
        result_ = ZIP_PARAMERROR;
        return true;
    }
    return false;
}

// Closes the archive. minizip frees its handle inside zipClose whether or not
// the call succeeds, so the handle is dropped in every case.
int ZipWriter::closeArchive()
{
    zipFile handle = handle_;
    handle_ = nullptr;
    int err = zipClose(handle, nullptr);
    if (err == ZIP_OK && failure_ == 0)
        err = Zip64EndRecords::AddIfNeeded(archivePath_);
    return err;
}

bool ZipWriter::CloseZip()
{
    if (handle_ == nullptr) {
        result_ = NotOpen;
        return true;
    }
    int entryErr = ZIP_OK;
    if (entryOpen_) {
        const bool failed = CloseFileInZip();
        entryErr = failed ? result_ : ZIP_OK;
    }
    const int earlier = failure_;
    const int err = closeArchive();
    // The first failure is the one reported: later ones follow from it.
    result_ = entryErr != ZIP_OK ? entryErr : earlier != 0 ? earlier : err;
    return result_ != ZIP_OK;
}
