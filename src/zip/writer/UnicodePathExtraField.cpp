#include "UnicodePathExtraField.h"

#include <zlib.h>

#include <cstdint>

namespace UnicodePathExtraField {
namespace {

void putLe(std::string& out, unsigned long value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.push_back(static_cast<char>((value >> (8 * i)) & 0xFFu));
}

}  // namespace

bool IsAscii(std::string_view bytes)
{
    for (char c : bytes)
        if (static_cast<unsigned char>(c) >= 0x80)
            return false;
    return true;
}

bool IsValidUtf8(std::string_view bytes)
{
    size_t i = 0;
    while (i < bytes.size()) {
        const unsigned char c = static_cast<unsigned char>(bytes[i]);
        size_t length;
        uint32_t codePoint;
        if (c < 0x80) {
            ++i;
            continue;
        } else if (c >= 0xC2 && c <= 0xDF) {
            length = 2;
            codePoint = c & 0x1Fu;
        } else if (c >= 0xE0 && c <= 0xEF) {
            length = 3;
            codePoint = c & 0x0Fu;
        } else if (c >= 0xF0 && c <= 0xF4) {
            length = 4;
            codePoint = c & 0x07u;
        } else {
            return false;
        }
        if (i + length > bytes.size())
            return false;
        for (size_t k = 1; k < length; ++k) {
            const unsigned char cc = static_cast<unsigned char>(bytes[i + k]);
            if ((cc & 0xC0u) != 0x80u)
                return false;
            codePoint = (codePoint << 6) | (cc & 0x3Fu);
        }
        // Overlong forms, UTF-16 surrogates and values past U+10FFFF are not UTF-8.
        if ((length == 3 && codePoint < 0x800) || (length == 4 && codePoint < 0x10000) ||
            (codePoint >= 0xD800 && codePoint <= 0xDFFF) || codePoint > 0x10FFFF)
            return false;
        i += length;
    }
    return true;
}

std::string Make(std::string_view utf8Name)
{
    std::string field;
    field.reserve(9 + utf8Name.size());
    putLe(field, kHeaderId, 2);
    putLe(field, 5 + utf8Name.size(), 2);
    field.push_back(1);  // version
    const uLong crc = crc32(0L, reinterpret_cast<const Bytef*>(utf8Name.data()),
                            static_cast<uInt>(utf8Name.size()));
    putLe(field, crc, 4);
    field.append(utf8Name);
    return field;
}

}  // namespace UnicodePathExtraField
