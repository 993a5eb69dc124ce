#include "ExtensionList.h"

#include <algorithm>

namespace ExtensionList {

const QStringList& Rows()
{
    static const QStringList rows = {
        "pdf", "txt", "doc", "docx", "jpg", "html", "html4", "html5", "csv", "eml", "eps", "mdb", "mpp", "msg",
        "pps", "ppsx", "ppt", "ps", "pub", "rtf", "vsd", "wpd", "wps", "xls", "xlsx", "xlr", "xml", "xps",
        "bmp", "cdr", "emf", "gif", "ico", "3fr", "ai", "arw", "cr2", "crw", "dcr", "dng", "erf", "mdi",
        "mef", "mrw", "nef", "orf", "pcx", "pef", "png", "ppm", "psd", "raf", "raw", "sr2", "svg", "tga",
        "tiff", "wbmp", "webp", "wmf", "x3f", "xcf", "3ga", "aac", "ac3", "aifc", "aiff", "caf", "flac", "m4a",
        "mp3", "oga", "wav", "ra", "ram", "rm", "264", "3g2", "3gp", "3gpp", "asf", "avi", "f4v", "m4v",
        "mkv", "mov", "mod", "mp4", "mts", "rmvb", "ts", "vob", "webm", "wmv", "chm", "lit", "oeb", "epub",
        "cbc", "dwg", "dxf", "exe", "bin", "ini", "flv", "gvi", "c", "class", "cpp", "cs", "dtd", "fla",
        "java", "m", "pl", "py", "torrent", "part", "msi", "dbx", "tmp", "bak", "iso", "vcd", "7z", "rar",
        "zip", "zipx", "prf", "cfg", "cab", "cpl", "cur", "dll", "dmp", "drv", "sys", "fnt", "lnk", "xll",
        "asp", "cer", "csr", "css", "htm", "js", "jsp", "php", "rss", "xhtml", "bat", "cgi", "com", "jar",
        "pif", "vb", "wsf", "accdb", "db", "dbf", "pdb", "sql", "tif", "key", "log", "jpe", "jpeg", "pdd",
        "dib", "svgz", "ait", "pxr", "psb", kAllRow,
    };
    return rows;
}

bool SortsBefore(const QString& a, const QString& b)
{
    // Plain code-point order of the lower-cased text already puts digits
    // before letters; a shorter prefix comes first.
    return a.compare(b, Qt::CaseInsensitive) < 0;
}

std::string LowerExtension(const std::string& path)
{
    const auto slash = path.rfind('/');
    const std::string_view name = slash == std::string::npos ? std::string_view(path)
                                                             : std::string_view(path).substr(slash + 1);
    const auto dot = name.rfind('.');
    if (dot == std::string_view::npos)
        return {};
    std::string ext(name.substr(dot + 1));
    bool ascii = true;
    for (char& c : ext) {
        if (static_cast<unsigned char>(c) >= 0x80)
            ascii = false;
        else if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    }
    if (!ascii) // letters outside ASCII lower-case by Unicode rules (valid UTF-8 only changes)
        ext = QString::fromUtf8(ext).toLower().toUtf8().toStdString();
    return ext;
}

uint8_t ListedIndex(const QString& row)
{
    const qsizetype index = row == kAllRow ? -1 : Rows().indexOf(row);
    return index < 0 || index >= 0xFF ? uint8_t{0xFF} : static_cast<uint8_t>(index);
}

bool Matches(std::string_view path, const QString& row)
{
    if (row.isEmpty() || row == kAllRow)
        return false;
    const auto slash = path.rfind('/');
    const std::string_view name = slash == std::string_view::npos ? path : path.substr(slash + 1);
    const auto dot = name.rfind('.');
    if (dot == std::string_view::npos)
        return false;
    const std::string_view ext = name.substr(dot + 1);
    // Compared in place while the extension is ASCII, so the window can test a
    // million rows at once; other letters are lower-cased by Unicode's rules.
    if (std::any_of(ext.begin(), ext.end(), [](char c) { return static_cast<unsigned char>(c) >= 0x80; }))
        return QString::fromUtf8(LowerExtension(std::string(path))) == row;
    if (static_cast<size_t>(row.size()) != ext.size())
        return false;
    for (size_t i = 0; i < ext.size(); ++i) {
        const char c = ext[i] >= 'A' && ext[i] <= 'Z' ? static_cast<char>(ext[i] - 'A' + 'a') : ext[i];
        if (row[static_cast<qsizetype>(i)] != QLatin1Char(c))
            return false;
    }
    return true;
}

} // namespace ExtensionList
