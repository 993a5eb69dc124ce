#include "DosAttributes.h"

namespace fs = std::filesystem;

int32_t DosAttributes(const fs::path& file, const fs::file_status& status)
{
    int32_t bits = 0;
    if ((status.permissions() & fs::perms::owner_write) == fs::perms::none)
        bits |= DosAttribute::ReadOnly;
    std::string name = file.filename().string();
    if (!name.empty() && name.front() == '.')
        bits |= DosAttribute::Hidden;
    if (fs::is_directory(status))
        bits |= DosAttribute::Directory;
    else if (fs::is_regular_file(status))
        bits |= DosAttribute::Archive;
    return bits;
}
