#include "StagingJob.h"

#include <chrono>
#include <new>
#include <pthread.h>

#include "ThreadStart.h"

namespace fs = std::filesystem;

StagingJob::StagingJob(SourceList sources, fs::path folder, StagingLinks links, std::function<void()> news)
    : sources_(sources.size()), news_(std::move(news))
{
    std::promise<StagingCopyReport> promise;
    result_ = promise.get_future();
    thread_ = ThreadStart::Launch<std::jthread>([this, sources = std::move(sources), folder = std::move(folder),
                                                 links, promise = std::move(promise)](std::stop_token stop) mutable {
        // Named so that a process listing (top -H) and the tests can tell it apart.
        pthread_setname_np(pthread_self(), kStagingThreadName);
        StagingCopyReport report;
        try {
            report = StagingCopy::CopyAll(sources, folder, stop, links,
                                          [this](StagedEntry&& entry, size_t done) { hand(std::move(entry), done); });
        } catch (const std::bad_alloc&) {
            // Nothing may leave a thread by exception; the run then ends with the reason.
            report = {};
            report.failed.push_back({.kind = FailureKind::SourceNotCopied,
                                     .code = std::make_error_code(std::errc::not_enough_memory),
                                     .path = folder});
        }
        sourcesDone_.store(sources_, std::memory_order_relaxed);
        promise.set_value(std::move(report));
        news_();
    });
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
    // means its promise is gone before the result is read.
    if (thread_.joinable())
        thread_.join();
    return result_.valid() ? result_.get() : StagingCopyReport{};
}
