#include "ArchiveLayout.h"

#include <gtest/gtest.h>

#include <sstream>
#include <stdexcept>

#include "Process.h"

const EntryPlace& ArchiveLayout::operator[](const std::string& name) const
{
    for (const EntryPlace& entry : entries)
        if (entry.name == name)
            return entry;
    throw std::out_of_range("no entry " + name);
}

ArchiveLayout archiveLayout(const std::filesystem::path& archive)
{
    static const char* script = R"PY(
import sys, struct, zipfile
data = open(sys.argv[1], 'rb').read()
with zipfile.ZipFile(sys.argv[1]) as z:
    central = z.start_dir
    for i in z.infolist():
        raw = i.orig_filename.encode('utf-8' if i.flag_bits & 0x800 else 'cp437')
        h = i.header_offset
        n, m = struct.unpack('<HH', data[h + 26:h + 30])
        print(raw.hex(), h, h + 30 + n + m, central)
        central += 46 + len(raw) + len(i.extra) + len(i.comment)
print('end', data.rfind(b'PK\x05\x06'))
)PY";
    const ProcessResult r = runProcess({"python3", "-c", script, archive.string()});
    EXPECT_EQ(r.exitCode, 0) << r.out;
    ArchiveLayout layout;
    std::istringstream lines(r.out);
    std::string first;
    while (lines >> first) {
        if (first == "end") {
            lines >> layout.endAt;
            break;
        }
        EntryPlace place;
        for (size_t i = 0; i + 1 < first.size(); i += 2)
            place.name.push_back(static_cast<char>(std::stoi(first.substr(i, 2), nullptr, 16)));
        lines >> place.headerAt >> place.dataAt >> place.centralAt;
        layout.entries.push_back(place);
    }
    return layout;
}
