#pragma once
// Inflates one entry's data piece by piece as it is written out, before its
// local header says its CRC and sizes (they are filled in when the entry
// closes): an entry of gigabytes is then proven while the run writes it,
// not after. Decrypts it first when it has a password; keeps the CRC-32 and
// size of what it gave, and where the deflate stream ended.
#include <cstdint>
#include <optional>
#include <string>

#include <zlib.h>

#include "ArchiveBytes.h"
#include "EntryHeader.h"
#include "ProofFault.h"
#include "Result.h"
#include "TraditionalDecryption.h"

class EntryInflater {
public:
    static constexpr size_t kPiece = 256 * 1024;

    // The entry's data starts at `dataAt`; `password` is null for an entry
    // that is not encrypted (else it must outlive this object).
    EntryInflater(uint64_t dataAt, const std::string* password);
    ~EntryInflater();
    EntryInflater(const EntryInflater&) = delete;
    EntryInflater& operator=(const EntryInflater&) = delete;

    // Inflates what lies before `limit` (and is not inflated yet), up to the
    // stream's end; DataDamaged when it is not deflate data.
    Result<void, ProofFault::What> Feed(ArchiveBytes& bytes, uint64_t limit);
    // Checks what was inflated against the entry's closed local header,
    // once every byte up to its data's end was fed.
    Result<void, ProofFault::What> Check(const EntryHeader& header) const;

private:
    z_stream stream_{};
    bool ready_ = false;
    bool ended_ = false;
    uint64_t at_;          // the next byte to read
    uint64_t endAt_ = 0;   // where the stream ended
    uint64_t made_ = 0;
    uint32_t crc_ = 0;
    std::optional<TraditionalDecryption> cipher_;
    size_t headerLeft_ = 0;      // encryption header bytes still to read
    unsigned char checkByte_ = 0;
    unsigned char input_[kPiece];
    unsigned char output_[kPiece];
};
