#include "Zipper.h"

#include <algorithm>
#include <cerrno>

#include "ArchiveProof.h"
#include "DosAttributes.h"
#include "InlineEntryFeed.h"
#include "ParallelEntryFeed.h"
#include "UsableCores.h"
#include "ThreadStart.h"
#include "WorkerWakeUp.h"
#include "ZipWriter.h"

namespace fs = std::filesystem;

namespace {

std::error_code systemError(int err)
{
    return std::error_code(err, std::system_category());
}

}  // namespace

Zipper::Zipper(QObject* parent)
    : Zipper(UsableCores(), [] { return std::unique_ptr<ZipWriterInterface>(new ZipWriter); }, parent)
{
}

Zipper::Zipper(WriterFactory makeWriter, QObject* parent) : Zipper(1, std::move(makeWriter), parent) {}

Zipper::Zipper(int workers, WriterFactory makeWriter, QObject* parent)
    : QObject(parent), workers_(std::max(1, workers)), makeWriter_(std::move(makeWriter)), writer_(makeWriter_())
{
    // Zero interval: the next step runs as soon as the window has handled its
    // pending events. The chunk limit, not a pause, bounds a step's busy time.
    tmrNext_.setInterval(0);
    connect(&tmrNext_, &QTimer::timeout, this, &Zipper::tmrNext_Timer);
}

Zipper::~Zipper()
{
    StopRun();
}

// A failure of a call that is not part of a run: Result stays as it is.
void Zipper::refuse(ZipFailure step, std::error_code reason)
{
    failed_ = step;
    systemError_ = reason;
}

bool Zipper::AddFile(const fs::path& sourceFile, const std::string& asFile, int32_t zMethod,
                     int32_t zLevel, int32_t attrs, const std::string& comment, bool useLastModified,
                     const std::string& password)
{
    std::error_code ec;
    fs::file_status status = fs::status(sourceFile, ec);
    if (ec || !fs::exists(status)) {
        refuse(ZipFailure::FileDoesNotExist, ec ? ec : systemError(ENOENT));
        return true;
    }
    ZipFile entry;
    entry.SourceFile = sourceFile.native();
    if (asFile.empty()) {
        const std::string& whole = sourceFile.native();
        size_t slash = whole.rfind('/');
        entry.AsFile = slash == std::string::npos ? whole : whole.substr(slash + 1);
    } else {
        entry.AsFile = asFile;
    }
    entry.ZMethod = zMethod;
    entry.ZLevel = zLevel;
    entry.Attrs = attrs != 0 ? attrs : DosAttributes(sourceFile, status);
    entry.Comment = comment;
    if (useLastModified) {
        if (const auto read = dates_.GetTimestamps(sourceFile); !read) {
            refuse(ZipFailure::GetTimestamps, read.code());
            return true;
        }
        entry.FileDate = dates_.LastModified();
        entry.Times = dates_.Times();
    }
    if (!password.empty()) {
        entry.Password = password;
        entry.NeedCRC = true;
    }
    // Only regular files have a length to zip; a folder or a FIFO is refused
    // here rather than failing (or blocking) later in the run.
    uintmax_t length = fs::is_regular_file(status) ? fs::file_size(sourceFile, ec) : 0;
    if (!fs::is_regular_file(status) || ec) {
        refuse(ZipFailure::FileLen, ec ? ec : fs::is_directory(status) ? systemError(EISDIR) : std::error_code());
        return true;
    }
    entry.ByteCount = static_cast<int64_t>(length);
    bytesToZip_ += entry.ByteCount;
    queue_.push_back(std::move(entry));
    return false;
}

void Zipper::AddMeasuredFile(ZipFile entry)
{
    if (!entry.Password.empty())
        entry.NeedCRC = true;
    bytesToZip_ += entry.ByteCount;
    queue_.push_back(std::move(entry));
    if (moreToCome_)
        wake();
}

void Zipper::SetMoreToCome(bool more)
{
    moreToCome_ = more;
    if (!more)
        wake();
}

void Zipper::ClearFiles()
{
    queue_.clear();
    if (crcPass_ && passUnderWay_)
        crcEntryDropped_ = true;
    if (feed_) {
        feed_->QueueCleared();
        wakeIfWaiting();
    }
}

void Zipper::Cancel()
{
    if (zipping_) {
        cancelRequest_ = true;
        wakeIfWaiting();
    }
}

// A run waiting for its workers looks again at once after a change that may
// mean it need not wait (a cancel, an emptied queue).
void Zipper::wakeIfWaiting()
{
    if (zipping_ && workers_ > 1 && !stepping_ && !tmrNext_.isActive())
        tmrNext_.start();
}

// A wake-up left over from an earlier run at worst costs one step that finds
// nothing to do.
void Zipper::wake()
{
    if (zipping_ && !stepping_ && !tmrNext_.isActive())
        tmrNext_.start();
}

void Zipper::SetTemporaryArchiveJournal(std::shared_ptr<TemporaryArchiveJournal> journal)
{
    journal_ = std::move(journal);
}

bool Zipper::Zip(const fs::path& filePath, int32_t appendMode)
{
    if (zipping_) {
        result_ = 0;
        refuse(ZipFailure::AlreadyZipping, {});
        return true;
    }
    bytesZipped_ = 0;
    archivePath_ = filePath;
    if (!openArchive(filePath, appendMode)) {
        ClearFiles();
        return true;
    }
    zipping_ = true;
    // A cancel left over from a run that failed must not cancel this one.
    cancelRequest_ = false;
    ++runId_;
    feed_ = makeFeed();
    // After the feed, whose workers take the first threads a test refuses.
    startProof(filePath, appendMode);
    tmrNext_.start();
    return false;
}

void Zipper::startProof(const fs::path& filePath, int32_t appendMode)
{
    proof_.reset();
    proofFault_ = {};
    // A writer that writes no file (a test's stand-in) has nothing to prove.
    if (proofSkipped_ || writer_->SettledBytes() < 0)
        return;
    proof_ = std::make_unique<ArchiveProof>(appendMode == 0 ? temporary_.Path() : filePath, appendMode == 0);
}

// Opens the archive in the writer, under a temporary name for append mode 0;
// false with the failure set.
bool Zipper::openArchive(const fs::path& filePath, int32_t appendMode)
{
    if (appendMode == 0) {
        std::error_code ec;
        std::error_code reason;
        if (fs::is_directory(filePath, ec))
            reason = systemError(EISDIR);
        else if (const auto reserved = temporary_.Reserve(filePath, journal_); !reserved)
            reason = reserved.code() ? reserved.code() : systemError(EIO);
        if (reason) {
            // What the writer reports when the archive cannot be created.
            result_ = -1;
            refuse(ZipFailure::OpenZip, reason);
            return false;
        }
    }
    if (writer_->OpenZip(appendMode == 0 ? temporary_.Path().native() : filePath.native(), appendMode)) {
        result_ = writer_->Result();
        refuse(ZipFailure::OpenZip, writer_->SystemError());
        temporary_.Discard();
        return false;
    }
    return true;
}

std::unique_ptr<EntryFeed> Zipper::makeFeed()
{
    if (workers_ > 1) {
        // Made again after a failure: the open-file limit may have eased.
        if (!wakeUp_ || wakeUp_->Error())
            wakeUp_ = std::make_unique<WorkerWakeUp>([this] { wake(); });
        // Without a way for the workers to wake this thread, or without any
        // worker the system let start, the run goes on this thread alone.
        if (!wakeUp_->Error()) {
            // Called on a worker's thread: the step is started on the window's.
            WorkerWakeUp* wakeUp = wakeUp_.get();
            auto feed = std::make_unique<ParallelEntryFeed>(queue_, workers_, kChunkSize,
                                                            [wakeUp] { wakeUp->Notify(); }, zlibBlocksOnly_);
            if (feed->HasWorkers())
                return feed;
        }
    }
    return std::make_unique<InlineEntryFeed>(kChunkSize);
}

Zipper::Stopped Zipper::StopRun()
{
    if (publisher_.joinable()) {
        // Still closing: the archive never takes its name. Renaming already:
        // the rename is waited for and the archive keeps its name.
        Stage closing = Stage::Closing;
        stage_.compare_exchange_strong(closing, Stage::Stopped);
        publisher_.request_stop();
        publisher_.join();
    }
    // A finished archive whose Complete has not come yet is written all the same.
    const bool written = publishPending_ && named_;
    publishPending_ = false;
    if (!zipping_)
        return Stopped::NoRun;
    tmrNext_.stop();
    releaseArchive();
    ClearFiles();
    resetRunState();
    cancelRequest_ = false;
    return written ? Stopped::Written : Stopped::NotWritten;
}

// How many chunks the next step will handle: those of the file under way, or
// of the next one to be taken up. A cancel stops every pass at once except an
// encrypted write, which must be finished to be readable.
int64_t Zipper::chunksForNextStep() const
{
    int64_t bytes = bytesRemaining_;
    bool stopsAtOnce = crcPass_ || !encryptedWrite_;
    if (!passUnderWay_) {
        if (queue_.empty())
            return 0;
        const ZipFile& next = queue_.front();
        bytes = next.ByteCount;
        stopsAtOnce = next.NeedCRC || next.Password.empty();
    }
    if (cancelRequest_ && stopsAtOnce)
        return 0;
    return std::min<int64_t>(kChunksPerStep, (bytes + kChunkSize - 1) / kChunkSize);
}

void Zipper::tmrNext_Timer()
{
    tmrNext_.stop();
    if (!zipping_ || stepping_ || publisher_.joinable())
        return;
    // A step never waits for a worker: without its data it ends here, and
    // the feed restarts the timer once the data is there.
    if (!feed_->ReadyFor(chunksForNextStep()))
        return;
    const uint64_t run = runId_;
    stepping_ = true;
    if (!passUnderWay_) {
        if (queue_.empty()) {
            stepping_ = false;
            // AddMeasuredFile or SetMoreToCome starts the next step.
            if (!moreToCome_ || cancelRequest_)
                endRun();
            return;
        }
        openEntry();
        if (stale(run) || !zipping_)
            return;
    }

    if (cancelRequest_) {
        ClearFiles();
        // An encrypted entry cut short could not be opened with its password
        // (its header check comes from the whole file's CRC), so it is
        // written whole; everything else stops here.
        if (crcPass_ || !encryptedWrite_) {
            bytesRemaining_ = 0;
            feed_->Abandon();
        }
    }
    if (!takeChunks(run))
        return;
    // A large entry is proven as far as it is written out.
    if (proof_ && passUnderWay_ && !crcPass_)
        proof_->Settled(writer_->SettledBytes(), writer_->WrittenOutBytes());
    stepping_ = false;
    if (feed_->ReadyFor(chunksForNextStep()))
        tmrNext_.start();
}

// Takes up the first queued file: its CRC pass (the entry stays queued for its
// write pass) or its write pass (the entry leaves the queue).
void Zipper::openEntry()
{
    const uint64_t run = runId_;
    currentFile_ = queue_.front();
    crcPass_ = currentFile_.NeedCRC;
    crcEntryDropped_ = false;
    encryptedWrite_ = false;
    if (!crcPass_)
        queue_.pop_front();
    feed_->TakeUp(crcPass_);
    passUnderWay_ = true;
    emit StartFile();
    if (stale(run))
        return;

    if (const FeedResult begun = feed_->Begin(*writer_, currentFile_, crcPass_, prePassCrc_); !begun) {
        fail(begun.kind(), begun.code());
        return;
    }
    encryptedWrite_ = !crcPass_ && !currentFile_.Password.empty();
    bytesRemaining_ = currentFile_.ByteCount;
    if (proof_ && !crcPass_)
        proof_->Expect(currentFile_.AsFile, currentFile_.Password, static_cast<uint64_t>(currentFile_.ByteCount));
}

// Up to ten chunks of the pass under way, and its end if it comes within
// them. False when the step must end here (the run failed or was stopped).
bool Zipper::takeChunks(uint64_t run)
{
    for (int i = 0; i < kChunksPerStep; ++i) {
        if (bytesRemaining_ == 0)
            return endPass(run);
        const int64_t chunk = std::min(bytesRemaining_, kChunkSize);
        bytesRemaining_ -= chunk;
        if (!crcPass_)
            bytesZipped_ += chunk;
        if (const FeedResult handled = feed_->Chunk(*writer_, static_cast<size_t>(chunk)); !handled) {
            fail(handled.kind(), handled.code());
            return false;
        }
        emit Progress();
        if (stale(run))
            return false;
    }
    return true;
}

bool Zipper::endPass(uint64_t run)
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
        if (!crcEntryDropped_ && !queue_.empty())
            queue_.front().NeedCRC = false;
        return true;
    }
    if (proof_)
        proof_->Settled(writer_->SettledBytes(), writer_->WrittenOutBytes());
    emit EndFile();
    return !stale(run);
}

void Zipper::endRun()
{
    publishCanceled_ = cancelRequest_;
    publishPending_ = true;
    publishError_ = {};
    closeError_ = {};
    closeFailed_ = false;
    publishFailed_ = false;
    proofFailed_ = false;
    named_ = false;
    stage_ = Stage::Closing;
    tmrNext_.stop();
    // The workers are done. Closing writes the central directory (60 MB for
    // a million entries) and the rename may wait for the file system (ext4
    // writes a replaced file's data out first), so both have a thread.
    feed_.reset();
    if (!publishWake_ || publishWake_->Error())
        publishWake_ = std::make_unique<WorkerWakeUp>([this] { published(); });
    if (!publishWake_->Error()) {
        try {
            WorkerWakeUp* wakeUp = publishWake_.get();
            publisher_ = ThreadStart::Launch<std::jthread>(
                kPublisherThreadName,
                [this, wakeUp] {
                    finishArchive();
                    wakeUp->Notify();
                },
                // The run ends with the reason, the archive not named.
                [this, wakeUp](std::error_code reason) {
                    if (!named_) {
                        closeFailed_ = true;
                        closeError_ = reason;
                    }
                    wakeUp->Notify();
                });
            return;
        } catch (const std::system_error&) {
            // No thread to be had: the archive is finished here, as it always was.
        }
    }
    finishArchive();
    published();
}

void Zipper::finishArchive()
{
    closeFailed_ = writer_->CloseZip() || writer_->Result() != 0;
    if (closeFailed_)
        return;
    proofFailed_ = !prove();
    if (proofFailed_)
        return;  // the archive was closed whole; only its temporary file goes
    if (!temporary_.Held()) {
        named_ = true;  // written in place
        return;
    }
    Stage closing = Stage::Closing;
    if (!stage_.compare_exchange_strong(closing, Stage::Renaming))
        return;  // stopped before the rename: StopRun deletes the file
    publishFailed_ = !publish();
    named_ = !publishFailed_;
}

bool Zipper::prove()
{
    if (!proof_)
        return true;
    const auto proven = proof_->Finish();
    if (!proven) {
        proofFault_ = proven.kind();
        publishError_ = proven.code();
    }
    return static_cast<bool>(proven);
}

bool Zipper::publish()
{
    const auto done = temporary_.Publish(archivePath_);
    if (!done)
        publishError_ = done.code();
    return static_cast<bool>(done);
}

void Zipper::published()
{
    if (!publishPending_)
        return;  // a wake-up for a run that StopRun ended
    publishPending_ = false;
    if (publisher_.joinable())
        publisher_.join();
    if (closeFailed_) {
        fail(ZipFailure::CloseZip, closeError_ ? closeError_ : writer_->SystemError());
        return;
    }
    if (proofFailed_) {
        // The archive was closed whole; only its temporary file goes.
        fail(ZipFailure::ProveZip, publishError_);
        return;
    }
    if (publishFailed_) {
        failed_ = ZipFailure::RenameZip;
        systemError_ = publishError_;
        result_ = writer_->Result();
        temporary_.Discard();
        ClearFiles();
        resetRunState();
        emit Error();
        return;
    }
    resetRunState();
    const bool canceled = publishCanceled_;
    // Cleared before the event, so a new run started from the handler keeps
    // its own cancel request.
    cancelRequest_ = false;
    emit Complete(canceled);
}

// The run stops on a failure: the archive is released (closed, and deleted
// when it was written under a temporary name) so the next Zip can start.
void Zipper::fail(ZipFailure step, std::error_code reason)
{
    failed_ = step;
    systemError_ = reason;
    result_ = writer_->Result();
    releaseArchive();
    ClearFiles();
    resetRunState();
    emit Error();
}

void Zipper::releaseArchive()
{
    // A writer whose close failed may still hold the archive; a fresh one
    // takes its place (destroying the old one releases what it can).
    if (writer_->CloseZip() || writer_->Result() != 0)
        writer_ = makeWriter_();
    temporary_.Discard();
}

void Zipper::resetRunState()
{
    tmrNext_.stop();
    // Stops and joins the workers of a parallel run.
    feed_.reset();
    bytesRemaining_ = 0;
    passUnderWay_ = false;
    stepping_ = false;
    crcPass_ = false;
    encryptedWrite_ = false;
    bytesToZip_ = 0;
    zipping_ = false;
    moreToCome_ = false;
    proof_.reset();
    ++runId_;
}
