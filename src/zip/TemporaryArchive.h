#pragma once
// A run writes its archive under a temporary name beside the final one, so a
// failed or interrupted run never leaves half an archive under that name and
// never destroys an archive that was there before.
#include <filesystem>

// Creates an empty file "<name>.XXXXXX.part" in `archive`'s folder and
// returns its path; empty when none can be created there.
std::filesystem::path ReserveTemporaryArchive(const std::filesystem::path& archive);
