#include "TraditionalDecryption.h"

#include <array>

namespace {

// The CRC-32 table (reflected polynomial 0xEDB88320) the keys are stepped with.
const std::array<uint32_t, 256>& crcTable()
{
    static const std::array<uint32_t, 256> table = [] {
        std::array<uint32_t, 256> t{};
        for (uint32_t n = 0; n < 256; ++n) {
            uint32_t c = n;
            for (int k = 0; k < 8; ++k)
                c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            t[n] = c;
        }
        return t;
    }();
    return table;
}

uint32_t crcStep(uint32_t crc, unsigned char byte)
{
    return crcTable()[(crc ^ byte) & 0xFF] ^ (crc >> 8);
}

}  // namespace

TraditionalDecryption::TraditionalDecryption(std::string_view password)
{
    for (char c : password)
        update(static_cast<unsigned char>(c));
}

void TraditionalDecryption::update(unsigned char plain)
{
    key0_ = crcStep(key0_, plain);
    key1_ = (key1_ + (key0_ & 0xFF)) * 134775813u + 1;
    key2_ = crcStep(key2_, static_cast<unsigned char>(key1_ >> 24));
}

void TraditionalDecryption::Decrypt(unsigned char* data, size_t size)
{
    for (size_t i = 0; i < size; ++i) {
        const uint32_t temp = (key2_ & 0xFFFF) | 2;
        const auto plain = static_cast<unsigned char>(data[i] ^ ((temp * (temp ^ 1)) >> 8));
        data[i] = plain;
        update(plain);
    }
}
