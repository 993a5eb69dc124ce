#pragma once
// One folder's files as rows of the found-files list: the files lying directly
// in it that pass the extension filter row, "Thumbs.db" left out.
#include "FoundFile.h"

#include <QString>

#include <stop_token>
#include <string>
#include <system_error>
#include <vector>

struct FolderScanResult {
    std::vector<FoundFile> rows;  // in the order the folder lists them
    std::error_code error;        // why the folder could not be listed
};

class FolderScan {
public:
    // folderPath ends in "/"; each row's full path is folderPath + name. A
    // stop asked for ends the scan within a few entries ("Operation canceled").
    static FolderScanResult Run(const std::string& folderPath, const QString& filterRow, std::stop_token stop = {});
};
