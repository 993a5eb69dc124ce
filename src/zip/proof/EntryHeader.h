#pragma once
// What a local header or a central directory record says about an entry, as
// the proof reads it (Zip64 sizes and offsets already taken from its extra field).
#include <cstdint>
#include <string>

struct EntryHeader {
    uint16_t flags = 0;
    uint16_t method = 0;
    uint16_t time = 0;  // DOS time and date
    uint16_t date = 0;
    uint32_t crc = 0;
    uint64_t compressed = 0;
    uint64_t uncompressed = 0;
    uint64_t headerAt = 0;  // central record: where its local header is
    uint64_t dataAt = 0;    // local header: where its data begins
    std::string name;
    std::string extra;
};
