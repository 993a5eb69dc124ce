#include "MinizipEntryOpener.h"

#include "ArchiveEntryName.h"
#include "OleDate.h"
#include "TimestampExtraFields.h"
#include "UnicodePathExtraField.h"
#include "ZipEntryDate.h"

namespace {

// Written for every entry, as minizip's own zipOpenNewFileInZip does (host 0, MS-DOS).
constexpr uLong kVersionMadeBy = 0;
constexpr uint32_t kEncryptedFlag = 0x0001;
// The file attributes kept in an entry: read-only, hidden, system, archive.
constexpr int32_t kKeptAttributes = 0x27;
constexpr size_t kMaxField = 0xFFFF;
// Room minizip keeps in a central header for the Zip64 extra it may add.
constexpr size_t kZip64ExtraRoom = 32;

zip_fileinfo fileInfo(const ZipEntryRequest& request)
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
    return info;
}

Result<std::unique_ptr<EncryptedEntryStream>, ZipCode> failed(int code)
{
    return Fault<ZipCode>{static_cast<ZipCode>(code)};
}

}  // namespace

Result<std::unique_ptr<EncryptedEntryStream>, ZipCode> MinizipEntryOpener::Open(zipFile handle,
                                                                          const ZipEntryRequest& request, bool zip64)
{
    const zip_fileinfo info = fileInfo(request);
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

    std::unique_ptr<EncryptedEntryStream> stream;
    if (encrypted) {
        // Data handed over raw is only encrypted; otherwise the stream deflates it too.
        stream = std::make_unique<EncryptedEntryStream>(request.password, static_cast<uint32_t>(request.crc));
        if (const int err = stream->Init(request.raw ? 0 : request.zMethod, request.zLevel); err != ZIP_OK)
            return failed(err);
    }
    if (const int err = zipOpenNewFileInZip4_64(handle, name.c_str(), &info, extra, extraSize, extra, extraSize,
                                                commentText, request.zMethod, request.zLevel,
                                                encrypted || request.raw ? 1 : 0, -MAX_WBITS, DEF_MEM_LEVEL,
                                                Z_DEFAULT_STRATEGY, nullptr, 0, kVersionMadeBy, flags, zip64 ? 1 : 0);
        err != ZIP_OK)
        return failed(err);
    if (stream) {
        if (const int err = stream->Begin(handle); err != ZIP_OK) {
            // The entry exists in minizip now; close it so the archive can
            // still be finished (without it counting as written).
            zipCloseFileInZipRaw64(handle, 0, 0);
            return failed(err);
        }
    }
    return stream;
}
