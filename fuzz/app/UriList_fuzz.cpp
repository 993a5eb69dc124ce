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
    // (A line loses the spaces, tabs and carriage returns around it; any
    // other byte, a form feed too, may be part of a file name.)
    if (list.indexOf('\n') < 0 && !paths.empty()) {
        std::string_view line(list.constData(), size);
        while (!line.empty() && (line.back() == '\r' || line.back() == ' ' || line.back() == '\t'))
            line.remove_suffix(1);
        while (!line.empty() && (line.front() == ' ' || line.front() == '\t'))
            line.remove_prefix(1);
        fuzz::Check(LocalPathFromUri(line) == paths.front(), "a one-line list reads otherwise than its URI");
    }
    return 0;
}
