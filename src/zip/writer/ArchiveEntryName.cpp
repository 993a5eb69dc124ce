#include "ArchiveEntryName.h"

#include <algorithm>

std::string ArchiveEntryName(std::string_view name)
{
    std::string stored(name);
    std::replace(stored.begin(), stored.end(), '\\', '_');
    return stored;
}
