#pragma once
// Each independent reader's idea of the entries' times: what Info-ZIP unzip,
// libarchive's bsdtar and 7-Zip give the files they extract, what 7-Zip
// lists and Go's archive/zip reads, and, as Python finds them, the DOS date
// and the raw time extra fields of both headers.
#include <cstdint>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

using EntryTimes = std::map<std::string, std::string>;  // entry name -> time as the reader gives it

enum class Extractor { Unzip, Bsdtar, SevenZip };
// The extracted files' modification times, UTC, as "YYYY-MM-DD hh:mm:ss"
// (the reader runs in the process's own time zone).
EntryTimes extractedTimes(Extractor reader, const std::filesystem::path& archive, const std::filesystem::path& into);
// `7z l -slt` run with TZ=zone: "Modified" to the second, as listed.
EntryTimes sevenZipListedTimes(const std::filesystem::path& archive, const std::string& zone);
// Go's File.Modified in UTC, RFC 3339 with the fraction; the reader is built
// in `work` (its build cache kept there).
EntryTimes goModifiedTimes(const std::filesystem::path& archive, const std::filesystem::path& work);

struct TimeFields {
    std::string dos;              // the DOS date and time: "YYYY-MM-DD hh:mm:ss"
    std::vector<int> localIds;    // every extra field id of the local header, in order
    std::vector<int> centralIds;  // and of the central header
    std::string localHex;         // the 0x5455 and 0x000A fields of the local header, as hex
    std::string centralHex;       // and of the central header
    std::optional<int64_t> unixSeconds;  // 0x5455's modification time (central header)
    std::optional<uint64_t> ntfsModified, ntfsAccessed, ntfsCreated;  // 100 ns ticks since 1601
};
std::map<std::string, TimeFields> pythonTimeFields(const std::filesystem::path& archive);
