#pragma once
// Where the parts of a ZIP archive lie, as Python's zipfile finds them: for
// tests that damage one byte of an entry's data, of its local header or of
// its central directory record.
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

struct EntryPlace {
    std::string name;
    uint64_t headerAt = 0;   // its local header
    uint64_t dataAt = 0;     // its data
    uint64_t centralAt = 0;  // its central directory record
};

struct ArchiveLayout {
    std::vector<EntryPlace> entries;  // in central directory order
    uint64_t endAt = 0;               // the end-of-central-directory record

    const EntryPlace& operator[](const std::string& name) const;
};

// An empty layout (and a failed test) when Python cannot read the archive.
ArchiveLayout archiveLayout(const std::filesystem::path& archive);
