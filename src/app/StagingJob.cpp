#include "StagingJob.h"

#include <algorithm>
#include <chrono>

#include "ThreadStart.h"

namespace fs = std::filesystem;

StagingJob::StagingJob(SourceList sources, fs::path folder, StagingLinks links, std::function<void()> news)
    : list_(std::move(sources)), sources_(list_.size()), news_(std::move(news)), result_(promise_.get_future())
{
    thread_ = ThreadStart::Launch<std::jthread>(
        kStagingThreadName,
        [this, folder = std::move(folder), links](std::stop_token stop) {
            report(StagingCopy::CopyAll(list_, folder, stop, links,
                                        [this](StagedEntry&& entry, size_t done) { hand(std::move(entry), done); }));
        },
        // The run then ends with the reason, naming the file it was on.
        [this](std::error_code reason) {
            const size_t done = sourcesDone_.load(std::memory_order_relaxed);
            StagingCopyReport failed;
            failed.failed.push_back({.kind = FailureKind::SourceNotCopied,
                                     .code = reason,
                                     .path = list_.empty() ? fs::path() : fs::path(list_[std::min(done, sources_ - 1)])});
            report(std::move(failed));
        });
}

void StagingJob::report(StagingCopyReport&& report)
{
    if (reported_)
        return;
    reported_ = true;
    sourcesDone_.store(sources_, std::memory_order_relaxed);
    promise_.set_value(std::move(report));
    news_();
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
        first = staged_.empty();
        staged_.push_back(std::move(entry));
        sourcesDone_.store(sourcesDone, std::memory_order_relaxed);
    }
    // One wake-up while the owner has not taken what waits.
    if (first)
        news_();
}

std::deque<StagedEntry> StagingJob::TakeStaged()
{
    std::deque<StagedEntry> taken;
    std::lock_guard lock(mutex_);
    taken.swap(staged_);
    return taken;
}

void StagingJob::Stop()
{
    thread_.request_stop();
    if (thread_.joinable())
        thread_.join();
}

bool StagingJob::Done() const
{
    return result_.valid() && result_.wait_for(std::chrono::seconds(0)) == std::future_status::ready;
}

StagingCopyReport StagingJob::TakeResult()
{
    // The thread ends right after handing over its result; joining first
    // means it is done with it before the result is read.
    if (thread_.joinable())
        thread_.join();
    return result_.valid() ? result_.get() : StagingCopyReport{};
}
