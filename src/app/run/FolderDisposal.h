#pragma once
// Deletes staging folders that were set aside (renamed under the staging
// root) on a thread of its own, so that neither OK in the Output dialog, nor
// Escape, nor closing the window waits for thousands of names to be
// unlinked. Each folder's marker lock goes with it and is let go only once
// the folder is gone, so no other window takes it for a leftover meanwhile.
// Finish waits for every folder handed over: the program calls it before it
// exits. Where the system refuses the thread, or its work fails on the way,
// what is left is deleted on the caller's thread: a folder is never kept.
#include "Status.h"

#include <condition_variable>
#include <deque>
#include <filesystem>
#include <functional>
#include <mutex>
#include <optional>
#include <system_error>
#include <thread>
#include <vector>

class FolderDisposal {
public:
    // The thread's name as the system lists it.
    static constexpr const char* kThreadName = "vz-disposal";
    // Deletes one folder and closes its lock descriptor (-1: none) on the
    // way; runs on the disposal thread.
    using Deleter = std::function<Status(const std::filesystem::path&, int lockFd)>;

    explicit FolderDisposal(Deleter deleter);
    // Finishes as Finish does.
    ~FolderDisposal();
    FolderDisposal(const FolderDisposal&) = delete;
    FolderDisposal& operator=(const FolderDisposal&) = delete;

    // Deletes the folder, closing lockFd (-1: none) when the deleter says.
    void Dispose(std::filesystem::path folder, int lockFd);
    // Waits until every folder handed over is deleted and joins the thread;
    // the folders that could not be deleted are in the failure's leftOut.
    Status Finish();

private:
    struct Job {
        std::filesystem::path folder;
        int lockFd = -1;
    };
    void Work();
    // Something escaped the thread's body: the job it was on has failed.
    void Escaped(std::error_code reason);
    // Notes a job's failure; mutex_ held.
    void Ended(const Status& deleted);
    // Deletes the jobs still queued on this thread.
    void WorkHere();

    Deleter deleter_;
    std::mutex mutex_;
    std::condition_variable wanted_;
    std::deque<Job> jobs_;           // guarded by mutex_
    std::optional<Job> current_;     // guarded by mutex_: the job the thread is on
    std::vector<Failure> failures_;  // guarded by mutex_
    bool finishing_ = false;         // guarded by mutex_
    bool threadEnded_ = false;       // guarded by mutex_: its body ended early
    std::thread thread_;
};
