// The extension filter on file names from the disk (any bytes) against a row
// (any text): the fast in-place comparison agrees with the lower-cased
// extension compared whole.
#include "ExtensionList.h"
#include "FuzzSupport.h"

#include <QString>

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // The row up to the first NUL byte, the path after it.
    const std::string input(reinterpret_cast<const char*>(data), size);
    const size_t cut = input.find('\0');
    const QString row = QString::fromUtf8(input.substr(0, cut));
    const std::string path = cut == std::string::npos ? std::string() : input.substr(cut + 1);
    const bool matches = ExtensionList::Matches(path, row);

    const size_t slash = path.rfind('/');
    const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    const bool expected = !row.isEmpty() && row != ExtensionList::kAllRow && name.find('.') != std::string::npos &&
                          QString::fromUtf8(ExtensionList::LowerExtension(path)) == row;
    fuzz::Check(matches == expected, "Matches disagrees with the lower-cased extension");
    // Every row of the list matches a file named with it.
    const QStringList& rows = ExtensionList::Rows();
    if (!rows.isEmpty()) {
        const QString& some = rows[static_cast<qsizetype>(size % static_cast<size_t>(rows.size()))];
        if (some != ExtensionList::kAllRow)
            fuzz::Check(ExtensionList::Matches(path + "." + some.toUpper().toStdString(), some),
                        "a row does not match its own extension");
    }
    return 0;
}
