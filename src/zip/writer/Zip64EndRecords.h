#pragma once
// Debian's minizip 1.1 writes no Zip64 end-of-central-directory record for an
// archive of more than 65,535 entries unless it also passes 4 GiB, and readers
// then reject it. This adds the record and its locator to a finished archive.
#include <string>

#include "Result.h"

namespace Zip64EndRecords {

enum class Failure { NotOpened, NotRead, NotWritten };

// Looks at the archive's end and, when its central directory holds more than
// 65,535 entries and no Zip64 end records exist, inserts them before the end
// record. Succeeds also when nothing was needed; fails with the system's
// reason, taken where the call failed.
Result<void, Failure> AddIfNeeded(const std::string& archivePath);

}  // namespace Zip64EndRecords
