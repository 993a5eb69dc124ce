#pragma once
// One row of the found-files list. The full path is kept as the bytes on disk
// and the name is the part of it after the folder, so row i's name and path
// always describe the same file; the size is kept as a number and worded only
// when shown. A list of 100,000 rows holds little more than their paths.
#include <QString>

#include <cstdint>
#include <limits>
#include <string>
#include <string_view>

struct FoundFile {
    static constexpr uint64_t kUnknownSize = std::numeric_limits<uint64_t>::max();
    // Listed with every file let through (or under a row the list does not have).
    static constexpr uint8_t kListedUnderAll = 0xFF;

    FoundFile() = default;
    // fullPath = folder path + name, exactly as the scan built it.
    FoundFile(std::string fullPath, size_t nameAt, uint64_t size, uint8_t listedUnder = kListedUnderAll)
        : fullPath(std::move(fullPath)), size(size), nameAt(static_cast<uint32_t>(nameAt)), listedUnder(listedUnder)
    {
    }

    // The file's own name (bytes).
    std::string_view name() const { return std::string_view(fullPath).substr(nameAt); }
    // The size column as shown ("unknown" when the length could not be read).
    QString sizeText() const;

    std::string fullPath;
    uint64_t size = kUnknownSize;
    uint32_t nameAt = 0;
    bool checked = false;
    // The filter row (its index in ExtensionList::Rows()) the file was listed
    // under, which its extension is known to equal: Start need not look again.
    uint8_t listedUnder = kListedUnderAll;
};
