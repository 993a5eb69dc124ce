#pragma once
// Reads an archive back with every independent reader on the machine (Info-ZIP
// unzip, 7-Zip, libarchive's bsdtar, Python's zipfile) and checks that each
// finds exactly the expected entries, byte for byte.
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

using ExpectedEntries = std::vector<std::pair<std::string, std::string>>;  // name, contents, in archive order

void expectReadersAgree(const std::filesystem::path& archive, const ExpectedEntries& entries,
                        const std::string& password = {});

// The entry names as each lister prints them (unzip -l, 7z l, Python).
std::string unzipListing(const std::filesystem::path& archive);
std::string sevenZipListing(const std::filesystem::path& archive);
std::vector<std::string> pythonNames(const std::filesystem::path& archive);
