#include "FolderScan.h"

#include "ExtensionList.h"
#include "FileSystem.h"

FolderScanResult FolderScan::Run(const std::string& folderPath, const QString& filterRow, std::stop_token stop)
{
    FsResult<std::vector<FolderFile>> listing = FileSystem::Instance().FolderFiles(folderPath, stop);
    FolderScanResult result;
    result.error = listing.error;
    const bool all = filterRow == ExtensionList::kAllRow;
    const uint8_t listedUnder = ExtensionList::ListedIndex(filterRow);
    constexpr size_t kRowsBetweenStopChecks = 1024;
    size_t seen = 0;
    for (FolderFile& file : listing.value) {
        if (++seen % kRowsBetweenStopChecks == 0 && stop.stop_requested()) {
            result.error = std::make_error_code(std::errc::operation_canceled);
            break;
        }
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
