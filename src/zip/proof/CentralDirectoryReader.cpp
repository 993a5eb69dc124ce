#include "CentralDirectoryReader.h"

#include <algorithm>
#include <vector>

#include "ExtraFieldCheck.h"
#include "LittleEndian.h"

namespace {

constexpr uint32_t kEndSignature = 0x06054b50;
constexpr uint32_t kLocatorSignature = 0x07064b50;
constexpr uint32_t kZip64EndSignature = 0x06064b50;
constexpr uint32_t kRecordSignature = 0x02014b50;
constexpr size_t kEndSize = 22;
constexpr size_t kLocatorSize = 20;
constexpr size_t kZip64EndSize = 56;
constexpr size_t kRecordSize = 46;
constexpr size_t kLongestComment = 0xFFFF;

// A 16- or 32-bit value of the end record agrees with its Zip64 value when
// it equals it or is saturated to say "see the Zip64 record".
bool agrees(uint64_t narrow, uint64_t wide, uint64_t saturated)
{
    return narrow == wide || narrow == saturated;
}

}  // namespace

ProofFault::What CentralDirectoryReader::failure(ProofFault::What otherwise) const
{
    return bytes_.Error() ? ProofFault::What::Unreadable : otherwise;
}

Result<void, ProofFault::What> CentralDirectoryReader::Open()
{
    using What = ProofFault::What;
    const uint64_t size = bytes_.Size();
    if (size < kEndSize)
        return Fault<What>{What::EndDamaged};
    const size_t tailSize = static_cast<size_t>(std::min<uint64_t>(size, kEndSize + kLongestComment));
    std::vector<unsigned char> tail(tailSize);
    const uint64_t tailAt = size - tailSize;
    if (!bytes_.Read(tailAt, tail.data(), tailSize))
        return Fault<What>{failure(What::EndDamaged), bytes_.Error()};
    // The last record whose comment reaches exactly to the file's end.
    size_t found = tailSize;
    for (size_t at = tailSize - kEndSize + 1; at-- > 0;) {
        if (LittleEndian::U32(tail.data() + at) == kEndSignature &&
            at + kEndSize + LittleEndian::U16(tail.data() + at + 20) == tailSize) {
            found = at;
            break;
        }
    }
    if (found == tailSize)
        return Fault<What>{What::EndDamaged};
    const unsigned char* end = tail.data() + found;
    const uint64_t endAt = tailAt + found;
    const uint16_t disk = LittleEndian::U16(end + 4), directoryDisk = LittleEndian::U16(end + 6);
    const uint16_t onDisk = LittleEndian::U16(end + 8), total = LittleEndian::U16(end + 10);
    const uint32_t directorySize = LittleEndian::U32(end + 12), directoryAt = LittleEndian::U32(end + 16);

    bool wide = false;
    if (const auto zip64 = readZip64(endAt, wide); !zip64)
        return zip64;
    if (wide) {
        if (!agrees(disk, 0, 0xFFFF) || !agrees(directoryDisk, 0, 0xFFFF) || !agrees(onDisk, wideCount_, 0xFFFF) ||
            !agrees(total, wideCount_, 0xFFFF) || !agrees(directorySize, wideSize_, 0xFFFFFFFF) ||
            !agrees(directoryAt, wideOffset_, 0xFFFFFFFF))
            return Fault<What>{What::EndDamaged};
        count_ = wideCount_;
        size_ = wideSize_;
        offset_ = wideOffset_;
        end_ = wideAt_;
    } else {
        if (disk != 0 || directoryDisk != 0 || onDisk != total)
            return Fault<What>{What::EndDamaged};
        count_ = total;
        size_ = directorySize;
        offset_ = directoryAt;
        end_ = endAt;
    }
    // The directory ends where the end records begin, and has room for its records.
    if (offset_ > end_ || end_ - offset_ != size_ || count_ > size_ / kRecordSize)
        return Fault<What>{What::EndDamaged};
    cursor_ = offset_;
    return {};
}

Result<void, ProofFault::What> CentralDirectoryReader::readZip64(uint64_t endAt, bool& present)
{
    using What = ProofFault::What;
    present = false;
    if (endAt < kLocatorSize)
        return {};
    unsigned char locator[kLocatorSize];
    if (!bytes_.Read(endAt - kLocatorSize, locator, kLocatorSize))
        return Fault<What>{failure(What::EndDamaged), bytes_.Error()};
    if (LittleEndian::U32(locator) != kLocatorSignature)
        return {};
    present = true;
    const uint64_t recordAt = LittleEndian::U64(locator + 8);
    if (LittleEndian::U32(locator + 4) != 0 || LittleEndian::U32(locator + 16) != 1 ||
        recordAt > endAt - kLocatorSize || endAt - kLocatorSize - recordAt < kZip64EndSize)
        return Fault<What>{What::EndDamaged};
    unsigned char record[kZip64EndSize];
    if (!bytes_.Read(recordAt, record, kZip64EndSize))
        return Fault<What>{failure(What::EndDamaged), bytes_.Error()};
    // The record (with its extensible data) reaches exactly to the locator.
    if (LittleEndian::U32(record) != kZip64EndSignature ||
        LittleEndian::U64(record + 4) != endAt - kLocatorSize - recordAt - 12 || LittleEndian::U32(record + 16) != 0 ||
        LittleEndian::U32(record + 20) != 0 || LittleEndian::U64(record + 24) != LittleEndian::U64(record + 32))
        return Fault<What>{What::EndDamaged};
    wideCount_ = LittleEndian::U64(record + 32);
    wideSize_ = LittleEndian::U64(record + 40);
    wideOffset_ = LittleEndian::U64(record + 48);
    wideAt_ = recordAt;
    return {};
}

Result<void, ProofFault::What> CentralDirectoryReader::Next(EntryHeader& record)
{
    using What = ProofFault::What;
    unsigned char fixed[kRecordSize];
    if (end_ - cursor_ < kRecordSize || !bytes_.Read(cursor_, fixed, kRecordSize))
        return Fault<What>{failure(What::DirectoryDamaged), bytes_.Error()};
    if (LittleEndian::U32(fixed) != kRecordSignature)
        return Fault<What>{What::DirectoryDamaged};
    record.flags = LittleEndian::U16(fixed + 8);
    record.method = LittleEndian::U16(fixed + 10);
    record.time = LittleEndian::U16(fixed + 12);
    record.date = LittleEndian::U16(fixed + 14);
    record.crc = LittleEndian::U32(fixed + 16);
    record.compressed = LittleEndian::U32(fixed + 20);
    record.uncompressed = LittleEndian::U32(fixed + 24);
    const size_t nameLength = LittleEndian::U16(fixed + 28);
    const size_t extraLength = LittleEndian::U16(fixed + 30);
    const size_t commentLength = LittleEndian::U16(fixed + 32);
    const uint16_t disk = LittleEndian::U16(fixed + 34);
    record.headerAt = LittleEndian::U32(fixed + 42);
    record.dataAt = 0;
    const uint64_t variable = uint64_t{nameLength} + extraLength + commentLength;
    if (end_ - cursor_ - kRecordSize < variable)
        return Fault<What>{What::DirectoryDamaged};
    record.name.resize(nameLength);
    record.extra.resize(extraLength);
    if (!bytes_.Read(cursor_ + kRecordSize, record.name.data(), nameLength) ||
        !bytes_.Read(cursor_ + kRecordSize + nameLength, record.extra.data(), extraLength))
        return Fault<What>{failure(What::DirectoryDamaged), bytes_.Error()};
    cursor_ += kRecordSize + variable;
    if (!ExtraFieldCheck::ResolveCentral(record, disk))
        return Fault<What>{What::ExtraDamaged};
    return {};
}
