#pragma once
// Reads a written archive back and proves it, sharing no code with the
// writer. While the archive is being written, ProveNext proves its entries
// one after the other from their local headers as their bytes are written
// out (inflating an entry still being written as far as it goes, so that
// only its end is left when it closes); once it is closed, Finish reads the end records and the central
// directory, checks every local header against its central record, proves
// the entries not proven yet, and compares the entries with those the run
// wrote. Entries must lie one after the other from the first, and the
// directory must follow the last: nothing unlisted lies between them.
#include <cstdint>
#include <deque>
#include <memory>

#include "ArchiveBytes.h"
#include "EntryDataCheck.h"
#include "EntryInflater.h"
#include "EntryHeader.h"
#include "ExpectedEntry.h"
#include "ProofFault.h"
#include "Result.h"

class ArchiveReadBack {
public:
    enum class Step {
        Proven,   // the next entry is sound
        NotYet,   // its bytes are not all written out yet
        Stopped,  // it is not sound, or cannot be proven now: Finish tells which and why
    };

    // `fresh`: the run wrote the archive whole, its entries from the file's
    // start; otherwise its entries are the last of an archive it appended to
    // (and only they are proven, all in Finish).
    explicit ArchiveReadBack(bool fresh) : fresh_(fresh) {}

    // Proves the entry after the Proven() first, written as `expected`, from
    // the bytes written out so far (bytes.Size()); those before `settled`
    // are final, the rest are too but for the local header of an entry still
    // open (its CRC and sizes are filled in when it closes).
    Step ProveNext(ArchiveBytes& bytes, uint64_t settled, const ExpectedEntry& expected);
    uint64_t Proven() const { return proven_; }

    // Proves the closed archive; `rest` are the entries the run wrote after
    // the Proven() first, in order.
    Result<void, ProofFault> Finish(ArchiveBytes& bytes, const std::deque<ExpectedEntry>& rest);

private:
    // The checks of an entry's local header (final or not) against the entry written.
    Result<void, ProofFault::What> checkHeader(const EntryHeader& local, const ExpectedEntry& expected) const;
    Result<void, ProofFault::What> proveEntry(ArchiveBytes& bytes, const EntryHeader& local,
                                              const ExpectedEntry& expected);
    Step proven(const EntryHeader& local);

    const bool fresh_;
    uint64_t proven_ = 0;
    uint64_t next_ = 0;  // where the entry after those proven begins
    EntryDataCheck data_;
    // The entry being inflated while it is written.
    std::unique_ptr<EntryInflater> open_;
    std::string openPassword_;
};
