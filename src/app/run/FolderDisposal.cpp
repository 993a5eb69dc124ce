#include "FolderDisposal.h"

#include "ThreadStart.h"

FolderDisposal::FolderDisposal(Deleter deleter) : deleter_(std::move(deleter)) {}

FolderDisposal::~FolderDisposal()
{
    Finish();
}

void FolderDisposal::Dispose(std::filesystem::path folder, int lockFd)
{
    bool ended = false;
    {
        std::lock_guard lock(mutex_);
        jobs_.push_back({std::move(folder), lockFd});
        finishing_ = false;
        ended = threadEnded_;
        threadEnded_ = false;
    }
    if (ended)
        thread_.join();
    if (!thread_.joinable()) {
        try {
            thread_ = ThreadStart::Launch<std::thread>(
                kThreadName, [this] { Work(); }, [this](std::error_code reason) { Escaped(reason); });
        } catch (const std::system_error&) {
            // No thread to be had: the folder goes now, as it did before there was one.
            WorkHere();
            return;
        }
    }
    wanted_.notify_one();
}

void FolderDisposal::Work()
{
    std::unique_lock lock(mutex_);
    for (;;) {
        wanted_.wait(lock, [this] { return !jobs_.empty() || finishing_; });
        if (jobs_.empty())
            return;  // finishing, and nothing left
        current_ = std::move(jobs_.front());
        jobs_.pop_front();
        const std::filesystem::path folder = current_->folder;
        const int lockFd = current_->lockFd;
        lock.unlock();
        const Status deleted = deleter_(folder, lockFd);
        lock.lock();
        Ended(deleted);
        current_.reset();
    }
}

void FolderDisposal::Escaped(std::error_code reason)
{
    std::lock_guard lock(mutex_);
    if (current_) {
        Ended(Failure{.kind = FailureKind::StagingNotDeleted,
                      .code = reason,
                      .path = current_->folder,
                      .other = current_->folder});
        current_.reset();
    }
    threadEnded_ = true;
}

void FolderDisposal::Ended(const Status& deleted)
{
    if (!deleted)
        failures_.push_back(deleted.failure());
}

void FolderDisposal::WorkHere()
{
    std::unique_lock lock(mutex_);
    while (!jobs_.empty()) {
        const Job job = std::move(jobs_.front());
        jobs_.pop_front();
        lock.unlock();
        Status deleted;
        try {
            deleted = deleter_(job.folder, job.lockFd);
        } catch (...) {
            // On the caller's thread nothing may leave by exception either; the
            // descriptor may be closed already: left open rather than closed twice.
            deleted = Failure{.kind = FailureKind::StagingNotDeleted,
                              .code = ThreadStart::ReasonOf(std::current_exception()),
                              .path = job.folder,
                              .other = job.folder};
        }
        lock.lock();
        Ended(deleted);
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
    // What a thread that ended early left.
    WorkHere();
    Failure kept{.kind = FailureKind::StagingCleanUpFailed};
    {
        std::lock_guard lock(mutex_);
        threadEnded_ = false;
        kept.leftOut = std::move(failures_);
        failures_.clear();
    }
    if (kept.leftOut.empty())
        return {};
    return kept;
}
