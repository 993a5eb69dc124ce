#pragma once
// What a confirmed Output dialog hands the main window.
#include <QString>

#include <filesystem>

struct OutputChoice {
    QString name;                   // the archive name as typed; its staging folder is ready
    std::filesystem::path archive;  // chosen folder / name + ".zip"
};
