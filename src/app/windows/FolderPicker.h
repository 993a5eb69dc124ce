#pragma once
// "Module1" in earlier versions: the folder picker both windows use. Paths
// are bytes with "/" separators.
#include <QCoreApplication>
#include <QString>

#include <string>

class FolderPicker {
    Q_DECLARE_TR_FUNCTIONS(FolderPicker)

public:
    // "Volarin Z - Please select a folder.", in the user's language.
    static QString Title();

    // Shows the picker, starting in lastBrowsed (the folder the user last
    // browsed to), or in the user's documents folder when that is empty or no
    // longer a folder; returns the chosen folder, "" when cancelled.
    static std::string Browse(const std::string& lastBrowsed = {});

    // The documents folder with a trailing "/" (the home folder when
    // ~/Documents does not exist), or "" when neither exists.
    static std::string DocumentsFolder();
};
