#pragma once
// Stages a run's files (StagingCopy) on a thread of its own, so the window
// keeps repainting and answering while thousands of files are measured, on
// however slow a drive. Every crossing between that thread and the window's
// is here: the thread is started and stopped (and joined) here, and it hands
// back through one channel, under one lock with one wake-up of the window's
// thread (an eventfd), each file as soon as it is staged and, as the last
// message, its report. The window's thread takes what waits with TakeNews.
#include "Result.h"
#include "StagingCopy.h"

#include <atomic>
#include <deque>
#include <filesystem>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>

class WorkerWakeUp;

class StagingJob {
public:
    // The staging thread's name as the system lists it (at most 15 bytes).
    static constexpr const char* kStagingThreadName = "vz-staging";

    // Why a job could not start; the code is the system's reason.
    enum class StartFault {
        NoWakeUp,  // no channel to wake the window's thread (the open-file limit)
        NoThread,  // the system refused the thread
    };
    // What waits for the window's thread: the files staged since the last
    // look, in byte order of their names, and the report once staging ended
    // (nothing comes after it).
    struct News {
        std::deque<StagedEntry> staged;
        std::optional<StagingCopyReport> report;
    };

    // Starts staging `sources` (`folder` empty: nothing is linked); `news`
    // runs on the calling thread's event loop whenever news waits there.
    static Result<std::unique_ptr<StagingJob>, StartFault> Start(SourceList sources, std::filesystem::path folder,
                                                                 StagingLinks links, std::function<void()> news);
    // Stops and joins the thread.
    ~StagingJob();
    StagingJob(const StagingJob&) = delete;
    StagingJob& operator=(const StagingJob&) = delete;

    // Asks the thread to stop (it looks between files) and waits until it
    // has; what it handed over stays for TakeNews, and `news` is not called
    // any more.
    void Stop();
    // Everything waiting, taken in one go.
    News TakeNews();
    // How many of the files handed over were dealt with so far, of how many.
    size_t SourcesDone() const { return sourcesDone_.load(std::memory_order_relaxed); }
    size_t Sources() const { return sources_; }

private:
    StagingJob(SourceList sources, std::function<void()> news);
    // On the staging thread: one file, then the report.
    void hand(StagedEntry&& entry, size_t sourcesDone);
    void report(StagingCopyReport&& report);

    const SourceList list_;  // read by the staging thread only
    const size_t sources_;
    std::function<void()> news_;
    bool stopped_ = false;  // the owner's thread only
    std::unique_ptr<WorkerWakeUp> wake_;
    std::mutex mutex_;
    // Guarded by mutex_; the staged files in a deque, so that growing it
    // never moves what it holds while the window's thread waits for the lock.
    News waiting_;
    bool reported_ = false;  // guarded by mutex_: the report was handed over (it is the last message)
    std::atomic<size_t> sourcesDone_{0};
    std::jthread thread_;
};
