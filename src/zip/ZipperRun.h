#pragma once
// One run of the Zipper, from a successful Zip to its Complete or Error (or
// StopRun): the archive being written (its writer, its temporary file, its
// proof), where the steps get their data from (workers or the window's
// thread), the pass under way, the cancel request, and the thread that
// closes and names the archive. The Zipper makes one per Zip and lets it go
// when the run ends; everything of the run ends with it (its threads are
// stopped and joined, its wake-up channel closed), so nothing of one run
// can reach the next.
//
// Threads of a run, each crossing made in one place:
//   workers -> window: finished pieces in OrderedResults, then wakeUp_;
//   window -> proof follower: ArchiveProof::Expect and Settled;
//   window -> publisher: the writer, the proof and the file, handed over at
//   the run's end (finish); publisher -> window: its outcome, then wakeUp_.
//
// Everything here runs on the window's thread.
#include <cstdint>
#include <filesystem>
#include <memory>

#include "ArchivePublisher.h"
#include "EntryFeed.h"
#include "Result.h"
#include "TemporaryArchive.h"
#include "ZipperRunHost.h"

class ArchiveProof;
class TemporaryArchiveJournal;
class WorkerWakeUp;
class ZipWriterInterface;

class ZipperRun : public std::enable_shared_from_this<ZipperRun> {
public:
    struct Options {
        int workers = 1;  // compression threads; 1: everything on the window's thread
        bool zlibBlocksOnly = false;
        bool proofSkipped = false;
        std::shared_ptr<TemporaryArchiveJournal> journal;  // records the temporary archive
    };

    ZipperRun(ZipperRunHost& host, std::unique_ptr<ZipWriterInterface> writer);
    ~ZipperRun();
    ZipperRun(const ZipperRun&) = delete;
    ZipperRun& operator=(const ZipperRun&) = delete;

    // Opens the archive (under a temporary name beside `filePath` for append
    // mode 0) and starts the feed and the proof; fails with the writer's code
    // (-1 when no file could be made) and the system's reason.
    Result<void, int32_t> Open(const std::filesystem::path& filePath, int32_t appendMode, const Options& options);

    // One step (tmrNext's). Keep the run alive through it: a handler of its
    // events may end the run.
    void Step();
    void Cancel();
    // The Zipper's queue was emptied.
    void QueueCleared();
    // Something may let a waiting run go on (files queued, no more to come).
    void Wake();
    bool Publishing() const { return publisher_ && publisher_->Running(); }
    // Ends the run at once without any outcome (StopRun): true when the
    // archive had taken its name already.
    bool Stop();

private:
    bool wakeUpChannel();
    int64_t chunksForNextStep() const;
    bool openEntry();
    bool takeChunks();
    bool endPass();
    // Raises `event`; false when a handler ended the run.
    bool raise(ZipperRunHost::Event event);
    void finish();
    void woken();
    void published();
    void fail(ZipFailure step, std::error_code reason, const ProofFault& proof = {});
    // Stops every thread of the run and lets the archive go (deleted unless
    // it took its name); `closeArchive` closes it in the writer first.
    void release(bool closeArchive);

    ZipperRunHost& host_;
    std::filesystem::path archivePath_;  // the name the archive gets
    TemporaryArchive temporary_;         // where it is written meanwhile (append mode 0)
    std::unique_ptr<ZipWriterInterface> writer_;
    // The workers' finished pieces and the publisher's end both wake the
    // run through it; none while it could not be made (then neither thread).
    std::unique_ptr<WorkerWakeUp> wakeUp_;
    // Follows the archive as it is written and proves it before it takes its name.
    std::unique_ptr<ArchiveProof> proof_;
    std::unique_ptr<EntryFeed> feed_;
    std::unique_ptr<ArchivePublisher> publisher_;  // from the run's end

    const ZipFile* entry_ = nullptr;  // the entry of the pass under way (the host's CurrentFile)
    int64_t bytesRemaining_ = 0;
    bool passUnderWay_ = false;
    bool stepping_ = false;
    bool crcPass_ = false;
    bool crcEntryDropped_ = false;  // the queue was emptied during the CRC pass
    bool encryptedWrite_ = false;   // the entry being written has a password
    int32_t prePassCrc_ = 0;
    bool cancelRequest_ = false;
    bool underWay_ = false;  // from a successful Open until the run ends
};
