#include "StagingJob.h"

#include "ThreadStart.h"
#include "WorkerWakeUp.h"

#include <algorithm>

namespace fs = std::filesystem;

StagingJob::StagingJob(SourceList sources, std::function<void()> news)
    : list_(std::move(sources)), sources_(list_.size()), news_(std::move(news)),
      wake_(std::make_unique<WorkerWakeUp>([this] {
          // A wake-up that was on its way when the job stopped brings nothing.
          if (!stopped_)
              news_();
      }))
{
}

Result<std::unique_ptr<StagingJob>, StagingJob::StartFault> StagingJob::Start(SourceList sources, fs::path folder,
                                                                              StagingLinks links,
                                                                              std::function<void()> news)
{
    std::unique_ptr<StagingJob> job(new StagingJob(std::move(sources), std::move(news)));
    // Without it the staged files would never be collected.
    if (job->wake_->Error())
        return Fault<StartFault>{StartFault::NoWakeUp, job->wake_->Error()};
    StagingJob* self = job.get();
    try {
        job->thread_ = ThreadStart::Launch<std::jthread>(
            kStagingThreadName,
            [self, folder = std::move(folder), links](std::stop_token stop) {
                self->report(StagingCopy::CopyAll(self->list_, folder, stop, links,
                                                  [self](StagedEntry&& entry, size_t done) { self->hand(std::move(entry), done); }));
            },
            // The run then ends with the reason, naming the file it was on.
            [self](std::error_code reason) {
                const size_t done = self->sourcesDone_.load(std::memory_order_relaxed);
                StagingCopyReport failed;
                failed.failed.push_back(
                    {.kind = FailureKind::SourceNotCopied,
                     .code = reason,
                     .path = self->list_.empty() ? fs::path() : fs::path(self->list_[std::min(done, self->sources_ - 1)])});
                self->report(std::move(failed));
            });
    } catch (const std::system_error& refused) {
        return Fault<StartFault>{StartFault::NoThread, refused.code()};
    }
    return job;
}

StagingJob::~StagingJob()
{
    Stop();
}

void StagingJob::hand(StagedEntry&& entry, size_t sourcesDone)
{
    bool first = false;
    {
        std::lock_guard lock(mutex_);
        first = waiting_.staged.empty();
        waiting_.staged.push_back(std::move(entry));
        sourcesDone_.store(sourcesDone, std::memory_order_relaxed);
    }
    // One wake-up while the owner has not taken what waits.
    if (first)
        wake_->Notify();
}

void StagingJob::report(StagingCopyReport&& report)
{
    bool first = false;
    {
        std::lock_guard lock(mutex_);
        if (reported_)
            return;
        reported_ = true;
        first = waiting_.staged.empty();
        waiting_.report = std::move(report);
        sourcesDone_.store(sources_, std::memory_order_relaxed);
    }
    if (first)
        wake_->Notify();
}

StagingJob::News StagingJob::TakeNews()
{
    News taken;
    std::lock_guard lock(mutex_);
    std::swap(taken, waiting_);
    return taken;
}

void StagingJob::Stop()
{
    stopped_ = true;
    thread_.request_stop();
    if (thread_.joinable())
        thread_.join();
}
