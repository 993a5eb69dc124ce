#include "FolderScan.h"

#include "ExtensionList.h"
#include "FileSystem.h"

FolderScanResult FolderScan::Run(const std::string& folderPath, const QString& filterRow, std::stop_token stop)
{
    std::vector<FolderFile> files;
    const auto listed = FileSystem::Instance().FolderFiles(folderPath, files, stop);
    FolderScanResult result;
    result.error = listed.code();
    const bool all = filterRow == ExtensionList::kAllRow;
    const uint8_t listedUnder = ExtensionList::ListedIndex(filterRow);
    constexpr size_t kRowsBetweenStopChecks = 1024;
    size_t seen = 0;
    for (FolderFile& file : files) {
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
