#include "TraditionalZipCipher.h"

#include <sys/random.h>

#include <cerrno>

namespace {

// CRC-32 table (polynomial 0xEDB88320) as 32-bit values; the cipher steps its
// keys through it one byte at a time.
constexpr std::array<uint32_t, 256> makeCrcTable()
{
    std::array<uint32_t, 256> table{};
    for (uint32_t n = 0; n < 256; ++n) {
        uint32_t c = n;
        for (int k = 0; k < 8; ++k)
            c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
        table[n] = c;
    }
    return table;
}

constexpr std::array<uint32_t, 256> kCrcTable = makeCrcTable();

inline uint32_t crcStep(uint32_t crc, unsigned char byte)
{
    return kCrcTable[(crc ^ byte) & 0xFFu] ^ (crc >> 8);
}

bool fillRandom(unsigned char* data, size_t size)
{
    while (size > 0) {
        const ssize_t got = getrandom(data, size, 0);
        if (got < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        data += got;
        size -= static_cast<size_t>(got);
    }
    return true;
}

}  // namespace

TraditionalZipCipher::TraditionalZipCipher(std::string_view password)
{
    for (char c : password)
        updateKeys(static_cast<unsigned char>(c));
}

unsigned char TraditionalZipCipher::keystreamByte() const
{
    const uint32_t temp = (key2_ | 2u) & 0xFFFFu;
    return static_cast<unsigned char>((temp * (temp ^ 1u)) >> 8);
}

void TraditionalZipCipher::updateKeys(unsigned char plain)
{
    key0_ = crcStep(key0_, plain);
    key1_ = (key1_ + (key0_ & 0xFFu)) * 134775813u + 1u;
    key2_ = crcStep(key2_, static_cast<unsigned char>(key1_ >> 24));
}

bool TraditionalZipCipher::MakeHeader(uint32_t crc, std::array<unsigned char, 12>& header)
{
    if (!fillRandom(header.data(), 10))
        return false;
    header[10] = static_cast<unsigned char>(crc >> 16);
    header[11] = static_cast<unsigned char>(crc >> 24);
    Encrypt(header);
    return true;
}

void TraditionalZipCipher::Encrypt(std::span<unsigned char> bytes)
{
    for (unsigned char& b : bytes) {
        const unsigned char plain = b;
        b = plain ^ keystreamByte();
        updateKeys(plain);
    }
}

void TraditionalZipCipher::Decrypt(std::span<unsigned char> bytes)
{
    for (unsigned char& b : bytes) {
        b ^= keystreamByte();
        updateKeys(b);
    }
}
