#include "ArchiveReadBack.h"

#include "CentralDirectoryReader.h"
#include "ExtraFieldCheck.h"
#include "LocalHeaderReader.h"

using What = ProofFault::What;
using Field = ProofFault::Field;

namespace {

constexpr uint16_t kEncrypted = 0x0001;
// Encryption, the deflate level's two bits and the UTF-8 name: all the
// program ever sets.
constexpr uint16_t kKnownFlags = 0x0001 | 0x0006 | 0x0800;

// The name as the writer stores it: each backslash as "_".
bool storedAs(const std::string& queued, const std::string& stored)
{
    if (queued.size() != stored.size())
        return false;
    for (size_t i = 0; i < queued.size(); ++i)
        if (stored[i] != queued[i] && !(queued[i] == '\\' && stored[i] == '_'))
            return false;
    return true;
}

Field differingField(const EntryHeader& local, const EntryHeader& central)
{
    if (local.name != central.name)
        return Field::Name;
    if (local.method != central.method)
        return Field::Method;
    if (local.flags != central.flags)
        return Field::Flags;
    if (local.time != central.time || local.date != central.date)
        return Field::Date;
    if (local.crc != central.crc)
        return Field::Crc;
    if (local.compressed != central.compressed || local.uncompressed != central.uncompressed)
        return Field::Sizes;
    if (!ExtraFieldCheck::Agree(local.extra, central.extra))
        return Field::Extra;
    return Field::None;
}

Fault<ProofFault> archiveFault(What what, std::error_code code = {})
{
    return Fault<ProofFault>{ProofFault{.what = what}, code};
}

}  // namespace

Result<void, What> ArchiveReadBack::checkHeader(const EntryHeader& local, const ExpectedEntry& expected) const
{
    if ((local.method != 0 && local.method != 8) || (local.flags & ~kKnownFlags) != 0)
        return Fault<What>{What::Unsupported};
    if (!ExtraFieldCheck::UnicodePathFits(local))
        return Fault<What>{What::ExtraDamaged};
    if (!storedAs(expected.name, local.name))
        return Fault<What>{What::EntryMissing};
    const bool encrypted = (local.flags & kEncrypted) != 0;
    if (encrypted != !expected.password.empty())
        return Fault<What>{What::PasswordDiffers};
    return {};
}

Result<void, What> ArchiveReadBack::proveEntry(ArchiveBytes& bytes, const EntryHeader& local,
                                               const ExpectedEntry& expected)
{
    if (const auto checked = checkHeader(local, expected); !checked)
        return checked;
    const bool encrypted = (local.flags & kEncrypted) != 0;
    return data_.Prove(bytes, local, encrypted ? &expected.password : nullptr);
}

ArchiveReadBack::Step ArchiveReadBack::proven(const EntryHeader& local)
{
    open_.reset();
    ++proven_;
    next_ = local.dataAt + local.compressed;
    return Step::Proven;
}

ArchiveReadBack::Step ArchiveReadBack::ProveNext(ArchiveBytes& bytes, uint64_t settled, const ExpectedEntry& expected)
{
    if (!fresh_)
        return Step::Stopped;
    // The header as far as it is final: its name, extra field, flags and method.
    EntryHeader local;
    switch (LocalHeaderReader::Read(bytes, next_, local)) {
    case LocalHeaderReader::Outcome::Read:
        break;
    case LocalHeaderReader::Outcome::NotThere:
        return bytes.Error() ? Step::Stopped : Step::NotYet;
    case LocalHeaderReader::Outcome::ExtraDamaged:
        // A Zip64 field not filled in yet reads as damaged until the entry closes.
        if (settled < bytes.Size() && settled <= next_)
            return Step::NotYet;
        return Step::Stopped;
    case LocalHeaderReader::Outcome::NotAHeader:
        return Step::Stopped;
    }
    if (!checkHeader(local, expected))
        return Step::Stopped;
    const bool closed = settled >= local.dataAt;
    const bool encrypted = (local.flags & kEncrypted) != 0;
    if (!closed || open_) {
        // Stored data has no end of its own to be found before the header gives
        // it, and a small entry is read faster whole once it is closed.
        if (local.method != 8 || (!open_ && expected.size <= EntryDataCheck::kWholeLimit))
            return Step::NotYet;
        if (!open_) {
            openPassword_ = expected.password;
            open_ = std::make_unique<EntryInflater>(local.dataAt, encrypted ? &openPassword_ : nullptr);
        }
        const uint64_t limit = closed ? local.dataAt + local.compressed : bytes.Size();
        if (!open_->Feed(bytes, limit))
            return Step::Stopped;
        if (!closed || local.compressed > bytes.Size() - std::min(bytes.Size(), local.dataAt))
            return Step::NotYet;
        return open_->Check(local) ? proven(local) : Step::Stopped;
    }
    if (local.dataAt > bytes.Size() || local.compressed > bytes.Size() - local.dataAt)
        return Step::NotYet;
    if (!proveEntry(bytes, local, expected))
        return Step::Stopped;
    return proven(local);
}

Result<void, ProofFault> ArchiveReadBack::Finish(ArchiveBytes& bytes, const std::deque<ExpectedEntry>& rest)
{
    CentralDirectoryReader directory(bytes);
    if (const auto opened = directory.Open(); !opened)
        return archiveFault(opened.kind(), opened.code());
    const uint64_t written = proven_ + rest.size();
    const uint64_t count = directory.Count();
    // An archive appended to keeps the entries it had before the run's.
    uint64_t skipped = 0;
    if (!fresh_) {
        if (count < written)
            return Fault<ProofFault>{ProofFault{.what = What::CountDiffers, .found = count, .written = written}};
        skipped = count - written;
    }
    uint64_t at = 0;  // where the next entry must begin
    for (uint64_t i = 0; i < count; ++i) {
        EntryHeader central;
        const auto record = directory.Next(central);
        const uint64_t index = i - skipped;  // among the run's entries (when i >= skipped)
        const ExpectedEntry* expected =
            i >= skipped && index >= proven_ && index < written ? &rest[index - proven_] : nullptr;
        const auto entryFault = [&](What what, Field field = Field::None, std::error_code code = {}) {
            return Fault<ProofFault>{
                ProofFault{.what = what, .field = field, .entry = expected ? expected->name : central.name}, code};
        };
        if (!record) {
            if (record.kind() == What::ExtraDamaged)
                return entryFault(What::ExtraDamaged);
            return archiveFault(record.kind(), record.code());
        }
        if (i < skipped)
            continue;
        if (index >= written)
            return Fault<ProofFault>{
                ProofFault{.what = What::CountDiffers, .found = count - skipped, .written = written}};
        if (index == 0 && !fresh_)
            at = central.headerAt;
        if (central.headerAt != at)
            return entryFault(What::HeaderMissing);
        EntryHeader local;
        switch (LocalHeaderReader::Read(bytes, at, local)) {
        case LocalHeaderReader::Outcome::Read:
            break;
        case LocalHeaderReader::Outcome::NotThere:
            if (bytes.Error())
                return entryFault(What::Unreadable, Field::None, bytes.Error());
            return entryFault(What::HeaderMissing);
        case LocalHeaderReader::Outcome::NotAHeader:
            return entryFault(What::HeaderMissing);
        case LocalHeaderReader::Outcome::ExtraDamaged:
            return entryFault(What::ExtraDamaged);
        }
        if (const Field field = differingField(local, central); field != Field::None)
            return entryFault(What::HeaderDiffers, field);
        if (local.dataAt > directory.Offset() || local.compressed > directory.Offset() - local.dataAt)
            return entryFault(What::DataDamaged);
        if (expected != nullptr)
            if (const auto proven = proveEntry(bytes, local, *expected); !proven)
                return entryFault(proven.kind(), Field::None, proven.code());
        at = local.dataAt + local.compressed;
        // The entries proven while the archive was written lie where the directory says.
        if (index + 1 == proven_ && at != next_)
            return archiveFault(What::DirectoryDamaged);
    }
    if (!directory.UsedUp())
        return archiveFault(What::DirectoryDamaged);
    if (count - skipped < written) {
        const uint64_t missing = count - skipped;
        if (missing < proven_)
            return Fault<ProofFault>{ProofFault{.what = What::CountDiffers, .found = missing, .written = written}};
        return Fault<ProofFault>{ProofFault{.what = What::EntryMissing, .entry = rest[missing - proven_].name}};
    }
    if ((fresh_ || written > 0) && at != directory.Offset())
        return archiveFault(What::DirectoryDamaged);
    return {};
}
