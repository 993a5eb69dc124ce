#include "ExtraFieldCheck.h"

#include <zlib.h>

#include <vector>

namespace ExtraFieldCheck {
namespace {

constexpr uint32_t kSaturated32 = 0xFFFFFFFFu;
constexpr uint16_t kSaturated16 = 0xFFFF;

const unsigned char* bytesOf(std::string_view data)
{
    return reinterpret_cast<const unsigned char*>(data.data());
}

// The Zip64 field's data; empty view with found false when there is none.
bool zip64Field(std::string_view extra, std::string_view& data, bool& found)
{
    found = false;
    return Walk(extra, [&](uint16_t id, std::string_view field) {
        if (id != kZip64)
            return true;
        if (found)
            return false;  // two Zip64 fields: which one would hold?
        found = true;
        data = field;
        return true;
    });
}

// Takes the next 64-bit value of a Zip64 field into `value`.
bool take(std::string_view& data, uint64_t& value)
{
    if (data.size() < 8)
        return false;
    value = LittleEndian::U64(bytesOf(data));
    data.remove_prefix(8);
    return true;
}

struct Field {
    uint16_t id;
    std::string_view data;
};

}  // namespace

bool ResolveLocal(EntryHeader& header)
{
    std::string_view data;
    bool found = false;
    if (!zip64Field(header.extra, data, found))
        return false;
    const bool wide = header.uncompressed == kSaturated32 || header.compressed == kSaturated32;
    if (!wide)
        return true;
    // A local header's Zip64 field holds both sizes whenever it is needed.
    uint64_t uncompressed = 0, compressed = 0;
    if (!found || !take(data, uncompressed) || !take(data, compressed))
        return false;
    if (header.uncompressed == kSaturated32)
        header.uncompressed = uncompressed;
    if (header.compressed == kSaturated32)
        header.compressed = compressed;
    return true;
}

bool ResolveCentral(EntryHeader& header, uint32_t disk)
{
    std::string_view data;
    bool found = false;
    if (!zip64Field(header.extra, data, found))
        return false;
    const bool needed = header.uncompressed == kSaturated32 || header.compressed == kSaturated32 ||
                        header.headerAt == kSaturated32 || disk == kSaturated16;
    if (needed && !found)
        return false;
    // In the order the format gives, only the values left out of the record.
    uint64_t wideDisk = disk;
    if ((header.uncompressed == kSaturated32 && !take(data, header.uncompressed)) ||
        (header.compressed == kSaturated32 && !take(data, header.compressed)) ||
        (header.headerAt == kSaturated32 && !take(data, header.headerAt)))
        return false;
    if (disk == kSaturated16) {
        if (data.size() < 4)
            return false;
        wideDisk = LittleEndian::U32(bytesOf(data));
    }
    return wideDisk == 0;
}

bool UnicodePathFits(const EntryHeader& header)
{
    return Walk(header.extra, [&](uint16_t id, std::string_view data) {
        if (id != kUnicodePath)
            return true;
        if (data.size() < 5 || data[0] != 1)
            return false;
        const uLong crc = crc32(0, reinterpret_cast<const Bytef*>(header.name.data()),
                                static_cast<uInt>(header.name.size()));
        return LittleEndian::U32(bytesOf(data) + 1) == static_cast<uint32_t>(crc);
    });
}

bool Agree(std::string_view local, std::string_view central)
{
    std::vector<Field> localFields, centralFields;
    const auto collect = [](std::vector<Field>& into) {
        return [&into](uint16_t id, std::string_view data) {
            into.push_back({id, data});
            return true;
        };
    };
    if (!Walk(local, collect(localFields)) || !Walk(central, collect(centralFields)))
        return false;
    std::vector<Field> localSame, centralSame;
    const Field* localTime = nullptr;
    const Field* centralTime = nullptr;
    for (const Field& f : localFields) {
        if (f.id == kExtendedTimestamp)
            localTime = &f;
        else if (f.id != kZip64)
            localSame.push_back(f);
    }
    for (const Field& f : centralFields) {
        if (f.id == kExtendedTimestamp)
            centralTime = &f;
        else if (f.id != kZip64)
            centralSame.push_back(f);
    }
    if (localSame.size() != centralSame.size())
        return false;
    for (size_t i = 0; i < localSame.size(); ++i)
        if (localSame[i].id != centralSame[i].id || localSame[i].data != centralSame[i].data)
            return false;
    if ((localTime == nullptr) != (centralTime == nullptr))
        return false;
    if (localTime == nullptr)
        return true;
    // Same flags; the modification time, where flagged, the same in both.
    const std::string_view a = localTime->data, b = centralTime->data;
    if (a.empty() || b.empty() || a[0] != b[0])
        return false;
    if ((a[0] & 1) == 0)
        return true;
    return a.size() >= 5 && b.size() >= 5 && a.substr(1, 4) == b.substr(1, 4);
}

}  // namespace ExtraFieldCheck
