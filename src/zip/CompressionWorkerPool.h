#pragma once
// The threads that read and compress ahead of the window's thread. Jobs come
// in through a queue, finished blocks go out through OrderedResults; the
// workers share nothing else. Stopping (also on destruction) drops the jobs
// not yet started, makes the running ones give up at their next chunk, and
// joins the threads.
#include <atomic>
#include <condition_variable>
#include <deque>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include "BufferRecycler.h"
#include "CompressionJob.h"
#include "OrderedResults.h"

class CompressionWorkerPool {
public:
    // The workers' name as the system lists it (at most 15 bytes).
    static constexpr const char* kWorkerThreadName = "vz-deflate";

    CompressionWorkerPool(int workers, std::shared_ptr<OrderedResults> results, BufferRecycler& buffers);
    ~CompressionWorkerPool();
    CompressionWorkerPool(const CompressionWorkerPool&) = delete;
    CompressionWorkerPool& operator=(const CompressionWorkerPool&) = delete;

    // The threads the system let start; 0 means jobs would never be done.
    int Threads() const { return static_cast<int>(threads_.size()); }
    void Submit(CompressionJob job);
    // Jobs of `seq` and later that have not started are dropped.
    void DropFrom(uint64_t seq);
    void Stop();

private:
    void work();

    std::shared_ptr<OrderedResults> results_;
    BufferRecycler& buffers_;
    std::mutex mutex_;
    std::condition_variable wakeWorker_;
    std::deque<CompressionJob> jobs_;
    bool stopping_ = false;
    std::atomic<bool> stop_{false};
    std::vector<std::thread> threads_;
};
