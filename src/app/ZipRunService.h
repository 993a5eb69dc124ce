#pragma once
// One zip run at a time, as a service the main window talks to. It owns the
// staging folders and the Zipper (both used on the window's thread only):
// Start has a StagingJob measure the requested files (and link the large
// ones into a staging folder of the run's own) on a thread of its own; the
// Zipper starts with the first file staged and zips while the rest is staged. Started (the archive is open), Staged (every
// file is staged), Progress and Ended tell the window how it goes; Staged
// may come before or after Started. It never touches a widget.
#include "RunOutcome.h"
#include "StagingArea.h"
#include "StagingCopy.h"
#include "StagingJob.h"
#include "Status.h"
#include "ZipRunRequest.h"
#include "Zipper.h"

#include <QObject>

#include <cstdint>
#include <deque>
#include <filesystem>
#include <map>
#include <memory>
#include <optional>

class TemporaryArchiveJournal;
class WorkerWakeUp;

class ZipRunService : public QObject {
    Q_OBJECT
public:
    // The Zipper is the real one unless a caller hands in one it prepared.
    explicit ZipRunService(std::filesystem::path stagingRoot, std::unique_ptr<Zipper> zipper = nullptr,
                           QObject* parent = nullptr);
    // Shuts down as Shutdown does.
    ~ZipRunService() override;

    // zipped x 100 / total rounded to the nearest integer, ties to even.
    static int Percent(int64_t zipped, int64_t total);

    // Staging or zipping.
    bool Running() const;
    // A run under way must end before the next can start.
    Status CanStart() const;
    // Starts staging the files and returns; the queue is built and the
    // Zipper started once they are staged. Ended comes at once when the run
    // cannot start.
    void Start(ZipRunRequest request);
    // The user's stop (Escape): a run under way, staging or zipping, ends at
    // once with Ended(Stopped); no archive is written, an archive of that
    // name from before stays, and the run's staging folder is deleted in the
    // background. A run whose archive was being renamed already ends as
    // Completed, told that the stop came too late. The service is ready for
    // the next run. Without a run it does nothing.
    void Stop();
    // Stops a run at once, staging or zipping, with no signal, and has every
    // staging folder of this service deleted in the background.
    void Shutdown();
    // Waits until the staging folders of ended runs are deleted (their
    // deleting goes on in the background); the program calls it before it
    // exits. One that could not be deleted is named in the failure; it keeps
    // its marker for the next start-up's RemoveLeftovers.
    Status FinishCleanUp();
    // Deletes what an earlier process of the program left behind when it was
    // killed: staging folders no running window holds, and the temporary
    // archives that the journal beside the staging root names and no live
    // process holds. Nothing else is ever looked at.
    Status RemoveLeftovers();
    // The journal of temporary archives for a staging root: beside it.
    static std::filesystem::path JournalFor(const std::filesystem::path& stagingRoot);

    // For tests and benchmarks: which files are linked into the staging folder.
    void SetStagingLinks(StagingLinks links) { stagingLinks_ = links; }

signals:
    // The files are in the staging folder (or could not be put there).
    void Staged();
    // The archive is open and the run under way.
    void Started();
    void Progress(int percent);
    void Ended(const RunOutcome& outcome);

private:
    // The staging thread has staged more files, or has ended.
    void OnStagingNews();
    // Queues the staged files a slice at a time, the window answering in
    // between, and starts the Zipper when it is not running yet; false when
    // the run ended or a later slice goes on.
    bool QueueSome(uint64_t job);
    // Ended for a run whose threads could not be started or woken.
    void NotStarted(std::error_code reason);
    void StopStaging();
    void StopQueuing();
    // The run's staging folder goes, in the background.
    void ReleaseRunStaging();
    Failure RunFailure() const;
    // `notes` (a staging folder that stayed) come after the files left out.
    void End(RunOutcome::End end, std::optional<Failure> failure);
    void OnProgress();
    void OnComplete();
    void OnError();

    std::unique_ptr<Zipper> zipper_;
    StagingArea staging_;
    std::shared_ptr<TemporaryArchiveJournal> journal_;
    std::unique_ptr<WorkerWakeUp> stagingWake_;  // the staging thread's way to wake this one
    std::filesystem::path archive_;     // the archive of the run under way or last started
    std::filesystem::path runStaging_;  // the staging folder that run reads (empty: none)
    // Staged links the run reads, by the user's file they stand for, so that
    // a failure names the user's file.
    std::map<std::string, std::string> linkedFrom_;
    int64_t bytesBaseline_ = 0;         // BytesToZip left over from a failed queuing
    StagingCopyReport copyReport_;
    std::vector<Failure> notHandedOver_;  // checked files the window left out of the run's request
    std::unique_ptr<StagingJob> stagingJob_;  // while the files are being staged
    uint64_t jobId_ = 0;                       // tells a stale queuing slice from the current run's
    // Staged files while they are being queued (a deque: a backlog of a
    // million grows without moving what it holds, on the window's thread).
    std::deque<StagedEntry> toQueue_;
    size_t queuedThisRun_ = 0;
    int lastPercent_ = 0;  // Progress never goes back within a run
    StagingLinks stagingLinks_;
};
