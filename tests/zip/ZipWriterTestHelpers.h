#pragma once
// Shared by the ZipWriter tests: writing whole entries and reading back each
// entry's stored fields with Python's zipfile.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <span>
#include <string>
#include <vector>

#include "Process.h"
#include "ZipWriter.h"

inline std::span<const unsigned char> bytesOf(const std::string& text)
{
    return {reinterpret_cast<const unsigned char*>(text.data()), text.size()};
}

struct StoredEntry {
    std::string name;  // as Python decodes it, in UTF-8
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
    unsigned long externalAttr = 0;
    unsigned flags = 0;
    int method = -1;
    unsigned long long size = 0;
    std::string extraHex;
};

// Every entry's fields as stored in the central directory.
inline std::vector<StoredEntry> storedEntries(const std::filesystem::path& archive)
{
    static const char* script = R"PY(
import sys, zipfile
with zipfile.ZipFile(sys.argv[1]) as z:
    for i in z.infolist():
        print(i.filename.encode('utf-8', 'surrogateescape').hex(), *i.date_time, i.external_attr,
              i.flag_bits, i.compress_type, i.file_size, i.extra.hex() or '-')
)PY";
    const ProcessResult r = runProcess({"python3", "-c", script, archive.string()});
    EXPECT_EQ(r.exitCode, 0) << r.out;
    std::vector<StoredEntry> entries;
    std::istringstream lines(r.out);
    std::string hexName;
    while (lines >> hexName) {
        StoredEntry e;
        for (size_t i = 0; i + 1 < hexName.size(); i += 2)
            e.name.push_back(static_cast<char>(std::stoi(hexName.substr(i, 2), nullptr, 16)));
        lines >> e.year >> e.month >> e.day >> e.hour >> e.minute >> e.second >> e.externalAttr >> e.flags >>
            e.method >> e.size >> e.extraHex;
        entries.push_back(e);
    }
    return entries;
}

// Writes one whole entry; any failing step fails the test.
inline void writeEntry(ZipWriter& writer, const std::string& name, const std::string& data, double date = 0,
                       int32_t attrs = 0, const std::string& password = {}, int32_t crc = 0)
{
    ASSERT_FALSE(writer.OpenFileInZip(name, 8, -1, attrs, {}, date, password, crc)) << writer.Result();
    ASSERT_FALSE(writer.WriteBytes(bytesOf(data))) << writer.Result();
    ASSERT_FALSE(writer.CloseFileInZip()) << writer.Result();
}
