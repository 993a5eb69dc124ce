#pragma once
// A temporary folder removed with everything in it when the object goes.
#include <filesystem>
#include <string>

class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

    // Writes a file of the given bytes (creating folders on the way) and returns its path.
    std::filesystem::path write(const std::string& relative, const std::string& bytes = {}) const;

private:
    std::filesystem::path path_;
};

std::string readFileBytes(const std::filesystem::path& file);
