#pragma once
// What a compression worker made of one job: per chunk, the bytes to write
// (a raw deflate piece ending on a sync flush or, for the file's last chunk,
// the end of the stream; or the chunk itself when stored) and its CRC-32.
// A job deflated by libdeflate (DeflateByJob, DeflateWhole) has its piece with
// its last chunk; the chunks before it have no bytes of their own.
#include <cstdint>
#include <system_error>
#include <vector>

struct CompressedBlock {
    enum class Status { Ok, OpenFailed, ReadFailed, CompressFailed };
    struct Piece {
        size_t end = 0;  // end of this chunk's bytes in `data`
        uint32_t crc = 0;
        size_t length = 0;  // bytes of the chunk before compression
    };

    uint64_t seq = 0;
    Status status = Status::Ok;
    std::error_code error;      // the system's reason behind a failure, if any
    std::vector<Piece> pieces;  // the chunks done before any failure
    std::vector<unsigned char> data;
};
