#include "CompressionWorkerPool.h"

#include <algorithm>
#include <optional>

#include "BlockCompressor.h"
#include "ThreadStart.h"

namespace {

// The job the worker on this thread is on, for a failure that cuts it short.
thread_local std::optional<uint64_t> t_job;

}  // namespace

CompressionWorkerPool::CompressionWorkerPool(int workers, std::shared_ptr<OrderedResults> results,
                                             BufferRecycler& buffers)
    : results_(std::move(results)), buffers_(buffers)
{
    // A thread the system refuses leaves the pool smaller; with none at all
    // the owner runs without it (Threads() says so). Every worker counts as
    // working from the start, so one whose work fails at once never leaves
    // the others' jobs without a worker.
    const int wanted = std::max(1, workers);
    working_ = wanted;
    for (int i = 0; i < wanted; ++i) {
        try {
            threads_.push_back(ThreadStart::Launch<std::thread>(
                kWorkerThreadName, [this] { work(); }, [this](std::error_code reason) { escaped(reason); }));
        } catch (const std::system_error&) {
            std::lock_guard lock(mutex_);
            working_ -= wanted - i;
            if (working_ == 0 && i > 0)
                noWorkers_ = lastFailure_;  // those started have failed already
            break;
        }
    }
}

CompressionWorkerPool::~CompressionWorkerPool()
{
    Stop();
}

void CompressionWorkerPool::Submit(std::vector<CompressionJob> batch)
{
    std::error_code noWorkers;
    {
        std::lock_guard lock(mutex_);
        noWorkers = noWorkers_;
        if (!noWorkers)
            for (CompressionJob& job : batch)
                jobs_.push_back(std::move(job));
    }
    if (noWorkers) {
        for (const CompressionJob& job : batch)
            failJob(job.seq, noWorkers);
    } else if (batch.size() == 1) {
        wakeWorker_.notify_one();
    } else {
        wakeWorker_.notify_all();
    }
}

void CompressionWorkerPool::DropFrom(uint64_t seq)
{
    std::lock_guard lock(mutex_);
    std::erase_if(jobs_, [seq](const CompressionJob& job) { return job.seq >= seq; });
}

void CompressionWorkerPool::Stop()
{
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
        jobs_.clear();
    }
    stop_.store(true, std::memory_order_relaxed);
    wakeWorker_.notify_all();
    for (std::thread& thread : threads_)
        if (thread.joinable())
            thread.join();
    threads_.clear();
}

void CompressionWorkerPool::work()
{
    BlockCompressor compressor(&buffers_);
    for (;;) {
        CompressionJob job;
        {
            std::unique_lock lock(mutex_);
            wakeWorker_.wait(lock, [this] { return stopping_ || !jobs_.empty(); });
            if (stopping_) {
                --working_;
                return;
            }
            job = std::move(jobs_.front());
            jobs_.pop_front();
        }
        t_job = job.seq;
        CompressedBlock block = compressor.Run(job, stop_);
        t_job.reset();
        // The job's hold on its file ends here, not when the next job comes.
        job.source.reset();
        if (stop_.load(std::memory_order_relaxed)) {
            std::lock_guard lock(mutex_);
            --working_;
            return;
        }
        results_->Put(std::move(block));
    }
}

void CompressionWorkerPool::escaped(std::error_code reason)
{
    std::vector<uint64_t> failed;
    if (t_job)
        failed.push_back(*t_job);
    t_job.reset();
    {
        std::lock_guard lock(mutex_);
        lastFailure_ = reason;
        if (--working_ == 0 && !stopping_) {
            noWorkers_ = reason;
            for (const CompressionJob& job : jobs_)
                failed.push_back(job.seq);
            jobs_.clear();
        }
    }
    for (const uint64_t seq : failed)
        failJob(seq, reason);
}

void CompressionWorkerPool::failJob(uint64_t seq, std::error_code reason)
{
    CompressedBlock block;
    block.seq = seq;
    block.status = CompressedBlock::Status::CompressFailed;
    block.error = reason;
    results_->Put(std::move(block));
}
