#pragma once
// Puts a file's content under a new name without copying its data: a
// reflink (FICLONE: a file of its own sharing the blocks), else a hard link
// (the same file under a second name). Where neither can be made it fails,
// and the caller reads the file where it lies.
//
// A hard link is the source itself: whatever changes it changes the user's
// file. So nothing here ever writes, truncates, chmods or touches the times
// of a destination that could be a link, and deleting the name (unlink) is
// the only safe way to be rid of it.
//
// One object per destination folder: it remembers which methods the file
// systems refused, so thousands of files do not each try them again.
#include "PlacedFile.h"
#include "Result.h"

#include <filesystem>
#include <set>
#include <sys/types.h>

class FileLinker {
public:
    // HardLink: no reflink is tried (tests).
    explicit FileLinker(FileCopyMethod fastest = FileCopyMethod::Clone);

    // Replaces a file of the destination's name (unlinked, never written
    // through). Only regular files the caller may read are taken. On failure
    // nothing is left at the destination; CopyStep::Link, with the link's
    // refusal, where neither a reflink nor a hard link can be made.
    Result<PlacedFile, CopyStep> Link(const std::filesystem::path& source, const std::filesystem::path& destination);

private:
    FileCopyMethod fastest_;
    std::set<dev_t> noClone_;  // source file systems whose files cannot be cloned here
    std::set<dev_t> noLink_;   // ... nor linked
    bool cloned_ = false;      // a clone worked: files are no longer linked first
};
