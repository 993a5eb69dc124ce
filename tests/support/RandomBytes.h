#pragma once
// Bytes that do not compress, the same for the same seed.
#include <cstddef>
#include <string>

std::string randomBytes(std::size_t n, unsigned seed);
