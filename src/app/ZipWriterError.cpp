#include "ZipWriterError.h"

#include <string>

namespace {

class ZipWriterErrorCategory : public std::error_category {
public:
    const char* name() const noexcept override { return "zip writer"; }
    std::string message(int code) const override { return "error code " + std::to_string(code); }
};

} // namespace

const std::error_category& ZipWriterCategory()
{
    static const ZipWriterErrorCategory category;
    return category;
}
