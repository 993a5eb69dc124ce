// A typed archive name, as the Output dialog takes it: any text a user or an
// input method can put into the field. A name the check lets through makes a
// file name of at most 255 bytes, without "/", NUL or line break, ending in
// ".zip".
#include "ArchiveName.h"
#include "FuzzSupport.h"

#include <QString>

#include <cstddef>
#include <cstdint>

namespace {

void checkName(const QString& name)
{
    const Status checked = ArchiveName::Check(name);
    const std::string bytes = ArchiveName::ToBytes(name);
    const std::string file = ArchiveName::FileName(name);
    if (!checked)
        return;
    fuzz::Check(!bytes.empty() && bytes.size() <= ArchiveName::kMaxBytes, "an accepted name of a wrong length");
    fuzz::Check(file.size() <= 255, "an accepted name whose file name is too long");
    fuzz::Check(bytes != "." && bytes != "..", "an accepted dot name");
    for (char c : file)
        fuzz::Check(c != '/' && c != '\0' && c != '\n' && c != '\r', "an accepted name with a forbidden byte");
    fuzz::Check(QString::fromUtf8(file).right(4).compare(QStringLiteral(".zip"), Qt::CaseInsensitive) == 0,
                "a file name without .zip");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const char* text = reinterpret_cast<const char*>(data);
    checkName(QString::fromUtf8(text, static_cast<qsizetype>(size)));
    // Text that came in some other way than UTF-8 (lone surrogates included).
    checkName(QString(reinterpret_cast<const QChar*>(data), static_cast<qsizetype>(size / 2)));
    return 0;
}
