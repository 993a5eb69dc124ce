#include "ZipperRun.h"

#include <algorithm>
#include <cerrno>

#include "ArchiveProof.h"
#include "InlineEntryFeed.h"
#include "ParallelEntryFeed.h"
#include "WorkerWakeUp.h"
#include "ZipWriterInterface.h"

namespace fs = std::filesystem;

namespace {

constexpr int64_t kChunkSize = ZipperRunHost::kChunkSize;
constexpr int kChunksPerStep = ZipperRunHost::kChunksPerStep;

}  // namespace

ZipperRun::ZipperRun(ZipperRunHost& host, std::unique_ptr<ZipWriterInterface> writer)
    : host_(host), writer_(std::move(writer))
{
}

ZipperRun::~ZipperRun()
{
    if (underWay_)
        release(true);
}

Result<void, int32_t> ZipperRun::Open(const fs::path& filePath, int32_t appendMode, const Options& options)
{
    archivePath_ = filePath;
    if (appendMode == 0) {
        std::error_code ec;
        std::error_code reason;
        if (fs::is_directory(filePath, ec))
            reason = LastSystemError(EISDIR);
        else if (const auto reserved = temporary_.Reserve(filePath, options.journal); !reserved)
            reason = reserved.code() ? reserved.code() : LastSystemError(EIO);
        // What the writer reports when the archive cannot be created.
        if (reason)
            return Fault<int32_t>{-1, reason};
    }
    if (writer_->OpenZip(appendMode == 0 ? temporary_.Path().native() : filePath.native(), appendMode)) {
        const Fault<int32_t> refused{writer_->Result(), writer_->SystemError()};
        temporary_.Discard();
        return refused;
    }

    if (options.workers > 1 && wakeUpChannel()) {
        // Called on a worker's thread: the step is started on the window's.
        WorkerWakeUp* wakeUp = wakeUp_.get();
        auto feed = std::make_unique<ParallelEntryFeed>(host_.Queue(), options.workers, kChunkSize,
                                                        [wakeUp] { wakeUp->Notify(); }, options.zlibBlocksOnly);
        // Without any worker the system let start, this thread reads alone.
        if (feed->HasWorkers())
            feed_ = std::move(feed);
    }
    if (!feed_)
        feed_ = std::make_unique<InlineEntryFeed>(kChunkSize);
    // After the feed, whose workers take the first threads a test refuses. A
    // writer that writes no file (a test's stand-in) has nothing to prove.
    if (!options.proofSkipped && writer_->SettledBytes() >= 0)
        proof_ = std::make_unique<ArchiveProof>(appendMode == 0 ? temporary_.Path() : filePath, appendMode == 0);
    underWay_ = true;
    return {};
}

// Without a way for the run's threads to wake this one (the open-file limit
// reached), the run does their work on this thread.
bool ZipperRun::wakeUpChannel()
{
    if (!wakeUp_) {
        auto wakeUp = std::make_unique<WorkerWakeUp>([this] { woken(); });
        if (!wakeUp->Error())
            wakeUp_ = std::move(wakeUp);
    }
    return wakeUp_ != nullptr;
}

void ZipperRun::Cancel()
{
    cancelRequest_ = true;
    Wake();
}

void ZipperRun::QueueCleared()
{
    if (crcPass_ && passUnderWay_)
        crcEntryDropped_ = true;
    if (feed_)
        feed_->QueueCleared();
    Wake();
}

// A run waiting for its workers or for more files looks again at once.
void ZipperRun::Wake()
{
    if (underWay_ && !stepping_ && !publisher_)
        host_.StepDue();
}

void ZipperRun::woken()
{
    if (!underWay_)
        return;  // a handler that ended the run let the event loop turn
    if (publisher_ && publisher_->Done()) {
        // Ending lets the run go: it stays until this call returns.
        const std::shared_ptr<ZipperRun> self = shared_from_this();
        published();
        return;
    }
    Wake();
}

bool ZipperRun::Stop()
{
    // Still closing: the archive never takes its name. Renaming already: the
    // rename is waited for and the archive keeps its name.
    const bool named = publisher_ && publisher_->Stop();
    release(true);
    return named;
}

// How many chunks the next step will handle: those of the file under way, or
// of the next one to be taken up. A cancel stops every pass at once except an
// encrypted write, which must be finished to be readable.
int64_t ZipperRun::chunksForNextStep() const
{
    int64_t bytes = bytesRemaining_;
    bool stopsAtOnce = crcPass_ || !encryptedWrite_;
    if (!passUnderWay_) {
        const std::deque<ZipFile>& queue = host_.Queue();
        if (queue.empty())
            return 0;
        const ZipFile& next = queue.front();
        bytes = next.ByteCount;
        stopsAtOnce = next.NeedCRC || next.Password.empty();
    }
    if (cancelRequest_ && stopsAtOnce)
        return 0;
    return std::min<int64_t>(kChunksPerStep, (bytes + kChunkSize - 1) / kChunkSize);
}

void ZipperRun::Step()
{
    if (!underWay_ || stepping_ || publisher_)
        return;
    // A step never waits for a worker: without its data it ends here, and
    // the feed wakes the run once the data is there.
    if (!feed_->ReadyFor(chunksForNextStep()))
        return;
    stepping_ = true;
    if (!passUnderWay_) {
        if (host_.Queue().empty()) {
            stepping_ = false;
            // New files or the end of them wake the run again.
            if (!host_.MoreToCome() || cancelRequest_)
                finish();
            return;
        }
        if (!openEntry())
            return;
    }

    if (cancelRequest_) {
        host_.EmptyQueue();
        // An encrypted entry cut short could not be opened with its password
        // (its header check comes from the whole file's CRC), so it is
        // written whole; everything else stops here.
        if (crcPass_ || !encryptedWrite_) {
            bytesRemaining_ = 0;
            feed_->Abandon();
        }
    }
    if (!takeChunks())
        return;
    // A large entry is proven as far as it is written out.
    if (proof_ && passUnderWay_ && !crcPass_)
        proof_->Settled(writer_->SettledBytes(), writer_->WrittenOutBytes());
    stepping_ = false;
    if (feed_->ReadyFor(chunksForNextStep()))
        host_.StepDue();
}

bool ZipperRun::raise(ZipperRunHost::Event event)
{
    host_.Raise(event);
    return underWay_;
}

// Takes up the first queued file: its CRC pass (the entry stays queued for its
// write pass) or its write pass (the entry leaves the queue). False when the
// run ended.
bool ZipperRun::openEntry()
{
    std::deque<ZipFile>& queue = host_.Queue();
    entry_ = &host_.TakeUp(queue.front());
    crcPass_ = entry_->NeedCRC;
    crcEntryDropped_ = false;
    encryptedWrite_ = false;
    if (!crcPass_)
        queue.pop_front();
    feed_->TakeUp(crcPass_);
    passUnderWay_ = true;
    if (!raise(ZipperRunHost::Event::StartFile))
        return false;

    if (const FeedResult begun = feed_->Begin(*writer_, *entry_, crcPass_, prePassCrc_); !begun) {
        fail(begun.kind(), begun.code());
        return false;
    }
    encryptedWrite_ = !crcPass_ && !entry_->Password.empty();
    bytesRemaining_ = entry_->ByteCount;
    if (proof_ && !crcPass_)
        proof_->Expect(entry_->AsFile, entry_->Password, static_cast<uint64_t>(entry_->ByteCount));
    return true;
}

// Up to ten chunks of the pass under way, and its end if it comes within
// them. False when the step must end here (the run failed or was stopped).
bool ZipperRun::takeChunks()
{
    for (int i = 0; i < kChunksPerStep; ++i) {
        if (bytesRemaining_ == 0)
            return endPass();
        const int64_t chunk = std::min(bytesRemaining_, kChunkSize);
        bytesRemaining_ -= chunk;
        if (!crcPass_)
            host_.Zipped(chunk);
        if (const FeedResult handled = feed_->Chunk(*writer_, static_cast<size_t>(chunk)); !handled) {
            fail(handled.kind(), handled.code());
            return false;
        }
        if (!raise(ZipperRunHost::Event::Progress))
            return false;
    }
    return true;
}

bool ZipperRun::endPass()
{
    passUnderWay_ = false;
    int32_t crc = 0;
    if (const FeedResult ended = feed_->End(*writer_, crc); !ended) {
        fail(ended.kind(), ended.code());
        return false;
    }
    if (crcPass_) {
        // The entry's write pass comes in a later step.
        prePassCrc_ = crc;
        std::deque<ZipFile>& queue = host_.Queue();
        if (!crcEntryDropped_ && !queue.empty())
            queue.front().NeedCRC = false;
        return true;
    }
    if (proof_)
        proof_->Settled(writer_->SettledBytes(), writer_->WrittenOutBytes());
    return raise(ZipperRunHost::Event::EndFile);
}

// The queue is done: the archive is closed, proven and named on the
// publisher's thread (the central directory of a million entries is 60 MB,
// and ext4 writes a replaced file's data out before the rename), or here
// when there is no thread to be had.
void ZipperRun::finish()
{
    // The workers are done.
    feed_.reset();
    publisher_ = std::make_unique<ArchivePublisher>(*writer_, proof_.get(), temporary_, archivePath_);
    if (wakeUpChannel()) {
        WorkerWakeUp* wakeUp = wakeUp_.get();
        if (publisher_->Start([wakeUp] { wakeUp->Notify(); }))
            return;
    }
    publisher_->RunHere();
    published();
}

void ZipperRun::published()
{
    const ArchivePublisher::Outcome& out = publisher_->Join();
    switch (out.failed) {
    case ZipFailure::CloseZip:
        fail(ZipFailure::CloseZip, out.reason ? out.reason : writer_->SystemError());
        return;
    case ZipFailure::ProveZip:
        // The archive was closed whole; only its temporary file goes.
        fail(ZipFailure::ProveZip, out.reason, out.proof);
        return;
    case ZipFailure::RenameZip: {
        ZipperRunHost::Outcome failed;
        failed.failed = ZipFailure::RenameZip;
        failed.reason = out.reason;
        failed.result = writer_->Result();
        release(false);
        host_.Ended(failed);
        return;
    }
    default: {
        ZipperRunHost::Outcome completed;
        completed.canceled = cancelRequest_;
        release(false);
        host_.Ended(completed);
    }
    }
}

// The run stops on a failure: the archive is closed and deleted (an older
// one of its name stays).
void ZipperRun::fail(ZipFailure step, std::error_code reason, const ProofFault& proof)
{
    const ZipperRunHost::Outcome failed{step, reason, writer_->Result(), proof, false};
    release(true);
    host_.Ended(failed);
}

void ZipperRun::release(bool closeArchive)
{
    underWay_ = false;
    if (publisher_)
        publisher_->Stop();
    // Stops and joins the workers, then the proof's follower.
    feed_.reset();
    proof_.reset();
    if (closeArchive)
        writer_->CloseZip();
    temporary_.Discard();
}
