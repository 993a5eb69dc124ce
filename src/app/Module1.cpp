#include "Module1.h"

#include "FileSystem.h"
#include "Shell.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

namespace Module1 {

std::string ChosenFolder;
std::string StagingFolder;
std::string OutputBase;

namespace {

std::string WithSlash(std::string path)
{
    if (path.empty() || path.back() != '/')
        path.push_back('/');
    return path;
}

std::string ExistingFolder(const QString& path)
{
    if (path.isEmpty())
        return {};
    const std::string bytes = QFile::encodeName(path).toStdString();
    return FileSystem::Instance().FolderExists(bytes) ? bytes : std::string();
}

} // namespace

std::string TrimSpaces(const std::string& text)
{
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos)
        return {};
    const auto last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

std::string SpecialFolderPath(int csidl)
{
    std::string folder;
    switch (csidl) {
    case CSIDL_PERSONAL:
        // Names ~/Documents even where no such folder was ever made.
        folder = ExistingFolder(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
        if (folder.empty())
            folder = ExistingFolder(QDir::homePath());
        break;
    case CSIDL_DESKTOP:
        folder = ExistingFolder(QStandardPaths::writableLocation(QStandardPaths::DesktopLocation));
        break;
    default:
        break;
    }
    return folder.empty() ? std::string() : WithSlash(folder);
}

void BrowseForFolder()
{
    // An empty documents path becomes "/", the root.
    const std::string initial = WithSlash(SpecialFolderPath(CSIDL_PERSONAL));
    const std::string picked = Shell::Instance().BrowseForFolder(kPickerTitle, initial);
    // Spaces around the path are trimmed, unless the folder really is named
    // that way: then the exact path is the one that exists.
    if (!picked.empty() && FileSystem::Instance().FolderExists(picked))
        ChosenFolder = picked;
    else
        ChosenFolder = TrimSpaces(picked);
}

} // namespace Module1
