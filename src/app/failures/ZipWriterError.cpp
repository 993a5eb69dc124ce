#include "ZipWriterError.h"

#include <string>

namespace {

class ZipWriterErrorCategory : public std::error_category {
public:
    const char* name() const noexcept override { return "zip writer"; }
    // In words: a user never reads the library's numbers.
    std::string message(int code) const override
    {
        switch (code) {
        case -1:  // ZIP_ERRNO
            return "a file operation failed";
        case -102:  // ZIP_PARAMERROR: more data than declared, or data that changed
            return "the zip library refused the data";
        case -103:  // ZIP_BADZIPFILE
            return "the archive is damaged";
        case -104:  // ZIP_INTERNALERROR
            return "the zip library failed inside";
        case -666:
            return "no archive or entry was open";
        case -667:
            return "an archive or entry was still open";
        default:
            return "the zip library reported a failure";
        }
    }
};

} // namespace

const std::error_category& ZipWriterCategory()
{
    static const ZipWriterErrorCategory category;
    return category;
}
