#include "ZipRunService.h"

#include "TemporaryArchiveJournal.h"
#include "ZipRun.h"

#include <utility>

namespace fs = std::filesystem;

ZipRunService::ZipRunService(fs::path stagingRoot, std::unique_ptr<Zipper> zipper, QObject* parent)
    : QObject(parent), zipper_(zipper ? std::move(zipper) : std::make_unique<Zipper>()),
      staging_(std::move(stagingRoot)), journal_(std::make_shared<TemporaryArchiveJournal>(JournalFor(staging_.Root())))
{
    // Every temporary archive is recorded, so a killed process's can be found again.
    zipper_->SetTemporaryArchiveJournal(journal_);
}

ZipRunService::~ZipRunService()
{
    // Normally the window's shutdown has done this; a service destroyed
    // without it must not leave links to the user's files behind either.
    Shutdown();
}

Status ZipRunService::CanStart() const
{
    if (run_)
        return Failure{.kind = FailureKind::StillWriting, .path = run_->Archive()};
    return {};
}

void ZipRunService::Start(ZipRunRequest request)
{
    if (const Status ready = CanStart(); !ready) {
        emit Ended({RunOutcome::End::NotStarted, ready.failure()});
        return;
    }
    auto* run = new ZipRun(std::move(request), *zipper_, staging_, stagingLinks_, this);
    run_ = run;
    connect(run, &ZipRun::Staged, this, &ZipRunService::Staged);
    connect(run, &ZipRun::Started, this, &ZipRunService::Started);
    connect(run, &ZipRun::Progress, this, &ZipRunService::Progress);
    connect(run, &ZipRun::Ended, this, [this, run](const RunOutcome& outcome) {
        // Not running any more for whoever hears of the end (the next run may start from there).
        Let(run);
        emit Ended(outcome);
    });
    run->Begin();
}

void ZipRunService::Let(ZipRun* run)
{
    run_ = nullptr;
    // Never under the run's own code, which may still be on the stack.
    run->deleteLater();
}

void ZipRunService::Stop()
{
    if (run_)
        run_->Stop();
}

void ZipRunService::Shutdown()
{
    // The staging thread and the run are stopped first, so nothing writes to
    // or reads from the staging folders any more and no Error comes at exit.
    if (ZipRun* run = run_) {
        run->Abandon();
        Let(run);
    }
    zipper_->StopRun();
    staging_.RemoveAll();
}

Status ZipRunService::FinishCleanUp()
{
    return staging_.FinishRemoving();
}

fs::path ZipRunService::JournalFor(const fs::path& stagingRoot)
{
    return stagingRoot.parent_path() / "temporary-archives";
}

Status ZipRunService::RemoveLeftovers()
{
    Status staging = staging_.RemoveLeftovers();
    const auto swept = journal_->SweepLeftovers();
    const std::error_code journalError = swept.code();
    if (swept)
        return staging;
    Failure failure = staging ? Failure{.kind = FailureKind::StagingCleanUpFailed} : staging.failure();
    failure.leftOut.push_back(
        {.kind = FailureKind::JournalUnusable, .code = journalError, .path = JournalFor(staging_.Root())});
    return failure;
}
