#pragma once
// Reads ZIP archives back with independent readers: Info-ZIP's unzip and
// Python's zipfile module.
#include <filesystem>
#include <map>
#include <string>

struct UnzipCheck {
    bool ok = false;
    std::string output;
};

// `unzip -t` (with -P password when given): ok when unzip reports no errors.
UnzipCheck unzipTest(const std::filesystem::path& archive, const std::string& password = {});

// Entry name (as the raw bytes Python decodes, re-encoded to UTF-8) -> contents,
// read with Python's zipfile. Empty with ok=false when Python fails.
struct PyZipRead {
    bool ok = false;
    std::string error;
    std::map<std::string, std::string> entries;
};
PyZipRead pythonReadZip(const std::filesystem::path& archive, const std::string& password = {});

// The archive tested with `unzip -t` and its entries as Python reads them;
// a failure of either reader fails the calling test.
std::map<std::string, std::string> entriesReadBack(const std::filesystem::path& archive);
