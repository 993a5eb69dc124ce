#include "StagingJob.h"

#include <cerrno>
#include <new>

namespace fs = std::filesystem;

namespace {

StagingCopyReport Stage(const std::vector<fs::path>& sources, const fs::path& folder, std::stop_token stop,
                        FileCopyMethod fastest)
{
    try {
        return StagingCopy::CopyAll(sources, folder, stop, fastest);
    } catch (const std::bad_alloc&) {
        // Nothing may leave a thread by exception; the run then ends with the reason.
        StagingCopyReport report;
        for (const fs::path& source : sources)
            report.failed.push_back(
                {.kind = FailureKind::SourceNotCopied, .code = std::make_error_code(std::errc::not_enough_memory), .path = source});
        return report;
    }
}

}  // namespace

StagingJob::StagingJob(std::vector<fs::path> sources, fs::path folder, FileCopyMethod fastest,
                       std::function<void()> finished)
{
    std::promise<StagingCopyReport> promise;
    report_ = promise.get_future();
    thread_ = std::jthread([sources = std::move(sources), folder = std::move(folder), fastest,
                            promise = std::move(promise),
                            finished = std::move(finished)](std::stop_token stop) mutable {
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

StagingCopyReport StagingJob::TakeReport()
{
    return report_.valid() ? report_.get() : StagingCopyReport{};
}
