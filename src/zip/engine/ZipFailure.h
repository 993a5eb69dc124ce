#pragma once
// Why a Zipper call or run failed, one kind per step that can fail. Callers
// compare these instead of the step names that Zipper::Failed() shows.
#include <string>

enum class ZipFailure {
    None,
    FileDoesNotExist,  // AddFile: the source's attributes cannot be read
    GetTimestamps,     // AddFile: the source's last-modified time cannot be read
    FileLen,           // AddFile: the source is not a regular file, or its length is unknown
    AlreadyZipping,    // Zip during a run
    OpenZip,           // Zip: the archive cannot be created or opened
    OpenFileInZip,     // the run: the writer refused an entry
    ReadFile,          // the run: a source could not be opened or read whole, or changed
    WriteBytes,        // the run: the writer could not write data
    CloseFileInZip,    // the run: the writer could not close an entry
    CloseZip,          // the run: the writer could not close the archive
    RenameZip,         // the run: the finished archive could not take its name
    ProveZip,          // the run: the finished archive did not read back as written
};

// The step's name as Zipper::Failed() gives it ("OpenZip", "ReadFile", ...);
// empty for None.
const std::string& ZipFailureStep(ZipFailure failure);
