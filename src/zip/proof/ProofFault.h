#pragma once
// Why a finished archive could not be proven: what was found and, for an
// entry, which one. UserMessage words it for the user.
#include <cstdint>
#include <string>

struct ProofFault {
    enum class What {
        Unreadable,        // the archive could not be read back (the system's reason beside it)
        EndDamaged,        // no sound end record (or Zip64 end records) closes it
        DirectoryDamaged,  // its central directory does not parse, or leaves bytes unlisted
        CountDiffers,      // it holds `found` entries where `written` were written
        EntryMissing,      // entry: a written entry is not where it belongs
        HeaderMissing,     // entry: no local header where the central directory places it
        HeaderDiffers,     // entry: its local header and central record differ in `field`
        ExtraDamaged,      // entry: an extra field does not parse or contradicts its header
        Unsupported,       // entry: stored with a method or flag the program never writes
        PasswordDiffers,   // entry: encrypted otherwise than written, or its check byte does not fit
        DataDamaged,       // entry: its data does not inflate, or ends elsewhere than its size says
        SizeDiffers,       // entry: it reads back to another size than its headers say
        CrcDiffers,        // entry: it reads back with another CRC-32 than its headers say
    };
    enum class Field { None, Name, Sizes, Crc, Method, Flags, Date, Extra };

    What what = What::Unreadable;
    Field field = Field::None;
    std::string entry{};   // the entry's name, as queued where known (else as stored)
    uint64_t found = 0;    // CountDiffers
    uint64_t written = 0;  // CountDiffers
};
