#pragma once
// The zip run: files are queued with AddFile, Zip opens the archive, and the
// timer tmrNext then writes the queue in small steps (at most ten chunks of
// 128 KiB, never two files in one step, the archive's end in a step of its
// own) so the window stays responsive. Progress is reported through signals.
//
// With more than one usable core, worker threads read and compress the files
// ahead of their turn and a step only writes what they finished; a step whose
// data is not finished yet ends at once and the workers restart the timer.
// The events, their order and what the properties show at each are the same.
//
// Every archive is read back and proven (ArchiveProof, following the file as
// it is written) before it takes its name; a failed proof ends the run with
// Error (FailedStep() ProveZip, ProofFailure() says what was found).
//
// An invisible control: a QObject with a fixed size of 28 x 28 pixels.
#include <QObject>
#include <QTimer>

#include <atomic>
#include <cstdint>
#include <deque>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <system_error>
#include <thread>

#include "EntryFeed.h"
#include "ProofFault.h"
#include "TemporaryArchive.h"
#include "ZipDateTimes.h"
#include "ZipFailure.h"
#include "ZipFile.h"
#include "ZipWriterInterface.h"

class ArchiveProof;
class TemporaryArchiveJournal;
class WorkerWakeUp;

class Zipper : public QObject {
    Q_OBJECT

public:
    using WriterFactory = std::function<std::unique_ptr<ZipWriterInterface>()>;
    // What StopRun found.
    enum class Stopped {
        NoRun,       // no run was under way
        NotWritten,  // the run ended before its archive took its name
        Written,     // the archive had already taken its name: it is complete
    };
    // The thread that closes and names the archive, as the system lists it.
    static constexpr const char* kPublisherThreadName = "vz-publish";

    static constexpr int64_t kChunkSize = 131072;
    static constexpr int kChunksPerStep = 10;
    static constexpr int kFixedSize = 28;  // pixels (420 twips)

    // Writes through the real ZipWriter, with one worker per usable core.
    explicit Zipper(QObject* parent = nullptr);
    // Writes through writers made by `makeWriter` (tests pass a recording fake),
    // on the window's thread alone. A fresh writer replaces one that a failed
    // run could not close.
    explicit Zipper(WriterFactory makeWriter, QObject* parent = nullptr);
    // With `workers` compression threads; 1 or fewer: everything on the
    // window's thread.
    Zipper(int workers, WriterFactory makeWriter, QObject* parent = nullptr);
    // Stops a run under way as StopRun does.
    ~Zipper() override;

    Zipper(const Zipper&) = delete;
    Zipper& operator=(const Zipper&) = delete;

    int Width() const { return kFixedSize; }
    int Height() const { return kFixedSize; }

    // Read-only properties.
    int64_t BytesToZip() const { return bytesToZip_; }
    int64_t BytesZipped() const { return bytesZipped_; }
    const ZipFile& CurrentFile() const { return currentFile_; }
    // The step that failed last, by name ("OpenZip", "ReadFile", ...).
    const std::string& Failed() const { return ZipFailureStep(failed_); }
    // The same, as a kind to compare.
    ZipFailure FailedStep() const { return failed_; }
    // The system's reason for the last failure (a full disk, a missing
    // file...); empty when there was none or the failure had no system cause.
    std::error_code SystemError() const { return systemError_; }
    int32_t Result() const { return result_; }
    bool Zipping() const { return zipping_; }
    // The finished archive is being closed and taking its name (off the
    // window's thread: the central directory of a million entries and a rename
    // over an existing file each take a few hundred milliseconds); Complete or
    // Error follows from the event loop.
    bool Publishing() const { return publisher_.joinable(); }
    // With workers, entries of 64 bytes or more are deflated by libdeflate:
    // whole up to 4 MiB, a piece per job of 1 MiB above. True keeps every
    // entry in zlib's blocks, a piece per chunk as on one core. Takes effect
    // from the next run.
    void SetZlibBlocksOnly(bool only) { zlibBlocksOnly_ = only; }
    // Why the last run's archive could not be proven (FailedStep() ProveZip):
    // every archive is read back before it takes its name (see ArchiveProof).
    const ProofFault& ProofFailure() const { return proofFault_; }
    // For the workflow bench alone, which measures what the proof costs: runs
    // from the next on leave their archives unproven. The program never calls it.
    void SetProofSkippedForBench(bool skipped) { proofSkipped_ = skipped; }

    // Queues one file; true when it FAILED (Failed() says why, nothing queued).
    // An empty asFile becomes the source's file name. attrs 0 = the file's own.
    bool AddFile(const std::filesystem::path& sourceFile, const std::string& asFile = {},
                 int32_t zMethod = 8, int32_t zLevel = -1, int32_t attrs = 0,
                 const std::string& comment = {}, bool useLastModified = false,
                 const std::string& password = {});
    // Queues an entry whose caller has measured its file already (length,
    // attributes and date read when it was staged): nothing on the disk is
    // looked at, so queueing thousands of files costs the window no system
    // call. ByteCount must be the file's length; a file that changed since
    // fails the run at its turn as AddFile's would.
    // During a run the file joins the end of the queue.
    void AddMeasuredFile(ZipFile entry);
    // While set, a run whose queue runs dry waits for more files instead of
    // closing the archive (its files are still being staged); clearing it
    // lets the run end once the queue is empty. Cleared when a run ends.
    void SetMoreToCome(bool more);
    // Empties the queue; BytesToZip stays as it is.
    void ClearFiles();
    // Asks a run to stop at its next step; the run still ends with Complete(true).
    void Cancel();
    // Opens the archive and starts the run; true when it FAILED. With append
    // mode 0 the archive is written under a temporary name beside filePath and
    // takes filePath's name only when the run completes.
    bool Zip(const std::filesystem::path& filePath, int32_t appendMode = 0);
    // Ends a run at once without any event (for the window's shutdown): the
    // timer stops, the source and the archive are closed and the temporary
    // archive is deleted, so an archive that had the name before stays. An
    // archive being closed is closed and deleted without taking its name;
    // one being renamed already is waited for, and keeps its name.
    Stopped StopRun();
    // Records the temporary archives of later runs in `journal` (none: not
    // recorded), so that a crash does not leave them behind for ever.
    void SetTemporaryArchiveJournal(std::shared_ptr<TemporaryArchiveJournal> journal);

    // One step of the run; tmrNext calls it, tests may call it directly.
    void tmrNext_Timer();
    QTimer& tmrNext() { return tmrNext_; }

signals:
    void Complete(bool Canceled);
    void EndFile();
    void Error();
    void Progress();
    void StartFile();

private:
    bool openArchive(const std::filesystem::path& filePath, int32_t appendMode);
    std::unique_ptr<EntryFeed> makeFeed();
    void startProof(const std::filesystem::path& filePath, int32_t appendMode);
    int64_t chunksForNextStep() const;
    void openEntry();
    bool takeChunks(uint64_t run);
    bool endPass(uint64_t run);
    void endRun();
    // Closes the archive and renames it into place, on the publisher's thread
    // when there is one; the window's thread leaves the writer alone meanwhile.
    void finishArchive();
    // Proves the closed archive; false with proofFault_ and publishError_ set when it fails.
    bool prove();
    // Renames the finished archive into place; false with publishError_ set when it fails.
    bool publish();
    void published();
    void fail(ZipFailure step, std::error_code reason);
    void refuse(ZipFailure step, std::error_code reason);
    void releaseArchive();
    void resetRunState();
    void wake();
    void wakeIfWaiting();
    bool stale(uint64_t run) const { return run != runId_; }

    const int workers_;
    bool zlibBlocksOnly_ = false;
    WriterFactory makeWriter_;
    std::unique_ptr<ZipWriterInterface> writer_;
    std::deque<ZipFile> queue_;
    ZipDateTimes dates_;
    QTimer tmrNext_;

    std::unique_ptr<WorkerWakeUp> wakeUp_;  // with workers: how they restart the timer
    std::unique_ptr<EntryFeed> feed_;       // during a run
    int64_t bytesRemaining_ = 0;
    bool passUnderWay_ = false;
    bool stepping_ = false;
    bool crcPass_ = false;
    bool crcEntryDropped_ = false;  // ClearFiles ran during the CRC pass
    bool encryptedWrite_ = false;   // the entry being written has a password
    int32_t prePassCrc_ = 0;

    int64_t bytesToZip_ = 0;
    int64_t bytesZipped_ = 0;
    bool cancelRequest_ = false;
    bool moreToCome_ = false;
    ZipFile currentFile_;
    ZipFailure failed_ = ZipFailure::None;
    std::error_code systemError_;
    int32_t result_ = 0;
    bool zipping_ = false;
    uint64_t runId_ = 0;  // changes whenever a run starts or stops

    std::filesystem::path archivePath_;  // the name the archive gets
    TemporaryArchive temporary_;         // where it is written meanwhile (append mode 0)
    // Closes writer_ and renames temporary_ at the end of a run; nothing else
    // touches either meanwhile.
    std::jthread publisher_;
    // Where the publisher is: the rename begins only from Closing, and a stop
    // while closing turns it into Stopped, so only one of them wins.
    enum class Stage { Closing, Renaming, Stopped };
    std::atomic<Stage> stage_{Stage::Closing};
    std::error_code publishError_;  // written by the publisher, read after its join
    std::error_code closeError_;    // the same, for a close cut short on the publisher
    bool closeFailed_ = false;
    bool proofFailed_ = false;
    bool publishFailed_ = false;
    bool named_ = false;            // the archive took its name
    bool publishPending_ = false;  // the run's end waits for published()
    bool publishCanceled_ = false;
    std::unique_ptr<WorkerWakeUp> publishWake_;
    std::shared_ptr<TemporaryArchiveJournal> journal_;

    // Follows the archive as it is written and proves it before it takes its name.
    std::unique_ptr<ArchiveProof> proof_;
    ProofFault proofFault_;
    bool proofSkipped_ = false;
};
