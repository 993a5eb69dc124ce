#include "PassScheduler.h"

#include <algorithm>

#include "WholeEntryDeflater.h"

namespace {

// A few jobs per worker: enough to keep each busy while the window's thread
// writes, and always more than one step needs.
int64_t jobLimit(int workers)
{
    return std::max<int64_t>(256, 8 * int64_t(workers));
}

int64_t byteLimit(int workers)
{
    return std::max<int64_t>(16 << 20, int64_t(workers) * (4 << 20));
}

}  // namespace

PassScheduler::PassScheduler(const std::deque<ZipFile>& queue, int workers, int64_t chunkSize,
                             std::function<void()> wake, bool zlibBlocksOnly)
    : queue_(queue),
      chunkSize_(chunkSize),
      zlibBlocksOnly_(zlibBlocksOnly),
      maxJobs_(jobLimit(workers)),
      maxBytes_(byteLimit(workers)),
      results_(std::make_shared<OrderedResults>(std::move(wake))),
      buffers_(static_cast<size_t>(std::max<int64_t>(4, maxBytes_ / (PassPlan::kChunksPerJob * chunkSize)))),
      pool_(workers, results_, buffers_)
{
}

void PassScheduler::plan(const ZipFile& entry)
{
    auto makePlan = [&](CompressionJob::Kind kind) {
        PassPlan plan;
        // Each pass opens the file anew, as a pass on one core does.
        plan.source = std::make_shared<SharedSource>(entry.SourceFile, entry.Stamp);
        plan.kind = kind;
        plan.level = entry.ZLevel;
        plan.length = entry.ByteCount;
        plan.chunkSize = chunkSize_;
        plan.chunks = (entry.ByteCount + chunkSize_ - 1) / chunkSize_;
        if (kind == CompressionJob::Kind::DeflateWhole)
            plan.chunksPerJob = plan.chunks;
        else if (kind == CompressionJob::Kind::DeflateByJob)
            plan.chunksPerJob = PassPlan::kChunksPerPiece;
        plan.jobs = std::max<int64_t>(1, (plan.chunks + plan.chunksPerJob - 1) / plan.chunksPerJob);
        plans_.push_back(std::move(plan));
    };
    if (entry.NeedCRC)
        makePlan(CompressionJob::Kind::Crc);
    makePlan(writeKind(entry));
}

// A file small enough to hold is deflated whole by libdeflate, a larger one
// by libdeflate a job at a time (losing the 32 KiB of context a zlib job is
// primed with costs less than libdeflate's better matching gains); an empty
// or tiny one keeps zlib's blocks.
CompressionJob::Kind PassScheduler::writeKind(const ZipFile& entry) const
{
    if (entry.ZMethod == 0)
        return CompressionJob::Kind::Store;
    if (zlibBlocksOnly_ || entry.ByteCount < WholeEntryDeflater::kMinimum)
        return CompressionJob::Kind::Deflate;
    if (entry.ByteCount <= WholeEntryDeflater::kLimit)
        return CompressionJob::Kind::DeflateWhole;
    return CompressionJob::Kind::DeflateByJob;
}

PassPlan* PassScheduler::Upcoming()
{
    const size_t index = current_ ? 1 : 0;
    if (plans_.size() <= index && plannedEntries_ < queue_.size())
        plan(queue_[plannedEntries_++]);
    return plans_.size() > index ? &plans_[index] : nullptr;
}

void PassScheduler::BeginNext(bool leavesQueue)
{
    if (current_)
        EndCurrent();
    current_ = !plans_.empty();
    if (leavesQueue && plannedEntries_ > 0)
        --plannedEntries_;
}

void PassScheduler::EndCurrent()
{
    if (!current_)
        return;
    if (plans_.front().submitted > plans_.front().taken)
        dropFrom(0, plans_.front().taken);
    plans_.pop_front();
    current_ = false;
    topUp(-1);
}

void PassScheduler::submit(PassPlan& plan, std::vector<CompressionJob>& batch)
{
    CompressionJob job;
    job.seq = nextSeq_++;
    if (plan.submitted == 0)
        plan.firstSeq = job.seq;
    job.source = plan.source;
    job.kind = plan.kind;
    job.level = plan.level;
    job.offset = plan.JobOffset(plan.submitted);
    job.length = plan.JobLength(plan.submitted);
    job.chunkSize = plan.chunkSize;
    job.finish = plan.submitted + 1 == (plan.chunks + plan.chunksPerJob - 1) / plan.chunksPerJob;
    ++plan.submitted;
    // Once every job has its own hold on the file, the plan lets go: the last
    // worker done with it closes it, not the window's thread.
    if (plan.submitted == plan.jobs)
        plan.source.reset();
    ++jobsInFlight_;
    bytesInFlight_ += job.length;
    batch.push_back(std::move(job));
}

// Submits jobs in plan order while the bounds allow; job `mustJob` of the
// first plan (and those before it) goes in whatever the bounds say. Jobs go
// in batches, refilled once half the bound on jobs is done, so that a run of
// tiny files wakes a sleeping worker once a batch rather than once a file.
void PassScheduler::topUp(int64_t mustJob)
{
    const bool must = !plans_.empty() && plans_[0].submitted <= mustJob;
    if (!must && jobsInFlight_ > maxJobs_ / 2)
        return;
    std::vector<CompressionJob> batch;
    size_t index = 0;
    for (;;) {
        while (index < plans_.size() && plans_[index].submitted >= plans_[index].jobs)
            ++index;
        if (index == plans_.size()) {
            if (plannedEntries_ >= queue_.size())
                break;
            plan(queue_[plannedEntries_++]);
            continue;
        }
        const bool mustHere = index == 0 && plans_[0].submitted <= mustJob;
        if (!mustHere && (jobsInFlight_ >= maxJobs_ || bytesInFlight_ >= maxBytes_))
            break;
        submit(plans_[index], batch);
    }
    if (batch.empty())
        return;
    results_->Expect(batch.front().seq, batch.back().seq);
    pool_.Submit(std::move(batch));
}

bool PassScheduler::Ready(int64_t first, int64_t last)
{
    topUp(last);
    const PassPlan& plan = plans_.front();
    return results_->ReadyOrWake(plan.firstSeq + uint64_t(first), plan.firstSeq + uint64_t(last),
                                 plan.firstSeq + uint64_t(last) + wakeAhead(last));
}

// How many submitted jobs after job `last` of the pass under way a wake may
// wait for as well: small ones only, so that a run of tiny files wakes the
// window's thread once for several files, and no file waits for a large one.
uint64_t PassScheduler::wakeAhead(int64_t last) const
{
    constexpr uint64_t kJobs = 16;
    constexpr int64_t kBytes = 64 * 1024;
    uint64_t ahead = 0;
    int64_t bytes = 0;
    int64_t job = last + 1;
    for (const PassPlan& plan : plans_) {
        for (; job < plan.submitted; ++job) {
            bytes += plan.JobLength(job);
            if (ahead == kJobs || bytes > kBytes)
                return ahead;
            ++ahead;
        }
        job = 0;
    }
    return ahead;
}

std::optional<CompressedBlock> PassScheduler::Take(int64_t job)
{
    PassPlan& plan = plans_.front();
    std::optional<CompressedBlock> block = results_->Take(plan.firstSeq + uint64_t(job));
    if (block) {
        ++plan.taken;
        --jobsInFlight_;
        bytesInFlight_ -= plan.JobLength(job);
        topUp(-1);
    }
    return block;
}

// Jobs from `job` of plan `planIndex` on, and all jobs of the plans after it,
// are dropped where submitted; the later plans will be submitted afresh.
void PassScheduler::dropFrom(size_t planIndex, int64_t job)
{
    uint64_t seq = 0;
    for (size_t i = planIndex; i < plans_.size(); ++i) {
        PassPlan& plan = plans_[i];
        const int64_t from = i == planIndex ? job : 0;
        if (plan.submitted <= from)
            continue;
        if (seq == 0)
            seq = plan.firstSeq + uint64_t(from);
        for (int64_t j = std::max(from, plan.taken); j < plan.submitted; ++j) {
            --jobsInFlight_;
            bytesInFlight_ -= plan.JobLength(j);
        }
        plan.submitted = from;
    }
    if (seq != 0) {
        pool_.DropFrom(seq);
        results_->ForgetFrom(seq);
    }
}

void PassScheduler::StopCurrentAt(int64_t job)
{
    if (!current_)
        return;
    dropFrom(0, job);
    plans_.front().jobs = std::min(plans_.front().jobs, job);
}

void PassScheduler::DropQueued()
{
    const size_t keep = current_ ? 1 : 0;
    if (plans_.size() > keep)
        dropFrom(keep, 0);
    plans_.erase(plans_.begin() + std::ptrdiff_t(keep), plans_.end());
    plannedEntries_ = 0;
}
