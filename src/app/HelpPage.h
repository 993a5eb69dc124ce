#pragma once
// Where the program's help page lies: installed under ../share/volarin-z/help
// beside the bin folder, or beside the program in a build tree.
#include <QString>
#include <QStringList>

class HelpPage {
public:
    // The places looked at, in order, for a program in programFolder.
    static QStringList Candidates(const QString& programFolder);
    // The first candidate that exists, or "" when none does.
    static QString Find(const QString& programFolder);
};
