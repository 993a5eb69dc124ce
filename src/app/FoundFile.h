#pragma once
// One row of the found-files list. The full path is kept as the bytes on disk
// beside the name, so row i's name and path always describe the same file.
#include <QString>
#include <string>

struct FoundFile {
    std::string name;     // the file's own name (bytes)
    QString sizeText;     // the size column as shown; the number is not kept
    std::string fullPath; // folder path + name, exactly as the scan built it
    bool checked = false;
};
