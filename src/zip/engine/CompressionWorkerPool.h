#pragma once
// The threads that read and compress ahead of the window's thread. Jobs come
// in through a queue, finished blocks go out through OrderedResults; the
// workers share nothing else. Stopping (also on destruction) drops the jobs
// not yet started, makes the running ones give up at their next chunk, and
// joins the threads. A worker whose work fails on the way (its memory ran
// out) hands in its job as failed; once no worker is left, so are the jobs
// still queued and any submitted later, so the run ends with the reason
// rather than waiting for ever.
#include <atomic>
#include <condition_variable>
#include <deque>
#include <memory>
#include <mutex>
#include <system_error>
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
    // The jobs go to the back of the queue in their order.
    void Submit(std::vector<CompressionJob> batch);
    // Jobs of `seq` and later that have not started are dropped.
    void DropFrom(uint64_t seq);
    void Stop();

private:
    void work();
    // On a worker's thread, when something escaped its body.
    void escaped(std::error_code reason);
    void failJob(uint64_t seq, std::error_code reason);

    std::shared_ptr<OrderedResults> results_;
    BufferRecycler& buffers_;
    std::mutex mutex_;
    std::condition_variable wakeWorker_;
    std::deque<CompressionJob> jobs_;
    bool stopping_ = false;
    int working_ = 0;             // guarded by mutex_: workers whose body still runs
    std::error_code noWorkers_;   // guarded by mutex_: why none is left
    std::error_code lastFailure_;  // guarded by mutex_
    std::atomic<bool> stop_{false};
    std::vector<std::thread> threads_;
};
