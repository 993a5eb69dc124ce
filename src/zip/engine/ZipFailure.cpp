#include "ZipFailure.h"

const std::string& ZipFailureStep(ZipFailure failure)
{
    static const std::string kNames[] = {
        "",
        "File does not exist",
        "GetTimestamps",
        "FileLen",
        "Already mZipping",
        "OpenZip",
        "OpenFileInZip",
        "ReadFile",
        "WriteBytes",
        "CloseFileInZip",
        "CloseZip",
        "RenameZip",
        "ProveZip",
    };
    static_assert(std::size(kNames) == static_cast<size_t>(ZipFailure::ProveZip) + 1);
    return kNames[static_cast<size_t>(failure)];
}
