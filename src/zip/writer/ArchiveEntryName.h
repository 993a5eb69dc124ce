#pragma once
// The name an entry is stored under. Entries are marked as made on MS-DOS, so
// an extractor on Windows reads a backslash as a folder separator: a Linux
// name such as "x\..\..\evil" could then climb out of its target folder. A
// Windows file name cannot hold a backslash anyway, so each becomes "_".
#include <string>
#include <string_view>

std::string ArchiveEntryName(std::string_view name);
