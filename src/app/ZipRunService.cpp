#include "ZipRunService.h"

#include "ArchiveName.h"
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

Status ZipRunService::CheckName(const QString& name) const
{
    const fs::path folder = staging_.FolderFor(ArchiveName::ToBytes(name));
    if (Running() && folder == runStaging_)
        return Failure{.kind = FailureKind::NameBeingZipped, .name = name};
    if (staging_.InUseElsewhere(folder))
        return Failure{.kind = FailureKind::NameUsedByOtherWindow, .name = name};
    std::error_code ec;
    if (fs::symlink_status(folder, ec).type() != fs::file_type::not_found && !staging_.IsOurs(folder))
        return Failure{.kind = FailureKind::NameTakenByForeignFolder, .path = staging_.Root(), .name = name};
    return {};
}

Status ZipRunService::PrepareStaging(const QString& name)
{
    const std::string bytes = ArchiveName::ToBytes(name);
    if (Running() && staging_.FolderFor(bytes) == runStaging_)
        return Failure{.kind = FailureKind::NameBeingZipped, .name = name};
    return staging_.Prepare(bytes);
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
    runStaging_ = staging_.FolderFor(ArchiveName::ToBytes(request.stagingName));
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
        stagingJob_ = std::make_unique<StagingJob>(std::move(request.files), runStaging_, stagingMethod_,
                                                   [wake] { wake->Notify(); });
    } catch (const std::system_error& error) {
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
        if (entry.measured) {
            zipper_->AddMeasuredFile(std::move(entry.file));
        } else if (zipper_->AddFile(entry.file.SourceFile, entry.file.AsFile, 8, -1, 0, {}, /*useLastModified=*/true)) {
            Failure failure{.kind = FailureKind::NotQueued,
                            .code = zipper_->SystemError(),
                            .path = archive_,
                            .other = entry.file.SourceFile,
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
    Failure failure{.kind = FailureKind::ArchiveNotWritten,
                    .code = zipper_->SystemError(),
                    .path = archive_,
                    .other = zipper_->CurrentFile().SourceFile,
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
    copyReport_ = {};
    // The files left out are named after the run's own message, or alone.
    if (!failure && !leftOut.empty())
        failure = Failure{.kind = FailureKind::FilesLeftOut, .path = archive_};
    if (failure)
        failure->leftOut = std::move(leftOut);
    emit Ended({end, std::move(failure)});
}

void ZipRunService::Stop()
{
    if (!Running())
        return;
    StopStaging();
    zipper_->StopRun();
    bytesBaseline_ = 0;
    notHandedOver_.clear();
    Failure stopped{.kind = FailureKind::RunStopped, .path = archive_};
    if (const Status removed = staging_.Remove(runStaging_); !removed)
        stopped.leftOut.push_back(removed.failure());
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

Status ZipRunService::Shutdown()
{
    // The staging thread and the run are stopped first, so nothing writes to
    // or reads from the staging folders any more and no Error comes at exit.
    StopStaging();
    zipper_->StopRun();
    return staging_.RemoveAll();
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
    std::error_code journalError;
    journal_->SweepLeftovers(journalError);
    if (!journalError)
        return staging;
    Failure failure = staging ? Failure{.kind = FailureKind::StagingCleanUpFailed} : staging.failure();
    failure.leftOut.push_back(
        {.kind = FailureKind::JournalUnusable, .code = journalError, .path = JournalFor(staging_.Root())});
    return failure;
}
