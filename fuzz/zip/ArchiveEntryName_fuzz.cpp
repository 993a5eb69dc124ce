// File names from the disk (any bytes: not UTF-8, control characters, very
// long) into entry names: the stored name keeps every byte but the
// backslash, the UTF-8 test agrees with Qt's decoder, and the Unicode Path
// field reads back as the name. The writer then either refuses the name or
// writes an entry that minizip's own reader finds under the stored name.
#include "ArchiveEntryName.h"
#include "FuzzSupport.h"
#include "UnicodePathExtraField.h"
#include "ZipWriter.h"

#include <QString>

#include <minizip/unzip.h>
#include <zlib.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace {

unsigned readLe(const std::string& bytes, size_t at, int count)
{
    unsigned value = 0;
    for (int i = count - 1; i >= 0; --i)
        value = value << 8 | static_cast<unsigned char>(bytes[at + static_cast<size_t>(i)]);
    return value;
}

void checkUnicodePath(const std::string& name)
{
    const std::string field = UnicodePathExtraField::Make(name);
    fuzz::Check(field.size() == 9 + name.size(), "a Unicode Path field of the wrong size");
    fuzz::Check(readLe(field, 0, 2) == UnicodePathExtraField::kHeaderId, "a Unicode Path field's id");
    fuzz::Check(readLe(field, 2, 2) == ((5 + name.size()) & 0xFFFF), "a Unicode Path field's length");
    fuzz::Check(field[4] == 1, "a Unicode Path field's version");
    const uLong crc = crc32(0, reinterpret_cast<const Bytef*>(name.data()), static_cast<uInt>(name.size()));
    fuzz::Check(readLe(field, 5, 4) == (crc & 0xFFFFFFFFu), "a Unicode Path field's CRC");
    fuzz::Check(field.compare(9, std::string::npos, name) == 0, "a Unicode Path field's name");
}

// Writes one entry under `name` and reads the archive's only name back.
void checkWritten(const std::string& name, const std::string& stored)
{
    const std::string archive = (fuzz::ScratchFolder() / "names.zip").string();
    ZipWriter writer;
    fuzz::Check(!writer.OpenZip(archive), "the scratch archive cannot be created");
    const bool refused = writer.OpenFileInZip(name, 8, 1, 0, {}, 45000.5);
    if (!refused) {
        const unsigned char byte = 'x';
        fuzz::Check(!writer.WriteBytes({&byte, 1}) && !writer.CloseFileInZip(), "an entry that cannot be written");
    }
    fuzz::Check(!writer.CloseZip(), "an archive that cannot be closed");
    const bool refusable = name.empty() || name.size() > 0xFFFF || name.find('\0') != std::string::npos;
    fuzz::Check(refused == refusable, refused ? "a name refused without reason" : "a name that should be refused");
    if (refused)
        return;  // an archive without entries, which minizip's reader refuses
    unzFile zip = unzOpen64(archive.c_str());
    fuzz::Check(zip != nullptr, "minizip cannot open the archive");
    unz_global_info64 global{};
    fuzz::Check(unzGetGlobalInfo64(zip, &global) == UNZ_OK && global.number_entry == 1,
                "the archive holds the wrong number of entries");
    {
        std::vector<char> found(stored.size() + 1);
        unz_file_info64 info{};
        fuzz::Check(unzGoToFirstFile(zip) == UNZ_OK &&
                        unzGetCurrentFileInfo64(zip, &info, found.data(), static_cast<uLong>(found.size()), nullptr,
                                                0, nullptr, 0) == UNZ_OK,
                    "the entry cannot be read");
        fuzz::Check(std::string(found.data(), info.size_filename) == stored, "the entry's name changed");
    }
    unzClose(zip);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // Longer names are made by repeating the input (up to past 64 KiB).
    std::string name(reinterpret_cast<const char*>(data), size);
    if (!name.empty() && name.back() == '\x7F') {
        const std::string unit = name.substr(0, name.size() - 1);
        while (!unit.empty() && name.size() < 0x10008)
            name += unit;
    }
    const std::string stored = ArchiveEntryName(name);
    fuzz::Check(stored.size() == name.size() && stored.find('\\') == std::string::npos,
                "a stored name that is not the name with backslashes replaced");
    for (size_t i = 0; i < name.size(); ++i)
        fuzz::Check(stored[i] == (name[i] == '\\' ? '_' : name[i]), "a stored name's byte changed");
    const bool valid = UnicodePathExtraField::IsValidUtf8(name);
    const QString decoded = QString::fromUtf8(name);
    fuzz::Check(valid == (decoded.toUtf8().toStdString() == name), "the UTF-8 test disagrees with Qt's");
    fuzz::Check(UnicodePathExtraField::IsAscii(name) ==
                    std::all_of(name.begin(), name.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; }),
                "the ASCII test");
    if (name.size() <= 0xFFFF - 9)
        checkUnicodePath(name);
    checkWritten(name, stored);
    return 0;
}
