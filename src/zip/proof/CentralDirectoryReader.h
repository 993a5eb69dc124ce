#pragma once
// The proof's reading of an archive's end: the end-of-central-directory
// record (found from the file's end), the Zip64 end records where a locator
// points to them, and then the central directory's records one by one.
#include <cstdint>

#include "ArchiveBytes.h"
#include "EntryHeader.h"
#include "ProofFault.h"
#include "Result.h"

class CentralDirectoryReader {
public:
    explicit CentralDirectoryReader(ArchiveBytes& bytes) : bytes_(bytes) {}

    // Reads the end records; EndDamaged when they are missing or contradict
    // each other or the file, Unreadable when the system failed.
    Result<void, ProofFault::What> Open();
    uint64_t Count() const { return count_; }
    // Where the directory starts: the entries end there.
    uint64_t Offset() const { return offset_; }

    // The next of Count() records; DirectoryDamaged when it does not parse
    // or runs past the directory, ExtraDamaged when its extra field does
    // not give what the record leaves out (the record is read nonetheless).
    Result<void, ProofFault::What> Next(EntryHeader& record);
    // Once Count() records are read: whether they fill the directory exactly.
    bool UsedUp() const { return cursor_ == end_; }

private:
    Result<void, ProofFault::What> readZip64(uint64_t locatorAt, bool& present);
    ProofFault::What failure(ProofFault::What otherwise) const;

    ArchiveBytes& bytes_;
    uint64_t count_ = 0;
    uint64_t offset_ = 0;
    uint64_t size_ = 0;
    uint64_t end_ = 0;     // where the directory ends: the end records begin
    uint64_t cursor_ = 0;  // the next record
    // The Zip64 end record's values.
    uint64_t wideCount_ = 0, wideSize_ = 0, wideOffset_ = 0;
    uint64_t wideAt_ = 0;  // where the Zip64 end record is
};
