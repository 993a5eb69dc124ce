#pragma once
// Opens one entry in minizip with what the archive keeps beside its data: the
// DOS date and attributes, the file's exact times and a UTF-8 name in extra
// fields, and for a password the encryption header.
#include <minizip/zip.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "EncryptedEntryStream.h"
#include "FileTimes.h"
#include "ZipCode.h"

// One entry as ZipWriter's OpenFileInZip and OpenRawFileInZip are given it.
struct ZipEntryRequest {
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

namespace MinizipEntryOpener {

// Opens the entry; an encrypted one is opened raw and gets its encryption
// header, its data then passing through the stream returned (none for an
// entry without a password). A failure holds minizip's or zlib's code.
Result<std::unique_ptr<EncryptedEntryStream>, ZipCode> Open(zipFile handle, const ZipEntryRequest& request,
                                                            bool zip64);

}  // namespace MinizipEntryOpener
