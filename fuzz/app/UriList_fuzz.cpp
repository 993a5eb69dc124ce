// A drop's text/uri-list, as any program may hand it over: every path taken
// from it is absolute, holds no NUL byte and comes from one line of the list.
#include "FuzzSupport.h"
#include "UriList.h"

#include <QByteArray>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray list(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const std::vector<std::string> paths = LocalPathsFromUriList(list);
    size_t lines = static_cast<size_t>(list.count('\n')) + 1;
    fuzz::Check(paths.size() <= lines, "more paths than lines");
    for (const std::string& path : paths) {
        fuzz::Check(!path.empty() && path.front() == '/', "a path that is not absolute");
        fuzz::Check(path.find('\0') == std::string::npos, "a path holding a NUL byte");
        // Percent-decoding only ever shortens.
        fuzz::Check(path.size() <= size, "a path longer than the list");
    }
    // One URI alone reads as the same path as in a list of its own.
    if (list.indexOf('\n') < 0 && !paths.empty()) {
        QByteArray line = list.trimmed();
        fuzz::Check(LocalPathFromUri(std::string_view(line.constData(), size_t(line.size()))) == paths.front(),
                    "a one-line list reads otherwise than its URI");
    }
    return 0;
}
