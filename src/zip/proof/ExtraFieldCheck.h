#pragma once
// The proof's reading of extra fields: every field, whatever its id, must
// parse; Zip64 fields give the sizes and offsets their headers leave out; a
// local header and its central record must carry the same fields, except
// those that differ between the two by design (Zip64, and the extended
// timestamp, whose central copy holds only the modification time).
#include <cstdint>
#include <string_view>

#include "EntryHeader.h"
#include "LittleEndian.h"

namespace ExtraFieldCheck {

constexpr uint16_t kZip64 = 0x0001;
constexpr uint16_t kExtendedTimestamp = 0x5455;
constexpr uint16_t kUnicodePath = 0x7075;

// Calls each(id, data) for every field in order; false when the fields do
// not fill `extra` exactly or `each` returns false.
template <class Each>
bool Walk(std::string_view extra, Each&& each)
{
    const auto* bytes = reinterpret_cast<const unsigned char*>(extra.data());
    size_t at = 0;
    while (at < extra.size()) {
        if (extra.size() - at < 4)
            return false;
        const uint16_t id = LittleEndian::U16(bytes + at);
        const size_t size = LittleEndian::U16(bytes + at + 2);
        if (extra.size() - at - 4 < size)
            return false;
        if (!each(id, extra.substr(at + 4, size)))
            return false;
        at += 4 + size;
    }
    return true;
}

// A local header's sizes from its Zip64 field where they are saturated;
// false when the field is missing, short or malformed.
bool ResolveLocal(EntryHeader& header);
// A central record's sizes and offset (and its disk, which must be the first)
// likewise.
bool ResolveCentral(EntryHeader& header, uint32_t disk);
// Whether a Unicode Path field, where there is one, is sound and names the
// header's own name.
bool UnicodePathFits(const EntryHeader& header);
// Whether a local header's fields and its central record's agree.
bool Agree(std::string_view local, std::string_view central);

}  // namespace ExtraFieldCheck
