#pragma once
// One zip run, from Start to its Ended: made for one request and gone after
// it has ended, it owns everything of that run. Its StagingJob measures the
// files (and links the large ones into a staging folder of the run's own)
// on a thread of its own; the staged files wait in the run's backlog and go
// into the Zipper a slice at a time, the window answering in between; the
// archive opens with the first file staged. It holds the run's share of the
// percentage (RunPercentage) and what it has to tell (RunReport), and ends
// with one Ended, after which nothing of it runs: the staging thread is
// joined, the slices stopped, the Zipper's signals no longer reach it and
// its staging folder is on the disposal thread.
#include "RunPercentage.h"
#include "RunReport.h"
#include "StagingCopy.h"
#include "ZipRunRequest.h"

#include <QObject>
#include <QTimer>

#include <deque>
#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <string>

class StagingArea;
class StagingJob;
class Zipper;

class ZipRun : public QObject {
    Q_OBJECT
public:
    // The Zipper and the staging area outlive the run; `zipper` is idle.
    ZipRun(ZipRunRequest request, Zipper& zipper, StagingArea& staging, StagingLinks links, QObject* parent = nullptr);
    // Touches nothing but what the run owns (its owner may be half gone).
    ~ZipRun() override;

    const std::filesystem::path& Archive() const { return archive_; }

    // Starts staging and returns; Ended comes at once when the run cannot start.
    void Begin();
    // The user's stop: Ended(Stopped) with no archive, an archive of that
    // name from before left as it was; Ended(Completed), told that the stop
    // came too late, when the archive was taking its name already.
    void Stop();
    // Ends the run at once with no signal.
    void Abandon();

signals:
    void Staged();
    void Started();
    void Progress(int percent);
    void Ended(const RunOutcome& outcome);

private:
    // The staging thread has news, or the next slice of the backlog is due.
    void Continue();
    // Queues the backlog a slice at a time and opens the archive when it is
    // not open yet; false when the run ended or a later slice goes on.
    bool Feed();
    bool Staging() const { return !stagingOver_; }
    void OnProgress();
    void OnComplete();
    void OnError();
    Failure WriteFailure() const;
    // Stops what still runs (files still being staged are named as left out).
    void StopStaging(bool nameLeftOut);
    // Nothing of the run runs any more and its staging folder goes.
    void Finish();
    void End(RunOutcome::End end, std::optional<Failure> failure);
    void Over(const RunOutcome& outcome);

    Zipper& zipper_;
    StagingArea& staging_;
    const StagingLinks links_;
    SourceList files_;  // until staging takes them
    const std::filesystem::path archive_;
    std::filesystem::path folder_;  // the run's staging folder (empty: none)
    std::unique_ptr<StagingJob> job_;
    std::optional<StagingCopyReport> endReport_;  // staging's report, taken once its files are queued
    bool stagingOver_ = false;
    // Staged files not queued yet (a deque: a backlog of a million grows
    // without moving what it holds).
    std::deque<StagedEntry> backlog_;
    size_t queued_ = 0;
    QTimer nextSlice_;
    // Staged links by the user's file they stand for, so that a failure names the user's file.
    std::map<std::string, std::string> linkedFrom_;
    RunPercentage percent_;
    RunReport report_;
    bool over_ = false;  // Ended was emitted, or the run abandoned
};
