#pragma once
// The zip control's public face: files are queued with AddFile, Zip opens
// the archive, and the timer tmrNext then writes the queue in small steps (at most ten chunks of
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
// This class holds what outlives a run (the queue, the properties, the
// timer); each run is a ZipperRun of its own, made by Zip and let go when
// the run ends, which drives the steps and owns the archive and the threads.
//
// An invisible control: a QObject with a fixed size of 28 x 28 pixels.
#include <QObject>
#include <QTimer>

#include <cstdint>
#include <deque>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <system_error>

#include "ArchivePublisher.h"
#include "ProofFault.h"
#include "ZipDateTimes.h"
#include "ZipFailure.h"
#include "ZipFile.h"
#include "ZipWriterInterface.h"
#include "ZipperRunHost.h"

class TemporaryArchiveJournal;
class ZipperRun;

class Zipper : public QObject, private ZipperRunHost {
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
    static constexpr const char* kPublisherThreadName = ArchivePublisher::kThreadName;

    static constexpr int64_t kChunkSize = ZipperRunHost::kChunkSize;
    static constexpr int kChunksPerStep = ZipperRunHost::kChunksPerStep;
    static constexpr int kFixedSize = 28;  // pixels (420 twips)

    // Writes through the real ZipWriter, with one worker per usable core.
    explicit Zipper(QObject* parent = nullptr);
    // Writes through writers made by `makeWriter` (tests pass a recording fake),
    // on the window's thread alone; each run has a writer of its own.
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
    bool Zipping() const { return run_ != nullptr; }
    // The finished archive is being closed and taking its name (off the
    // window's thread: the central directory of a million entries and a rename
    // over an existing file each take a few hundred milliseconds); Complete or
    // Error follows from the event loop.
    bool Publishing() const;
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
    // What a run sees of its Zipper (ZipperRunHost).
    std::deque<ZipFile>& Queue() override { return queue_; }
    void EmptyQueue() override { ClearFiles(); }
    bool MoreToCome() const override { return moreToCome_; }
    const ZipFile& TakeUp(const ZipFile& entry) override;
    void Zipped(int64_t bytes) override { bytesZipped_ += bytes; }
    void Raise(Event event) override;
    void StepDue() override;
    void Ended(const Outcome& outcome) override;

    // What tmrNext's firing runs: one step or several (see Zipper.cpp).
    void stepsDue();
    // A failure of a call that is not part of a run: Result stays as it is.
    void refuse(ZipFailure step, std::error_code reason);

    const int workers_;
    bool zlibBlocksOnly_ = false;
    bool proofSkipped_ = false;
    WriterFactory makeWriter_;
    std::shared_ptr<TemporaryArchiveJournal> journal_;
    ZipDateTimes dates_;
    std::deque<ZipFile> queue_;
    bool moreToCome_ = false;
    QTimer tmrNext_;
    bool bursting_ = false;    // steps follow one another (stepsDue)
    bool stepWanted_ = false;  // ... and the run asked for the next

    // The properties.
    int64_t bytesToZip_ = 0;
    int64_t bytesZipped_ = 0;
    ZipFile currentFile_;
    ZipFailure failed_ = ZipFailure::None;
    std::error_code systemError_;
    int32_t result_ = 0;
    ProofFault proofFault_;

    // The run under way, from a successful Zip to its end; a step or a
    // wake-up of the run keeps it alive until it returns.
    std::shared_ptr<ZipperRun> run_;
};
