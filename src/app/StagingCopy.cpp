#include "StagingCopy.h"

#include "FileCopy.h"

#include <QFile>

namespace fs = std::filesystem;

namespace {
QString shown(const fs::path& p)
{
    return QFile::decodeName(QByteArray::fromStdString(p.native()));
}
}  // namespace

QString StagingCopyReport::Message(const QString& archive) const
{
    QString text = copied == 0 ? QStringLiteral("No file could be copied for \"%1\", so no archive was written:").arg(archive)
                               : (failed.size() == 1 ? QStringLiteral("1 file was left out of \"%1\":").arg(archive)
                                                   : QStringLiteral("%1 files were left out of \"%2\":")
                                                         .arg(failed.size())
                                                         .arg(archive));
    // A long list would make the message box taller than the screen.
    constexpr size_t kShown = 20;
    for (size_t i = 0; i < failed.size() && i < kShown; ++i)
        text += QStringLiteral("\n%1: %2").arg(shown(failed[i].source), failed[i].reason);
    if (failed.size() > kShown)
        text += QStringLiteral("\n... and %1 more.").arg(failed.size() - kShown);
    return text;
}

StagingCopyReport StagingCopy::CopyAll(const std::vector<fs::path>& sources, const fs::path& folder)
{
    StagingCopyReport report;
    for (const fs::path& source : sources) {
        const fs::path name = source.filename();
        if (name.empty()) {
            report.failed.push_back({source, QStringLiteral("not a file")});
            continue;
        }
        const FileCopyResult r = FileCopy::Copy(source, folder / name);
        if (r.ok)
            ++report.copied;
        else
            report.failed.push_back({source, QString::fromLocal8Bit(r.Reason())});
    }
    return report;
}
