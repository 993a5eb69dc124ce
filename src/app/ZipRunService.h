#pragma once
// One zip run at a time, as a service the main window talks to. It owns the
// staging folders and the Zipper: Start copies the requested files into the
// staging folder, queues them and starts the Zipper; Staged, Started,
// Progress and Ended tell the window how it goes. It never touches a widget.
#include "RunOutcome.h"
#include "StagingArea.h"
#include "StagingCopy.h"
#include "Status.h"
#include "ZipRunRequest.h"
#include "Zipper.h"

#include <QObject>

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>

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

    // Whether a typed archive name may take a staging folder now: not the one
    // the run reads, not one another window owns, not a folder we did not make.
    Status CheckName(const QString& name) const;
    // Creates the staging folder of a checked name, empty (old copies go).
    Status PrepareStaging(const QString& name);

    bool Running() const;
    // A run under way must end before the next can start.
    Status CanStart() const;
    // Stages, queues and starts the run; Ended comes at once when it cannot start.
    void Start(const ZipRunRequest& request);
    // Stops a run at once, with no signal, and deletes every staging folder of this service.
    Status Shutdown();

signals:
    // The copies are in the staging folder (or could not be made).
    void Staged();
    // The archive is open and the run under way.
    void Started();
    void Progress(int percent);
    void Ended(const RunOutcome& outcome);

private:
    void QueueAndZip();
    std::optional<Failure> QueueStaged();
    Failure RunFailure() const;
    void End(RunOutcome::End end, std::optional<Failure> failure);
    void OnProgress();
    void OnComplete();
    void OnError();

    std::unique_ptr<Zipper> zipper_;
    StagingArea staging_;
    std::filesystem::path archive_;     // the archive of the run under way or last started
    std::filesystem::path runStaging_;  // the staging folder that run reads
    int64_t bytesBaseline_ = 0;         // BytesToZip left over from a failed queuing
    StagingCopyReport copyReport_;
};
