#pragma once
// One zip run at a time, as a service the main window talks to. It lives as
// long as the window and owns what outlives a run: the staging folders
// (StagingArea), the Zipper and its journal of temporary archives. Each
// Start makes a ZipRun that owns everything of that run; the service hands
// on its Staged (every file is staged), Started (the archive is open),
// Progress and Ended, and lets it go once it has ended. Staged may come
// before or after Started. It never touches a widget.
#include "RunOutcome.h"
#include "StagingArea.h"
#include "StagingCopy.h"
#include "Status.h"
#include "ZipRunRequest.h"
#include "Zipper.h"

#include <QObject>

#include <filesystem>
#include <memory>

class TemporaryArchiveJournal;
class ZipRun;

class ZipRunService : public QObject {
    Q_OBJECT
public:
    // The Zipper is the real one unless a caller hands in one it prepared.
    explicit ZipRunService(std::filesystem::path stagingRoot, std::unique_ptr<Zipper> zipper = nullptr,
                           QObject* parent = nullptr);
    // Shuts down as Shutdown does.
    ~ZipRunService() override;

    // Staging or zipping.
    bool Running() const { return run_ != nullptr; }
    // A run under way must end before the next can start.
    Status CanStart() const;
    // Starts staging the files and returns; the files are queued in the
    // Zipper as they are staged. Ended comes at once when the run cannot start.
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
    // The run has ended: it goes once its own code has returned.
    void Let(ZipRun* run);

    std::unique_ptr<Zipper> zipper_;
    StagingArea staging_;
    std::shared_ptr<TemporaryArchiveJournal> journal_;
    StagingLinks stagingLinks_;
    ZipRun* run_ = nullptr;  // the run under way, a child of this object
};
