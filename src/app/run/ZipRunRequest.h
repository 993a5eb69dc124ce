#pragma once
// What one zip run is asked to do.
#include "Failure.h"
#include "SourceList.h"

#include <QString>

#include <filesystem>
#include <string>
#include <vector>

struct ZipRunRequest {
    // The files to zip, in list order: a later file replaces an earlier one
    // of the same name. Plain bytes, viewed where the list keeps them.
    SourceList files;
    // The archive's full path, ".zip" included.
    std::filesystem::path archive;
    // Checked files that were not handed over (the filter left them out), told after the run.
    std::vector<Failure> leftOut{};
};
