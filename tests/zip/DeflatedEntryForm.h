#pragma once
// What an archive's deflated entry looks like from outside: its method and
// compressed size as Python's zipfile reads them, and what zlib with
// minizip's parameters would make of the same bytes, to compare with.
#include <cstddef>
#include <filesystem>
#include <string>
#include <utility>

// Raw deflate of `bytes` by zlib at `level` in one stream: its size.
size_t zlibSize(const std::string& bytes, int level);

// "method, compressed size" of the archive's entry at `index`, as Python sees it.
std::pair<int, size_t> storedForm(const std::filesystem::path& archive, int index = 0);
// The bytes the archive holds for its entry at `index`, as stored (for
// method 8: the raw deflate stream), read after its local header.
std::string storedBytes(const std::filesystem::path& archive, int index = 0);
