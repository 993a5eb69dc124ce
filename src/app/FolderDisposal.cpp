#include "FolderDisposal.h"

#include <new>
#include <pthread.h>

FolderDisposal::FolderDisposal(Deleter deleter) : deleter_(std::move(deleter)) {}

FolderDisposal::~FolderDisposal()
{
    Finish();
}

void FolderDisposal::Dispose(std::filesystem::path folder, int lockFd)
{
    {
        std::lock_guard lock(mutex_);
        jobs_.push_back({std::move(folder), lockFd});
        finishing_ = false;
    }
    if (!thread_.joinable())
        thread_ = std::thread([this] {
            // Named so that a process listing (top -H) and the tests can tell it apart.
            pthread_setname_np(pthread_self(), kThreadName);
            Work();
        });
    wanted_.notify_one();
}

void FolderDisposal::Work()
{
    std::unique_lock lock(mutex_);
    for (;;) {
        wanted_.wait(lock, [this] { return !jobs_.empty() || finishing_; });
        if (jobs_.empty())
            return;  // finishing, and nothing left
        Job job = std::move(jobs_.front());
        jobs_.pop_front();
        lock.unlock();
        Status deleted;
        try {
            deleted = deleter_(job.folder, job.lockFd);
        } catch (const std::bad_alloc&) {
            // Nothing may leave a thread by exception.
            deleted = Failure{.kind = FailureKind::StagingNotDeleted,
                              .code = std::make_error_code(std::errc::not_enough_memory),
                              .path = job.folder};
            // The descriptor may be closed already: left open rather than closed twice.
        }
        lock.lock();
        if (!deleted)
            failures_.push_back(deleted.failure());
    }
}

Status FolderDisposal::Finish()
{
    if (thread_.joinable()) {
        {
            std::lock_guard lock(mutex_);
            finishing_ = true;
        }
        wanted_.notify_one();
        thread_.join();
    }
    Failure kept{.kind = FailureKind::StagingCleanUpFailed};
    {
        std::lock_guard lock(mutex_);
        kept.leftOut = std::move(failures_);
        failures_.clear();
    }
    if (kept.leftOut.empty())
        return {};
    return kept;
}
