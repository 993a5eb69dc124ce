#pragma once
// The window's side of the parallel run: turns the Zipper's queue into pass
// plans, keeps the workers supplied with jobs a little ahead of their turn
// (within a bound on jobs and bytes in flight, so even a huge file never sits
// in memory), and hands back finished blocks in order. The first plan is the
// pass under way once Begin has taken it up.
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "BufferRecycler.h"
#include "CompressionWorkerPool.h"
#include "OrderedResults.h"
#include "PassPlan.h"
#include "ZipFile.h"

class PassScheduler {
public:
    // Entries are deflated by libdeflate (see writeKind) unless
    // `zlibBlocksOnly`: then zlib makes a piece of every chunk, as on one core.
    PassScheduler(const std::deque<ZipFile>& queue, int workers, int64_t chunkSize, std::function<void()> wake,
                  bool zlibBlocksOnly = false);

    // False when no worker thread could be started.
    bool HasWorkers() const { return pool_.Threads() > 0; }
    // The pass under way, or null.
    PassPlan* Current() { return current_ ? &plans_.front() : nullptr; }
    // The pass the next Begin takes up (planned now if need be), or null when
    // the queue holds nothing more.
    PassPlan* Upcoming();
    // The upcoming pass becomes the one under way; `leavesQueue` when it is
    // its file's last pass (the Zipper has taken the file off its queue).
    void BeginNext(bool leavesQueue);
    void EndCurrent();

    // True when the blocks of jobs first..last of the first plan are done;
    // otherwise the wake callback comes once they are.
    bool Ready(int64_t first, int64_t last);
    std::optional<CompressedBlock> Take(int64_t job);
    // A block's bytes are written: its buffer goes back to the workers.
    void Recycle(std::vector<unsigned char>&& buffer) { buffers_.Give(std::move(buffer)); }
    // The pass under way needs no jobs from `job` on.
    void StopCurrentAt(int64_t job);
    // The queue was emptied: every plan but the pass under way goes.
    void DropQueued();

private:
    void plan(const ZipFile& entry);
    CompressionJob::Kind writeKind(const ZipFile& entry) const;
    void topUp(int64_t mustJob);
    uint64_t wakeAhead(int64_t last) const;
    void submit(PassPlan& plan, std::vector<CompressionJob>& batch);
    void dropFrom(size_t planIndex, int64_t job);

    const std::deque<ZipFile>& queue_;
    const int64_t chunkSize_;
    const bool zlibBlocksOnly_;
    const int64_t maxJobs_;
    const int64_t maxBytes_;
    std::shared_ptr<OrderedResults> results_;
    BufferRecycler buffers_;
    std::deque<PassPlan> plans_;
    bool current_ = false;
    size_t plannedEntries_ = 0;  // queued files (from the front) whose passes are planned
    uint64_t nextSeq_ = 1;
    int64_t jobsInFlight_ = 0;
    int64_t bytesInFlight_ = 0;
    // Last, so that it stops (and joins its threads) before the rest goes.
    CompressionWorkerPool pool_;
};
