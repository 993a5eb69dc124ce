#include "HelpPage.h"

#include <QDir>
#include <QFileInfo>

QStringList HelpPage::Candidates(const QString& programFolder)
{
    const QDir dir(programFolder);
    return {QDir::cleanPath(dir.filePath(QStringLiteral("../share/volarin-z/help/index.html"))),
            QDir::cleanPath(dir.filePath(QStringLiteral("help/index.html")))};
}

QString HelpPage::Find(const QString& programFolder, const QString& language)
{
    for (const QString& english : Candidates(programFolder)) {
        const QFileInfo page(english);
        if (!language.isEmpty()) {
            const QString translated = page.dir().filePath(language + QStringLiteral("/index.html"));
            if (QFileInfo(translated).isFile())
                return translated;
        }
        if (page.isFile())
            return english;
    }
    return {};
}
