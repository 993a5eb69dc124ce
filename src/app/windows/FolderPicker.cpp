#include "FolderPicker.h"

#include "FileSystem.h"
#include "Shell.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

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

std::string TrimSpaces(const std::string& text)
{
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos)
        return {};
    const auto last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

} // namespace

QString FolderPicker::Title()
{
    //: The folder picker's title.
    return tr("Volarin Z - Please select a folder.");
}

std::string FolderPicker::DocumentsFolder()
{
    // Names ~/Documents even where no such folder was ever made.
    std::string folder = ExistingFolder(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
    if (folder.empty())
        folder = ExistingFolder(QDir::homePath());
    return folder.empty() ? std::string() : WithSlash(folder);
}

std::string FolderPicker::Browse(const std::string& lastBrowsed)
{
    // An empty documents path becomes "/", the root.
    const bool resume = !lastBrowsed.empty() && FileSystem::Instance().FolderExists(lastBrowsed);
    const std::string initial = WithSlash(resume ? lastBrowsed : DocumentsFolder());
    const std::string picked = Shell::Instance().BrowseForFolder(Title(), initial);
    // Spaces around the path are trimmed, unless the folder really is named
    // that way: then the exact path is the one that exists.
    if (!picked.empty() && FileSystem::Instance().FolderExists(picked))
        return picked;
    return TrimSpaces(picked);
}
