#pragma once
// Checked 32-bit arithmetic and half-to-even rounding, as the bar's mapping and
// drawing need them: an overflow is an error of the operation, never a wrap.
#include <cstdint>
#include <optional>

// Rounds half to even and converts; nullopt when the result does not fit 32 bits
// (or is not a number).
std::optional<int32_t> RoundToInt32(double value);
std::optional<int32_t> CheckedMul(int32_t a, int32_t b);
std::optional<int32_t> CheckedAdd(int32_t a, int32_t b);
std::optional<int32_t> CheckedSub(int32_t a, int32_t b);
