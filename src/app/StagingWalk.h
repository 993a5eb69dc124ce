#pragma once
// Lists what a run zips from its staging folder: every plain file, sub-folders
// included, except hidden (dot) ones, which the walk leaves out like the
// hidden files of the system it came from. Entry names are relative to the
// staging folder, so top-level files go in under their bare names.
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include "Result.h"

struct StagedEntry {
    std::string source;  // the staged file's path (bytes: a path object would keep its components too)
    std::string asFile;  // "name" or "sub/name"
};

class StagingWalk {
public:
    enum class Failure { Unreadable };  // a folder could not be listed

    // A dot-file: what this walk leaves out.
    static bool IsHidden(const std::string& name) { return !name.empty() && name[0] == '.'; }
    // The files of one level come first, in byte order of their names (so an
    // archive does not depend on the file system's listing order), then each
    // sub-folder's. Symbolic links are skipped, never followed.
    static Result<std::vector<StagedEntry>, Failure> List(const std::filesystem::path& folder);
};
