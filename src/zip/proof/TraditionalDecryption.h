#pragma once
// Decrypts an entry written with the ZIP format's traditional encryption,
// for the proof: made apart from the writer's cipher, so that a fault in one
// shows against the other.
#include <cstddef>
#include <cstdint>
#include <string_view>

class TraditionalDecryption {
public:
    static constexpr size_t kHeaderSize = 12;

    explicit TraditionalDecryption(std::string_view password);
    // Decrypts `size` bytes in place, continuing from the bytes before.
    void Decrypt(unsigned char* data, size_t size);

private:
    void update(unsigned char plain);

    uint32_t key0_ = 0x12345678;
    uint32_t key1_ = 0x23456789;
    uint32_t key2_ = 0x34567890;
};
