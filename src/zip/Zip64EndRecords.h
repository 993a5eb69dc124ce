#pragma once
// Debian's minizip 1.1 writes no Zip64 end-of-central-directory record for an
// archive of more than 65,535 entries unless it also passes 4 GiB, and readers
// then reject it. This adds the record and its locator to a finished archive.
#include <string>

namespace Zip64EndRecords {

// Looks at the archive's end and, when its central directory holds more than
// 65,535 entries and no Zip64 end records exist, inserts them before the end
// record. Returns 0 (also when nothing was needed) or minizip's ZIP_ERRNO when
// the file cannot be read or written.
int AddIfNeeded(const std::string& archivePath);

}  // namespace Zip64EndRecords
