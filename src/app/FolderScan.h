#pragma once
// One folder's files as rows of the found-files list: the files lying directly
// in it that pass the extension filter row, "Thumbs.db" left out.
#include "FoundFile.h"

#include <QString>

#include <string>
#include <system_error>
#include <vector>

struct FolderScanResult {
    std::vector<FoundFile> rows;  // in the order the folder lists them
    std::error_code error;        // why the folder could not be listed
};

class FolderScan {
public:
    // folderPath ends in "/"; each row's full path is folderPath + name.
    static FolderScanResult Run(const std::string& folderPath, const QString& filterRow);
};
