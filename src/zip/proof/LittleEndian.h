#pragma once
// Numbers as the ZIP format stores them, read from bytes.
#include <cstdint>

namespace LittleEndian {

inline uint16_t U16(const unsigned char* p)
{
    return static_cast<uint16_t>(p[0] | p[1] << 8);
}

inline uint32_t U32(const unsigned char* p)
{
    return uint32_t{p[0]} | uint32_t{p[1]} << 8 | uint32_t{p[2]} << 16 | uint32_t{p[3]} << 24;
}

inline uint64_t U64(const unsigned char* p)
{
    return U32(p) | uint64_t{U32(p + 4)} << 32;
}

}  // namespace LittleEndian
