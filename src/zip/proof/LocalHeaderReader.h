#pragma once
// The proof's reading of one local header, with its name and extra field.
#include <cstdint>

#include "ArchiveBytes.h"
#include "EntryHeader.h"

namespace LocalHeaderReader {

enum class Outcome {
    Read,
    NotThere,      // its bytes are not all there (yet), or the system failed (the bytes' Error())
    NotAHeader,    // no local header signature
    ExtraDamaged,  // its extra field does not parse, or lacks the Zip64 sizes it needs
};

Outcome Read(ArchiveBytes& bytes, uint64_t at, EntryHeader& header);

}  // namespace LocalHeaderReader
