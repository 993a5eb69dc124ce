// What a run tells at its end beside how it ended: every file that did not go
// in named once, under the run's own failure or a heading of its own, and the
// notes on dates only when there is an archive.
#include "RunReport.h"

#include <gtest/gtest.h>

#include <vector>

namespace fs = std::filesystem;

namespace {

Failure file(FailureKind kind, const char* path)
{
    return {.kind = kind, .path = path};
}

std::vector<fs::path> paths(const std::vector<Failure>& failures)
{
    std::vector<fs::path> out;
    for (const Failure& failure : failures)
        out.push_back(failure.path);
    return out;
}

}  // namespace

TEST(RunReport, NamesEachFileLeftOutOnceUnderTheRightHeading)
{
    const fs::path archive = "/out/a.zip";
    const Failure filtered = file(FailureKind::NotOfSelectedType, "/p/x.txt");
    const Failure missing = file(FailureKind::SourceNotCopied, "/p/gone.jpg");
    const Failure dated = file(FailureKind::DateOutsideZip, "/p/old.jpg");
    const Failure writeFailed{.kind = FailureKind::ArchiveNotWritten, .path = archive};
    struct Case {
        const char* name;
        std::vector<Failure> notHandedOver, stagedFailed, cutShort, notes;
        RunOutcome::End end;
        std::optional<Failure> failure;
        std::optional<FailureKind> told;  // the outcome's failure; none: silent
        std::vector<fs::path> leftOut, noted;
    } cases[] = {
        {"all went in", {}, {}, {}, {}, RunOutcome::End::Completed, {}, {}, {}, {}},
        {"left out, under a heading of its own", {filtered}, {missing}, {}, {}, RunOutcome::End::Completed, {},
         FailureKind::FilesLeftOut, {"/p/x.txt", "/p/gone.jpg"}, {}},
        {"a file handed over twice is named once", {missing}, {missing}, {missing}, {}, RunOutcome::End::Completed, {},
         FailureKind::FilesLeftOut, {"/p/gone.jpg"}, {}},
        {"dates alone", {}, {}, {}, {dated}, RunOutcome::End::Completed, {}, FailureKind::DatesOutsideZip, {},
         {"/p/old.jpg"}},
        {"dates after the files left out", {}, {missing}, {}, {dated}, RunOutcome::End::Completed, {},
         FailureKind::FilesLeftOut, {"/p/gone.jpg"}, {"/p/old.jpg"}},
        {"no archive, no dates; the run's failure first", {}, {}, {missing}, {dated}, RunOutcome::End::Failed,
         writeFailed, FailureKind::ArchiveNotWritten, {"/p/gone.jpg"}, {}},
        {"nothing staged", {filtered}, {missing}, {}, {}, RunOutcome::End::NotStarted,
         Failure{.kind = FailureKind::NothingCopied, .path = archive}, FailureKind::NothingCopied,
         {"/p/x.txt", "/p/gone.jpg"}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        RunReport report(c.notHandedOver);
        if (!c.stagedFailed.empty() || !c.notes.empty()) {
            StagingCopyReport staged;
            staged.failed = c.stagedFailed;
            staged.notes = c.notes;
            report.Staged(std::move(staged));
        }
        report.LeftOut(std::vector<Failure>(c.cutShort));
        const RunOutcome outcome = std::move(report).Outcome(c.end, c.failure, archive);
        EXPECT_EQ(outcome.end, c.end);
        ASSERT_EQ(outcome.failure.has_value(), c.told.has_value());
        if (!outcome.failure)
            continue;
        EXPECT_EQ(outcome.failure->kind, *c.told);
        EXPECT_EQ(outcome.failure->path, archive);
        EXPECT_EQ(paths(outcome.failure->leftOut), c.leftOut);
        EXPECT_EQ(paths(outcome.failure->notes), c.noted);
    }
}
