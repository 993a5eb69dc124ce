#pragma once
// Writes one password-protected entry into an open minizip archive: the data
// is deflated here and encrypted with the traditional cipher, then handed to
// minizip as raw bytes. Debian's minizip 1.1 cannot be used for this itself:
// its cipher reads zlib's CRC table with the wrong element size and writes
// entries no reader can decrypt.
#include <minizip/zip.h>
#include <zlib.h>

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "TraditionalZipCipher.h"

class EncryptedEntryStream {
public:
    EncryptedEntryStream(std::string_view password, uint32_t crc);
    ~EncryptedEntryStream();
    EncryptedEntryStream(const EncryptedEntryStream&) = delete;
    EncryptedEntryStream& operator=(const EncryptedEntryStream&) = delete;

    // Prepares the compressor before the entry is opened, so that a bad method
    // or level fails without leaving a half-made entry. Returns 0 or a
    // minizip/zlib code.
    int Init(int method, int level);
    // Writes the 12-byte encryption header into the freshly opened entry.
    int Begin(zipFile archive);
    int Write(zipFile archive, std::span<const unsigned char> bytes);
    // Flushes the compressor; the caller then closes the entry raw with
    // UncompressedSize() and the CRC it was given.
    int Finish(zipFile archive);

    uint64_t UncompressedSize() const { return uncompressed_; }
    // CRC-32 of the data actually written, to compare with the one promised.
    uint32_t ActualCrc() const { return actualCrc_; }

private:
    int pump(zipFile archive, int flush);
    int emit(zipFile archive, unsigned char* data, size_t size);

    TraditionalZipCipher cipher_;
    uint32_t crc_;
    bool deflating_ = false;
    bool streamReady_ = false;
    z_stream stream_{};
    std::vector<unsigned char> out_;
    uint64_t uncompressed_ = 0;
    uint32_t actualCrc_ = 0;
};
