#include "StagingJob.h"

#include <chrono>
#include <new>
#include <pthread.h>

#include "ThreadStart.h"

namespace fs = std::filesystem;

namespace {

StagingCopyReport Stage(const std::vector<std::string>& sources, const fs::path& folder, std::stop_token stop,
                        FileCopyMethod fastest)
{
    try {
        return StagingCopy::CopyAll(sources, folder, stop, fastest);
    } catch (const std::bad_alloc&) {
        // Nothing may leave a thread by exception; the run then ends with the reason.
        StagingCopyReport report;
        report.failed.push_back(
            {.kind = FailureKind::SourceNotCopied, .code = std::make_error_code(std::errc::not_enough_memory), .path = folder});
        return report;
    }
}

}  // namespace

StagingJob::StagingJob(std::vector<std::string> sources, fs::path folder, FileCopyMethod fastest,
                       std::function<void()> finished)
{
    std::promise<StagingCopyReport> promise;
    result_ = promise.get_future();
    thread_ = ThreadStart::Launch<std::jthread>([sources = std::move(sources), folder = std::move(folder), fastest,
                            promise = std::move(promise),
                            finished = std::move(finished)](std::stop_token stop) mutable {
        // Named so that a process listing (top -H) and the tests can tell it apart.
        pthread_setname_np(pthread_self(), kStagingThreadName);
        promise.set_value(Stage(sources, folder, stop, fastest));
        finished();
    });
}

StagingJob::~StagingJob()
{
    Stop();
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
