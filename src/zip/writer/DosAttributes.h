#pragma once
// The DOS attribute bits of a file as an archive entry keeps them, derived
// from what Linux knows: read-only when the owner may not write, hidden for
// dot-names, directory, and archive for every regular file (as a freshly
// copied file has it on Windows).
#include <cstdint>
#include <filesystem>

namespace DosAttribute {
constexpr int32_t ReadOnly = 0x01;
constexpr int32_t Hidden = 0x02;
constexpr int32_t Directory = 0x10;
constexpr int32_t Archive = 0x20;
}

int32_t DosAttributes(const std::filesystem::path& file, const std::filesystem::file_status& status);
