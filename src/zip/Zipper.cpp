#include "Zipper.h"

#include <algorithm>
#include <cerrno>
#include <chrono>

#include "DosAttributes.h"
#include "UsableCores.h"
#include "ZipWriter.h"
#include "ZipperRun.h"

namespace fs = std::filesystem;

namespace {

constexpr std::chrono::milliseconds kStepBurst{4};

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
    : QObject(parent), workers_(std::max(1, workers)), makeWriter_(std::move(makeWriter))
{
    // Zero interval: the next step runs as soon as the window has handled its
    // pending events. The chunk limit, not a pause, bounds a step's busy time.
    tmrNext_.setInterval(0);
    connect(&tmrNext_, &QTimer::timeout, this, &Zipper::stepsDue);
}

Zipper::~Zipper()
{
    StopRun();
}

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
    if (moreToCome_ && run_)
        run_->Wake();
}

void Zipper::SetMoreToCome(bool more)
{
    moreToCome_ = more;
    if (!more && run_)
        run_->Wake();
}

void Zipper::ClearFiles()
{
    queue_.clear();
    if (run_)
        run_->QueueCleared();
}

void Zipper::Cancel()
{
    if (run_)
        run_->Cancel();
}

void Zipper::SetTemporaryArchiveJournal(std::shared_ptr<TemporaryArchiveJournal> journal)
{
    journal_ = std::move(journal);
}

bool Zipper::Publishing() const
{
    return run_ && run_->Publishing();
}

bool Zipper::Zip(const fs::path& filePath, int32_t appendMode)
{
    if (run_) {
        result_ = 0;
        refuse(ZipFailure::AlreadyZipping, {});
        return true;
    }
    bytesZipped_ = 0;
    proofFault_ = {};
    ZipperRunHost& host = *this;
    auto run = std::make_shared<ZipperRun>(host, makeWriter_());
    const ZipperRun::Options options{.workers = workers_,
                                     .zlibBlocksOnly = zlibBlocksOnly_,
                                     .proofSkipped = proofSkipped_,
                                     .journal = journal_};
    if (const auto opened = run->Open(filePath, appendMode, options); !opened) {
        result_ = opened.kind();
        refuse(ZipFailure::OpenZip, opened.code());
        ClearFiles();
        return true;
    }
    run_ = std::move(run);
    tmrNext_.start();
    return false;
}

Zipper::Stopped Zipper::StopRun()
{
    if (!run_)
        return Stopped::NoRun;
    const std::shared_ptr<ZipperRun> run = std::move(run_);
    tmrNext_.stop();
    stepWanted_ = false;
    const bool written = run->Stop();
    queue_.clear();
    bytesToZip_ = 0;
    moreToCome_ = false;
    return written ? Stopped::Written : Stopped::NotWritten;
}

// A step of a tiny file takes microseconds, far less than the event loop's
// turn around it: while the next step is due at once, steps follow one
// another for up to kStepBurst, and the window answers after them. Each is a
// step of its own, with its events, as when the timer fires for each; within
// the burst the timer is not started and stopped for each.
void Zipper::stepsDue()
{
    const auto until = std::chrono::steady_clock::now() + kStepBurst;
    bursting_ = true;
    do {
        stepWanted_ = false;
        tmrNext_Timer();
    } while (stepWanted_ && std::chrono::steady_clock::now() < until);
    bursting_ = false;
    if (stepWanted_)
        tmrNext_.start();
}

void Zipper::tmrNext_Timer()
{
    tmrNext_.stop();
    // The step keeps its run alive: a handler of its events may end it.
    if (const std::shared_ptr<ZipperRun> run = run_)
        run->Step();
}

const ZipFile& Zipper::TakeUp(const ZipFile& entry)
{
    currentFile_ = entry;
    return currentFile_;
}

void Zipper::Raise(Event event)
{
    switch (event) {
    case Event::StartFile:
        emit StartFile();
        break;
    case Event::Progress:
        emit Progress();
        break;
    case Event::EndFile:
        emit EndFile();
        break;
    }
}

void Zipper::StepDue()
{
    if (bursting_)
        stepWanted_ = true;
    else if (!tmrNext_.isActive())
        tmrNext_.start();
}

void Zipper::Ended(const Outcome& outcome)
{
    run_.reset();
    tmrNext_.stop();
    stepWanted_ = false;
    bytesToZip_ = 0;
    moreToCome_ = false;
    if (outcome.failed != ZipFailure::None) {
        failed_ = outcome.failed;
        systemError_ = outcome.reason;
        result_ = outcome.result;
        proofFault_ = outcome.proof;
        queue_.clear();
        emit Error();
        return;
    }
    emit Complete(outcome.canceled);
}
