#include "FolderScan.h"

#include "ExtensionList.h"
#include "FileSystem.h"
#include "SizeText.h"

#include <QLocale>

FolderScanResult FolderScan::Run(const std::string& folderPath, const QString& filterRow)
{
    FsResult<std::vector<FolderFile>> listing = FileSystem::Instance().FolderFiles(folderPath);
    FolderScanResult result;
    result.error = listing.error;
    const bool all = filterRow == ExtensionList::kAllRow;
    const QLocale locale;
    for (const FolderFile& file : listing.value) {
        std::string fullPath = folderPath + file.name;
        if (!all && !ExtensionList::Matches(fullPath, filterRow))
            continue;
        if (file.name == "Thumbs.db")
            continue;
        FoundFile row;
        row.name = FileSystem::GetFileName(fullPath);
        row.sizeText = file.size ? SizeText(*file.size, locale) : kUnknownSizeText;
        row.fullPath = std::move(fullPath);
        result.rows.push_back(std::move(row));
    }
    return result;
}
