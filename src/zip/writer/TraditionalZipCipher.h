#pragma once
// The traditional PKWARE password cipher of the ZIP format ("ZipCrypto").
// Weak by today's standards, but it is what every unzip tool can open.
#include <array>
#include <cstdint>
#include <span>
#include <string_view>

class TraditionalZipCipher {
public:
    explicit TraditionalZipCipher(std::string_view password);

    // The 12 bytes written before an encrypted entry's data: ten random bytes,
    // then bytes 2 and 3 of the entry's CRC-32 (readers check them to tell a
    // wrong password), all encrypted. Returns false when the system's random
    // source fails.
    bool MakeHeader(uint32_t crc, std::array<unsigned char, 12>& header);

    // Encrypts in place; the key state runs on from one call to the next.
    void Encrypt(std::span<unsigned char> bytes);
    // Decrypts in place (used to check our own output).
    void Decrypt(std::span<unsigned char> bytes);

private:
    unsigned char keystreamByte() const;
    void updateKeys(unsigned char plain);

    uint32_t key0_ = 0x12345678u;
    uint32_t key1_ = 0x23456789u;
    uint32_t key2_ = 0x34567890u;
};
