#include "HelpPage.h"

#include <QDir>
#include <QFileInfo>

QStringList HelpPage::Candidates(const QString& programFolder)
{
    const QDir dir(programFolder);
    return {QDir::cleanPath(dir.filePath(QStringLiteral("../share/volarin-z/help/index.html"))),
            QDir::cleanPath(dir.filePath(QStringLiteral("help/index.html")))};
}

QString HelpPage::Find(const QString& programFolder)
{
    for (const QString& candidate : Candidates(programFolder))
        if (QFileInfo(candidate).isFile())
            return candidate;
    return {};
}
