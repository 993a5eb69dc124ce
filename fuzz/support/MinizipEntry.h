#pragma once
// One entry of an archive read back through minizip's reader and zlib: the
// harnesses' reader beside the proof's. Debian's minizip cannot decrypt, so
// an encrypted entry is read raw, decrypted here and inflated with zlib.
#include <minizip/unzip.h>

#include <optional>
#include <string>

// The current entry's bytes; empty when minizip or zlib refuses the entry
// (a wrong CRC included).
std::optional<std::string> readCurrentEntry(unzFile zip, const std::string& password);
