#pragma once
// Stages a run's files (StagingCopy) on a thread of its own, so the window
// keeps repainting and answering while thousands of files are measured, on
// however slow a drive. Each staged file is handed over as soon as it is staged (TakeStaged),
// so the run can zip while the rest is staged; the report comes at the end
// through a future. The thread shares nothing with its owner but those two;
// it calls `news` on its own thread when files wait where there were none,
// and once more when the report is ready (the owner wakes its own thread there).
#include "StagingCopy.h"

#include <atomic>
#include <deque>
#include <filesystem>
#include <functional>
#include <future>
#include <mutex>
#include <thread>
#include <vector>

class StagingJob {
public:
    // The staging thread's name as the system lists it (at most 15 bytes).
    static constexpr const char* kStagingThreadName = "vz-staging";

    // Throws std::system_error when the system refuses the thread.
    // `folder` empty: nothing is linked.
    StagingJob(SourceList sources, std::filesystem::path folder, StagingLinks links, std::function<void()> news);
    // Stops and joins the thread.
    ~StagingJob();
    StagingJob(const StagingJob&) = delete;
    StagingJob& operator=(const StagingJob&) = delete;

    // Asks the thread to stop (it looks between files) and waits until it has.
    void Stop();
    // True once the report is ready.
    bool Done() const;
    // The files staged since the last call, in byte order of their names.
    std::deque<StagedEntry> TakeStaged();
    // How many of the files handed over were dealt with so far, of how many.
    size_t SourcesDone() const { return sourcesDone_.load(std::memory_order_relaxed); }
    size_t Sources() const { return sources_; }
    // The report; waits for the thread if it is not ready yet. Files staged
    // and not taken yet stay for TakeStaged.
    StagingCopyReport TakeResult();

private:
    void hand(StagedEntry&& entry, size_t sourcesDone);
    // Hands over the report, once; on the staging thread.
    void report(StagingCopyReport&& report);

    const SourceList list_;  // read by the staging thread only
    const size_t sources_;
    std::function<void()> news_;
    std::mutex mutex_;
    // Guarded by mutex_; a deque, so that growing it never moves what it
    // holds while the window's thread waits for the lock.
    std::deque<StagedEntry> staged_;
    std::atomic<size_t> sourcesDone_{0};
    std::promise<StagingCopyReport> promise_;
    bool reported_ = false;  // staging thread only
    std::future<StagingCopyReport> result_;
    std::jthread thread_;
};
