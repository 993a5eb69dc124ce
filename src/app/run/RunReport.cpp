#include "RunReport.h"

#include <iterator>
#include <set>
#include <utility>

namespace fs = std::filesystem;

void RunReport::Staged(StagingCopyReport&& report)
{
    LeftOut(std::move(report.failed));
    notes_ = std::move(report.notes);
}

void RunReport::LeftOut(std::vector<Failure>&& failed)
{
    failed_.insert(failed_.end(), std::make_move_iterator(failed.begin()), std::make_move_iterator(failed.end()));
}

RunOutcome RunReport::Outcome(RunOutcome::End end, std::optional<Failure> failure, const fs::path& archive) &&
{
    // A file handed over by two presses of Start is named once.
    std::vector<Failure> leftOut;
    std::set<std::pair<FailureKind, fs::path>> named;
    for (std::vector<Failure>* list : {&notHandedOver_, &failed_})
        for (Failure& file : *list)
            if (named.emplace(file.kind, file.path).second)
                leftOut.push_back(std::move(file));
    std::vector<Failure> notes;
    if (end == RunOutcome::End::Completed)
        notes = std::move(notes_);
    if (!failure && !leftOut.empty())
        failure = Failure{.kind = FailureKind::FilesLeftOut, .path = archive};
    else if (!failure && !notes.empty())
        failure = Failure{.kind = FailureKind::DatesOutsideZip, .path = archive};
    if (failure) {
        failure->leftOut = std::move(leftOut);
        failure->notes = std::move(notes);
    }
    return {end, std::move(failure)};
}
