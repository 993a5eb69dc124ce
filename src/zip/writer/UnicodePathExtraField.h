#pragma once
// Entry names that are not plain ASCII: the general-purpose flag bit that
// marks a UTF-8 name, and Info-ZIP's Unicode Path extra field (0x7075), which
// Info-ZIP unzip needs to show such a name right.
#include <string>
#include <string_view>

namespace UnicodePathExtraField {

constexpr unsigned long kUtf8NameFlag = 0x0800;  // general-purpose bit 11
constexpr unsigned short kHeaderId = 0x7075;

bool IsAscii(std::string_view bytes);
bool IsValidUtf8(std::string_view bytes);

// The whole extra block (header id, size, version 1, CRC-32 of the name as
// stored, the UTF-8 name).
std::string Make(std::string_view utf8Name);

}  // namespace UnicodePathExtraField
