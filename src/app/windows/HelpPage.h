#pragma once
// Where the program's help page lies: installed under ../share/volarin-z/help
// beside the bin folder, or beside the program in a build tree. The English
// page is index.html; a translated one lies in a folder named for its
// language (de/index.html, pt_BR/index.html).
#include <QString>
#include <QStringList>

class HelpPage {
public:
    // The places looked at for the English page, in order, for a program in programFolder.
    static QStringList Candidates(const QString& programFolder);
    // The first page that exists: in each place the page in `language` ("de",
    // "pt_BR"; "" for English), then the English one; "" when none does.
    static QString Find(const QString& programFolder, const QString& language = QString());
};
