#include "CompressionWorkerPool.h"

#include <algorithm>
#include <system_error>

#include <pthread.h>

#include "BlockCompressor.h"
#include "ThreadStart.h"

CompressionWorkerPool::CompressionWorkerPool(int workers, std::shared_ptr<OrderedResults> results,
                                             BufferRecycler& buffers)
    : results_(std::move(results)), buffers_(buffers)
{
    // A thread the system refuses leaves the pool smaller; with none at all
    // the owner runs without it (Threads() says so).
    try {
        for (int i = 0; i < std::max(1, workers); ++i)
            threads_.push_back(ThreadStart::Launch<std::thread>([this] {
                // Named so that a process listing (top -H) and the tests can tell them apart.
                pthread_setname_np(pthread_self(), kWorkerThreadName);
                work();
            }));
    } catch (const std::system_error&) {
    }
}

CompressionWorkerPool::~CompressionWorkerPool()
{
    Stop();
}

void CompressionWorkerPool::Submit(CompressionJob job)
{
    {
        std::lock_guard lock(mutex_);
        jobs_.push_back(std::move(job));
    }
    wakeWorker_.notify_one();
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
            if (stopping_)
                return;
            job = std::move(jobs_.front());
            jobs_.pop_front();
        }
        CompressedBlock block = compressor.Run(job, stop_);
        // The job's hold on its file ends here, not when the next job comes.
        job.source.reset();
        if (stop_.load(std::memory_order_relaxed))
            return;
        results_->Put(std::move(block));
    }
}
