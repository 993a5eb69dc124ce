#include "ZipStep.h"

#include "Zipper.h"

#include <map>

ZipStep FailedZipStep(const Zipper& zipper)
{
    static const std::map<std::string, ZipStep> kSteps = {
        {"", ZipStep::None},
        {"File does not exist", ZipStep::SourceMissing},
        {"GetTimestamps", ZipStep::SourceDate},
        {"FileLen", ZipStep::SourceSize},
        {"Already mZipping", ZipStep::AlreadyZipping},
        {"OpenZip", ZipStep::OpenArchive},
        {"OpenFileInZip", ZipStep::OpenEntry},
        {"WriteBytes", ZipStep::WriteEntry},
        {"ReadFile", ZipStep::ReadSource},
        {"CloseFileInZip", ZipStep::CloseEntry},
        {"CloseZip", ZipStep::CloseArchive},
        {"RenameZip", ZipStep::RenameArchive},
    };
    const auto it = kSteps.find(zipper.Failed());
    return it == kSteps.end() ? ZipStep::Other : it->second;
}
