#pragma once
// Reads one entry's data back for the proof: decrypts it with its password
// where it has one (the check byte must fit), inflates it (libdeflate whole
// for entries up to kWholeLimit, zlib's inflate piece by piece above), and
// compares the size and CRC-32 with its header. The deflate stream must end
// exactly where the entry's compressed size says.
#include <cstdint>
#include <memory>
#include <string>

#include "ArchiveBytes.h"
#include "EntryHeader.h"
#include "ProofFault.h"
#include "Result.h"

struct libdeflate_decompressor;

class EntryDataCheck {
public:
    static constexpr uint64_t kWholeLimit = 16u << 20;
    static constexpr size_t kPiece = 1u << 20;

    EntryDataCheck();
    ~EntryDataCheck();
    EntryDataCheck(const EntryDataCheck&) = delete;
    EntryDataCheck& operator=(const EntryDataCheck&) = delete;

    // `header` is the local header (method 0 or 8); `password` is null for
    // an entry that is not encrypted.
    Result<void, ProofFault::What> Prove(ArchiveBytes& bytes, const EntryHeader& header, const std::string* password);

private:
    class Source;
    Result<void, ProofFault::What> stored(Source& source, const EntryHeader& header, uint32_t& crc);
    Result<void, ProofFault::What> whole(Source& source, const EntryHeader& header, uint32_t& crc);
    Result<void, ProofFault::What> streamed(Source& source, const EntryHeader& header, uint32_t& crc);
    unsigned char* input(size_t size);
    unsigned char* output(size_t size);

    libdeflate_decompressor* decompressor_ = nullptr;
    std::unique_ptr<unsigned char[]> input_, output_;
    size_t inputSize_ = 0, outputSize_ = 0;
};
