#include "LocalHeaderReader.h"

#include "ExtraFieldCheck.h"
#include "LittleEndian.h"

namespace LocalHeaderReader {
namespace {

constexpr uint32_t kSignature = 0x04034b50;
constexpr size_t kFixed = 30;

}  // namespace

Outcome Read(ArchiveBytes& bytes, uint64_t at, EntryHeader& header)
{
    unsigned char fixed[kFixed];
    if (!bytes.Read(at, fixed, kFixed))
        return Outcome::NotThere;
    if (LittleEndian::U32(fixed) != kSignature)
        return Outcome::NotAHeader;
    header.flags = LittleEndian::U16(fixed + 6);
    header.method = LittleEndian::U16(fixed + 8);
    header.time = LittleEndian::U16(fixed + 10);
    header.date = LittleEndian::U16(fixed + 12);
    header.crc = LittleEndian::U32(fixed + 14);
    header.compressed = LittleEndian::U32(fixed + 18);
    header.uncompressed = LittleEndian::U32(fixed + 22);
    const size_t nameLength = LittleEndian::U16(fixed + 26);
    const size_t extraLength = LittleEndian::U16(fixed + 28);
    header.headerAt = at;
    header.dataAt = at + kFixed + nameLength + extraLength;
    header.name.resize(nameLength);
    header.extra.resize(extraLength);
    if (!bytes.Read(at + kFixed, header.name.data(), nameLength) ||
        !bytes.Read(at + kFixed + nameLength, header.extra.data(), extraLength))
        return Outcome::NotThere;
    return ExtraFieldCheck::ResolveLocal(header) ? Outcome::Read : Outcome::ExtraDamaged;
}

}  // namespace LocalHeaderReader
