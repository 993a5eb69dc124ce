#include "ZipRunService.h"

#include "DriveRules.h"
#include "TemporaryArchiveJournal.h"
#include "WorkerWakeUp.h"
#include "ZipWriterError.h"
#include "Zipper.h"

#include <algorithm>
#include <chrono>
#include <iterator>
#include <system_error>
#include <cmath>
#include <set>
#include <utility>

namespace fs = std::filesystem;

ZipRunService::ZipRunService(fs::path stagingRoot, std::unique_ptr<Zipper> zipper, QObject* parent)
    : QObject(parent), zipper_(zipper ? std::move(zipper) : std::make_unique<Zipper>()),
      staging_(std::move(stagingRoot)), journal_(std::make_shared<TemporaryArchiveJournal>(JournalFor(staging_.Root())))
{
    // Every temporary archive is recorded, so a killed process's can be found again.
    zipper_->SetTemporaryArchiveJournal(journal_);
    connect(zipper_.get(), &Zipper::Progress, this, &ZipRunService::OnProgress);
    connect(zipper_.get(), &Zipper::Complete, this, &ZipRunService::OnComplete);
    connect(zipper_.get(), &Zipper::Error, this, &ZipRunService::OnError);
}

ZipRunService::~ZipRunService()
{
    // Normally the window's shutdown has done this; a service destroyed
    // without it must not leave copies of the user's files behind either.
    Shutdown();
}

int ZipRunService::Percent(int64_t zipped, int64_t total)
{
    if (total <= 0)
        return 100;
    // nearbyint follows the default rounding mode: to nearest, ties to even.
    return static_cast<int>(std::nearbyint(static_cast<double>(zipped) * 100.0 / static_cast<double>(total)));
}

bool ZipRunService::Running() const
{
    return stagingJob_ || !toQueue_.empty() || zipper_->Zipping();
}

Status ZipRunService::CanStart() const
{
    if (Running())
        return Failure{.kind = FailureKind::StillWriting, .path = archive_};
    return {};
}

void ZipRunService::Start(ZipRunRequest request)
{
    if (const Status ready = CanStart(); !ready) {
        emit Ended({RunOutcome::End::NotStarted, ready.failure()});
        return;
    }
    archive_ = request.archive;
    notHandedOver_ = std::move(request.leftOut);
    // Nothing from an earlier queuing that failed may ride along: its entries
    // are dropped and its byte count set aside for the percentage.
    zipper_->ClearFiles();
    bytesBaseline_ = zipper_->BytesToZip();
    queuedThisRun_ = 0;
    lastPercent_ = 0;
    linkedFrom_.clear();
    // Without a folder of its own (the cache full or read-only) the run reads
    // every file where it lies.
    runStaging_.clear();
    if (stagingLinks_.fromBytes != StagingLinks::None().fromBytes)
        if (const auto made = staging_.MakeRunFolder())
            runStaging_ = made.value();
    // Made for each run until one works: without it the staged files would
    // never be collected, so the run ends here with the system's reason.
    if (!stagingWake_ || stagingWake_->Error())
        stagingWake_ = std::make_unique<WorkerWakeUp>([this] { OnStagingNews(); });
    if (stagingWake_->Error()) {
        NotStarted(stagingWake_->Error());
        return;
    }
    // The staging thread only writes to an eventfd: the result itself comes
    // through the job's future.
    WorkerWakeUp* wake = stagingWake_.get();
    try {
        stagingJob_ = std::make_unique<StagingJob>(std::move(request.files), runStaging_, stagingLinks_,
                                                   [wake] { wake->Notify(); });
    } catch (const std::system_error& error) {
        ReleaseRunStaging();
        NotStarted(error.code());
    }
}

void ZipRunService::NotStarted(std::error_code reason)
{
    emit Ended({RunOutcome::End::NotStarted, Failure{.kind = FailureKind::RunNotStarted, .code = reason, .path = archive_}});
}

void ZipRunService::OnStagingNews()
{
    // A wake-up after the run ended (or from a stopped job) finds nothing to do.
    if (!stagingJob_ && toQueue_.empty())
        return;
    if (stagingJob_) {
        std::deque<StagedEntry> staged = stagingJob_->TakeStaged();
        if (toQueue_.empty())
            toQueue_.swap(staged);
        else
            std::move(staged.begin(), staged.end(), std::back_inserter(toQueue_));
    }
    if (!QueueSome(jobId_) || !stagingJob_ || !stagingJob_->Done())
        return;
    StagingCopyReport report = stagingJob_->TakeResult();
    // What was staged after the last look is queued with the rest.
    for (StagedEntry& entry : stagingJob_->TakeStaged())
        toQueue_.push_back(std::move(entry));
    stagingJob_.reset();
    copyReport_ = std::move(report);
    emit Staged();
    // The percentage was held short of whole while files were being staged:
    // it catches up now, even when no more Progress is to come.
    if (const int percent = Percent(zipper_->BytesZipped(), zipper_->BytesToZip() - bytesBaseline_);
        zipper_->Zipping() && percent > lastPercent_) {
        lastPercent_ = percent;
        emit Progress(percent);
    }
    if (copyReport_.copied == 0) {
        End(RunOutcome::End::NotStarted, Failure{.kind = FailureKind::NothingCopied, .path = archive_});
        return;
    }
    QueueSome(jobId_);
}

bool ZipRunService::QueueSome(uint64_t job)
{
    if (job != jobId_)
        return false;
    // Queueing costs no system call, but a million files would still hold
    // the window's thread for a while, so they go in slices.
    constexpr auto kSlice = std::chrono::milliseconds(8);
    const auto until = std::chrono::steady_clock::now() + kSlice;
    size_t queued = 0;
    while (!toQueue_.empty()) {
        StagedEntry entry = std::move(toQueue_.front());
        toQueue_.pop_front();
        ++queued;
        ++queuedThisRun_;
        if (!entry.original.empty())
            linkedFrom_.emplace(entry.file.SourceFile, entry.original);
        if (entry.measured) {
            zipper_->AddMeasuredFile(std::move(entry.file));
        } else if (zipper_->AddFile(entry.file.SourceFile, entry.file.AsFile, 8, -1, 0, {}, /*useLastModified=*/true)) {
            Failure failure{.kind = FailureKind::NotQueued,
                            .code = zipper_->SystemError(),
                            .path = archive_,
                            .other = entry.original.empty() ? entry.file.SourceFile : entry.original,
                            .step = zipper_->FailedStep()};
            End(RunOutcome::End::NotStarted, std::move(failure));
            return false;
        }
        if (queued % 64 == 0 && std::chrono::steady_clock::now() >= until) {
            QMetaObject::invokeMethod(
                this,
                [this, job] {
                    if (job == jobId_)
                        OnStagingNews();
                },
                Qt::QueuedConnection);
            return false;
        }
    }
    // Until the last file is staged, the run waits for more when its queue runs dry.
    zipper_->SetMoreToCome(stagingJob_ != nullptr);
    // The archive is opened with the first staged file, or once staging has
    // ended with only hidden files staged (an empty archive, as ever).
    if (zipper_->Zipping() || (stagingJob_ && zipper_->BytesToZip() == bytesBaseline_ && queuedThisRun_ == 0))
        return true;
    if (zipper_->Zip(archive_)) {
        End(RunOutcome::End::Failed, RunFailure());
        return false;
    }
    emit Started();
    return true;
}

void ZipRunService::StopStaging()
{
    ++jobId_;
    if (stagingJob_) {
        stagingJob_->Stop();
        stagingJob_.reset();
    }
    StopQueuing();
    zipper_->SetMoreToCome(false);
    copyReport_ = {};
}

void ZipRunService::StopQueuing()
{
    ++jobId_;
    if (toQueue_.empty())
        return;
    toQueue_.clear();
    zipper_->ClearFiles();
}

Failure ZipRunService::RunFailure() const
{
    const std::string& read = zipper_->CurrentFile().SourceFile;
    const auto linked = linkedFrom_.find(read);
    Failure failure{.kind = FailureKind::ArchiveNotWritten,
                    .code = zipper_->SystemError(),
                    .path = archive_,
                    .other = linked != linkedFrom_.end() ? linked->second : read,
                    .entry = zipper_->CurrentFile().AsFile,
                    .step = zipper_->FailedStep()};
    if (failure.step == ZipFailure::ProveZip) {
        failure.proof = zipper_->ProofFailure();
        failure.entry = failure.proof.entry;
    }
    // A writer failure without a system reason still shows the writer's code;
    // a source that changed during the run has no such code.
    if (!failure.code && zipper_->Result() != 0 && failure.step != ZipFailure::ReadFile)
        failure.code = std::error_code(zipper_->Result(), ZipWriterCategory());
    // A file too large for the archive's drive is told by that drive's limit.
    if (failure.code == std::errc::file_too_large)
        failure.size = DriveRules::LargestFile(archive_.parent_path());
    return failure;
}

void ZipRunService::End(RunOutcome::End end, std::optional<Failure> failure)
{
    // A run that ends while its files are still being staged (it failed, or
    // was canceled) stops the staging; what it left out so far is named.
    if (stagingJob_) {
        stagingJob_->Stop();
        StagingCopyReport partial = stagingJob_->TakeResult();
        stagingJob_.reset();
        copyReport_.failed.insert(copyReport_.failed.end(), std::make_move_iterator(partial.failed.begin()),
                                  std::make_move_iterator(partial.failed.end()));
    }
    StopQueuing();
    zipper_->SetMoreToCome(false);
    // A file that could not be queued ends a run already writing: no archive.
    if (zipper_->Zipping())
        zipper_->StopRun();
    // Every checked file that did not go in, once each (a file handed over by
    // two presses of Start is named once).
    std::vector<Failure> leftOut;
    std::set<std::pair<FailureKind, fs::path>> named;
    for (std::vector<Failure>* list : {&notHandedOver_, &copyReport_.failed})
        for (Failure& file : *list)
            if (named.emplace(file.kind, file.path).second)
                leftOut.push_back(std::move(file));
    notHandedOver_.clear();
    // Notes on the dates the archive keeps matter only when there is an archive.
    std::vector<Failure> notes;
    if (end == RunOutcome::End::Completed)
        notes = std::move(copyReport_.notes);
    copyReport_ = {};
    ReleaseRunStaging();
    // The files left out are named after the run's own message, or alone.
    if (!failure && !leftOut.empty())
        failure = Failure{.kind = FailureKind::FilesLeftOut, .path = archive_};
    else if (!failure && !notes.empty())
        failure = Failure{.kind = FailureKind::DatesOutsideZip, .path = archive_};
    if (failure) {
        failure->leftOut = std::move(leftOut);
        failure->notes = std::move(notes);
    }
    emit Ended({end, std::move(failure)});
}

void ZipRunService::Stop()
{
    if (!Running())
        return;
    // A run whose archive took its name before the stop ends as completed,
    // naming what it left out.
    StagingCopyReport report = std::move(copyReport_);
    StopStaging();
    const Zipper::Stopped zipped = zipper_->StopRun();
    bytesBaseline_ = 0;
    if (zipped == Zipper::Stopped::Written) {
        copyReport_ = std::move(report);
        End(RunOutcome::End::Completed, Failure{.kind = FailureKind::RunStoppedTooLate, .path = archive_});
        return;
    }
    notHandedOver_.clear();
    // The run's copies go on the disposal thread, as on Output and closing.
    ReleaseRunStaging();
    // Anything under the archive's name now is from before the run.
    std::error_code ec;
    const bool older = fs::exists(fs::symlink_status(archive_, ec));
    Failure stopped{.kind = older ? FailureKind::RunStoppedOlderKept : FailureKind::RunStopped, .path = archive_};
    emit Ended({RunOutcome::End::Stopped, std::move(stopped)});
}

void ZipRunService::OnProgress()
{
    int percent = Percent(zipper_->BytesZipped(), zipper_->BytesToZip() - bytesBaseline_);
    // While files are still being staged, the bytes to zip are not all known
    // yet: the share of files staged scales the figure, which never goes back.
    if (stagingJob_ && stagingJob_->Sources() > 0)
        percent = std::min<int>(99, static_cast<int>(static_cast<int64_t>(percent) *
                                                     static_cast<int64_t>(stagingJob_->SourcesDone()) /
                                                     static_cast<int64_t>(stagingJob_->Sources())));
    lastPercent_ = std::max(lastPercent_, percent);
    emit Progress(lastPercent_);
}

void ZipRunService::OnComplete()
{
    bytesBaseline_ = 0;
    End(RunOutcome::End::Completed, std::nullopt);
}

void ZipRunService::OnError()
{
    bytesBaseline_ = 0;
    End(RunOutcome::End::Failed, RunFailure());
}

void ZipRunService::ReleaseRunStaging()
{
    // Every reader of the folder is closed by now: the Zipper's run is over.
    if (!runStaging_.empty())
        staging_.Release(runStaging_);
    runStaging_.clear();
    linkedFrom_.clear();
}

void ZipRunService::Shutdown()
{
    // The staging thread and the run are stopped first, so nothing writes to
    // or reads from the staging folders any more and no Error comes at exit.
    StopStaging();
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
