#pragma once
// The error ZipDateTimes throws when a file's times cannot be read or turned
// into local time. Its caller (the Zipper) catches it; nothing else throws.
#include <cstdint>
#include <exception>
#include <string>
#include <utility>

class ZipDateTimesError : public std::exception {
public:
    // The file's attributes could not be read (a missing path, no permission...).
    static constexpr uint32_t AttributesFailed = 0x8004AA51u;
    // A timestamp could not be turned into local time.
    static constexpr uint32_t LocalTimeFailed = 0x8004AA53u;

    ZipDateTimesError(uint32_t number, std::string source, std::string description, int systemError)
        : Number(number), Source(std::move(source)), Description(std::move(description)),
          SystemError(systemError) {}

    const char* what() const noexcept override { return Description.c_str(); }

    uint32_t Number;
    std::string Source;
    std::string Description;
    // errno of the failing call. ENOENT is 2 like Windows' ERROR_FILE_NOT_FOUND,
    // but most other errno values mean something else than the Windows code of
    // the same number.
    int SystemError;
};
