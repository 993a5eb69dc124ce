#pragma once
// What one run has to tell beside how it ended: the checked files the window
// did not hand over, the files staging left out and the notes on dates the
// archive keeps; at the run's end it puts them into the RunOutcome.
#include "Failure.h"
#include "RunOutcome.h"
#include "StagingCopy.h"

#include <filesystem>
#include <optional>
#include <vector>

class RunReport {
public:
    explicit RunReport(std::vector<Failure> notHandedOver = {}) : notHandedOver_(std::move(notHandedOver)) {}

    // Staging ended with this report (the files to zip went on their way already).
    void Staged(StagingCopyReport&& report);
    // Files a staging cut short left out.
    void LeftOut(std::vector<Failure>&& failed);

    // The outcome of a run that ended as `end`: every file that did not go
    // in is named once, after the run's own failure or under one of its own;
    // the notes on dates only when there is an archive.
    RunOutcome Outcome(RunOutcome::End end, std::optional<Failure> failure, const std::filesystem::path& archive) &&;

private:
    std::vector<Failure> notHandedOver_;
    std::vector<Failure> failed_;
    std::vector<Failure> notes_;
};
