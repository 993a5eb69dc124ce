#include "ZipRun.h"

#include "DriveRules.h"
#include "StagingArea.h"
#include "StagingJob.h"
#include "ZipWriterError.h"
#include "Zipper.h"

#include <chrono>
#include <iterator>
#include <system_error>
#include <utility>

namespace fs = std::filesystem;

ZipRun::ZipRun(ZipRunRequest request, Zipper& zipper, StagingArea& staging, StagingLinks links, QObject* parent)
    : QObject(parent), zipper_(zipper), staging_(staging), links_(links), files_(std::move(request.files)),
      archive_(std::move(request.archive)), report_(std::move(request.leftOut))
{
    nextSlice_.setSingleShot(true);
    nextSlice_.setInterval(0);
    connect(&nextSlice_, &QTimer::timeout, this, &ZipRun::Continue);
}

ZipRun::~ZipRun() = default;

void ZipRun::Begin()
{
    // Nothing from an earlier queuing that failed may ride along: its entries
    // are dropped and its bytes left out of the percentage.
    zipper_.ClearFiles();
    percent_ = RunPercentage(zipper_.BytesToZip());
    // Without a folder of its own (the cache full or read-only) the run reads
    // every file where it lies.
    if (links_.fromBytes != StagingLinks::None().fromBytes)
        if (auto made = staging_.MakeRunFolder())
            folder_ = std::move(made.value());
    auto job = StagingJob::Start(std::move(files_), folder_, links_, [this] { Continue(); });
    if (!job) {
        stagingOver_ = true;
        Finish();
        Over({RunOutcome::End::NotStarted, Failure{.kind = FailureKind::RunNotStarted, .code = job.code(), .path = archive_}});
        return;
    }
    job_ = std::move(job.value());
    connect(&zipper_, &Zipper::Progress, this, &ZipRun::OnProgress);
    connect(&zipper_, &Zipper::Complete, this, &ZipRun::OnComplete);
    connect(&zipper_, &Zipper::Error, this, &ZipRun::OnError);
}

void ZipRun::Continue()
{
    if (Staging() && !endReport_) {
        StagingJob::News news = job_->TakeNews();
        if (backlog_.empty())
            backlog_.swap(news.staged);
        else
            std::move(news.staged.begin(), news.staged.end(), std::back_inserter(backlog_));
        endReport_ = std::move(news.report);
    }
    if (!Feed() || !endReport_)
        return;
    // Staging has ended, and everything it staged is queued.
    StagingCopyReport report = std::move(*endReport_);
    endReport_.reset();
    stagingOver_ = true;
    job_->Stop();  // the thread has ended; joined here, it brings no more news
    const bool nothing = report.copied == 0;
    report_.Staged(std::move(report));
    emit Staged();
    // The percentage was held short of whole while files were being staged:
    // it catches up now, even when no more Progress is to come.
    if (over_)
        return;
    if (zipper_.Zipping())
        if (const std::optional<int> percent = percent_.CatchUp(zipper_.BytesZipped(), zipper_.BytesToZip())) {
            emit Progress(*percent);
            if (over_)
                return;
        }
    if (nothing) {
        End(RunOutcome::End::NotStarted, Failure{.kind = FailureKind::NothingCopied, .path = archive_});
        return;
    }
    Feed();
}

bool ZipRun::Feed()
{
    // Queueing costs no system call, but a million files would still hold
    // the window's thread for a while, so they go in slices.
    constexpr auto kSlice = std::chrono::milliseconds(8);
    const auto until = std::chrono::steady_clock::now() + kSlice;
    size_t queued = 0;
    while (!backlog_.empty()) {
        StagedEntry entry = std::move(backlog_.front());
        backlog_.pop_front();
        ++queued;
        ++queued_;
        if (!entry.original.empty())
            linkedFrom_.emplace(entry.file.SourceFile, entry.original);
        if (entry.measured) {
            zipper_.AddMeasuredFile(std::move(entry.file));
        } else if (zipper_.AddFile(entry.file.SourceFile, entry.file.AsFile, 8, -1, 0, {}, /*useLastModified=*/true)) {
            End(RunOutcome::End::NotStarted,
                Failure{.kind = FailureKind::NotQueued,
                        .code = zipper_.SystemError(),
                        .path = archive_,
                        .other = entry.original.empty() ? entry.file.SourceFile : entry.original,
                        .step = zipper_.FailedStep()});
            return false;
        }
        if (queued % 64 == 0 && std::chrono::steady_clock::now() >= until) {
            nextSlice_.start();
            return false;
        }
    }
    // Until the last file is staged, the run waits for more when its queue runs dry.
    zipper_.SetMoreToCome(Staging());
    // The archive is opened with the first staged file, or once staging has
    // ended with only hidden files staged (an empty archive, as ever).
    if (zipper_.Zipping() || (Staging() && queued_ == 0))
        return true;
    if (zipper_.Zip(archive_)) {
        End(RunOutcome::End::Failed, WriteFailure());
        return false;
    }
    emit Started();
    return !over_;
}

void ZipRun::OnProgress()
{
    const bool staging = Staging() && job_->Sources() > 0;
    emit Progress(percent_.Next(zipper_.BytesZipped(), zipper_.BytesToZip(), staging ? job_->SourcesDone() : 0,
                                staging ? job_->Sources() : 0));
}

void ZipRun::OnComplete()
{
    End(RunOutcome::End::Completed, std::nullopt);
}

void ZipRun::OnError()
{
    End(RunOutcome::End::Failed, WriteFailure());
}

Failure ZipRun::WriteFailure() const
{
    const std::string& read = zipper_.CurrentFile().SourceFile;
    const auto linked = linkedFrom_.find(read);
    Failure failure{.kind = FailureKind::ArchiveNotWritten,
                    .code = zipper_.SystemError(),
                    .path = archive_,
                    .other = linked != linkedFrom_.end() ? linked->second : read,
                    .entry = zipper_.CurrentFile().AsFile,
                    .step = zipper_.FailedStep()};
    if (failure.step == ZipFailure::ProveZip) {
        failure.proof = zipper_.ProofFailure();
        failure.entry = failure.proof.entry;
    }
    // A writer failure without a system reason still shows the writer's code;
    // a source that changed during the run has no such code.
    if (!failure.code && zipper_.Result() != 0 && failure.step != ZipFailure::ReadFile)
        failure.code = std::error_code(zipper_.Result(), ZipWriterCategory());
    // A file too large for the archive's drive is told by that drive's limit.
    if (failure.code == std::errc::file_too_large)
        failure.size = DriveRules::LargestFile(archive_.parent_path());
    return failure;
}

void ZipRun::StopStaging(bool nameLeftOut)
{
    if (stagingOver_)
        return;
    stagingOver_ = true;
    if (!job_)
        return;
    // Stopped and joined, the thread has handed over its report: what it
    // left out so far.
    job_->Stop();
    std::optional<StagingCopyReport> partial = std::move(endReport_);
    if (!partial)
        partial = job_->TakeNews().report;
    if (partial && nameLeftOut)
        report_.LeftOut(std::move(partial->failed));
}

void ZipRun::Finish()
{
    over_ = true;
    nextSlice_.stop();
    // A stopped job brings no more news.
    if (job_)
        job_->Stop();
    if (!backlog_.empty()) {
        backlog_.clear();
        zipper_.ClearFiles();
    }
    zipper_.SetMoreToCome(false);
    // A file that could not be queued ends a run already writing: no archive.
    if (zipper_.Zipping())
        zipper_.StopRun();
    QObject::disconnect(&zipper_, nullptr, this, nullptr);
    // Every reader of the folder is closed by now: the Zipper's run is over.
    if (!folder_.empty())
        staging_.Release(folder_);
    folder_.clear();
}

void ZipRun::End(RunOutcome::End end, std::optional<Failure> failure)
{
    // A run that ends while its files are still being staged (it failed)
    // stops the staging; what it left out so far is named.
    StopStaging(/*nameLeftOut=*/true);
    Finish();
    Over(std::move(report_).Outcome(end, std::move(failure), archive_));
}

void ZipRun::Over(const RunOutcome& outcome)
{
    emit Ended(outcome);
}

void ZipRun::Stop()
{
    StopStaging(/*nameLeftOut=*/false);
    if (!backlog_.empty()) {
        backlog_.clear();
        zipper_.ClearFiles();
    }
    zipper_.SetMoreToCome(false);
    // A run whose archive took its name before the stop ends as completed,
    // naming what it left out.
    if (zipper_.StopRun() == Zipper::Stopped::Written) {
        End(RunOutcome::End::Completed, Failure{.kind = FailureKind::RunStoppedTooLate, .path = archive_});
        return;
    }
    // The run's staging folder goes on the disposal thread, as on Output and closing.
    Finish();
    // Anything under the archive's name now is from before the run.
    std::error_code ec;
    const bool older = fs::exists(fs::symlink_status(archive_, ec));
    Over({RunOutcome::End::Stopped,
          Failure{.kind = older ? FailureKind::RunStoppedOlderKept : FailureKind::RunStopped, .path = archive_}});
}

void ZipRun::Abandon()
{
    StopStaging(/*nameLeftOut=*/false);
    Finish();
}
