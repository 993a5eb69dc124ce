#include "FolderScan.h"

#include "ExtensionList.h"
#include "FileSystem.h"

FolderScanResult FolderScan::Run(const std::string& folderPath, const QString& filterRow)
{
    FsResult<std::vector<FolderFile>> listing = FileSystem::Instance().FolderFiles(folderPath);
    FolderScanResult result;
    result.error = listing.error;
    const bool all = filterRow == ExtensionList::kAllRow;
    const uint8_t listedUnder = ExtensionList::ListedIndex(filterRow);
    for (FolderFile& file : listing.value) {
        if (!all && !ExtensionList::Matches(file.name, filterRow))
            continue;
        if (file.name == "Thumbs.db")
            continue;
        result.rows.emplace_back(folderPath + file.name, folderPath.size(), file.size.value_or(FoundFile::kUnknownSize),
                                 listedUnder);
        // The listing's copy of the name goes as soon as the row has its own.
        std::string().swap(file.name);
    }
    result.rows.shrink_to_fit();
    return result;
}
