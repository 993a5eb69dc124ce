#include "Zipper.h"

#include <zlib.h>

#include <algorithm>
#include <system_error>

#include "DosAttributes.h"
#include "TemporaryArchive.h"
#include "ZipWriter.h"

namespace fs = std::filesystem;

Zipper::Zipper(QObject* parent)
    : Zipper([] { return std::unique_ptr<ZipWriterInterface>(new ZipWriter); }, parent)
{
}

Zipper::Zipper(WriterFactory makeWriter, QObject* parent)
    : QObject(parent), makeWriter_(std::move(makeWriter)), writer_(makeWriter_())
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

bool Zipper::AddFile(const fs::path& sourceFile, const std::string& asFile, int32_t zMethod,
                     int32_t zLevel, int32_t attrs, const std::string& comment, bool useLastModified,
                     const std::string& password)
{
    std::error_code ec;
    fs::file_status status = fs::status(sourceFile, ec);
    if (ec || !fs::exists(status)) {
        failed_ = "File does not exist";
        return true;
    }
    ZipFile entry;
    entry.SourceFile = sourceFile;
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
        try {
            dates_.GetTimestamps(sourceFile);
        } catch (const std::exception&) {  // ZipDateTimesError, or anything else on the way
            failed_ = "GetTimestamps";
            return true;
        }
        entry.FileDate = dates_.LastModified();
    }
    if (!password.empty()) {
        entry.Password = password;
        entry.NeedCRC = true;
    }
    // Only regular files have a length to zip; a folder or a FIFO is refused
    // here rather than failing (or blocking) later in the run.
    uintmax_t length = fs::is_regular_file(status) ? fs::file_size(sourceFile, ec) : 0;
    if (!fs::is_regular_file(status) || ec) {
        failed_ = "FileLen";
        return true;
    }
    entry.ByteCount = static_cast<int64_t>(length);
    bytesToZip_ += entry.ByteCount;
    queue_.push_back(std::move(entry));
    return false;
}

void Zipper::ClearFiles()
{
    queue_.clear();
    if (crcPass_ && source_.IsOpen())
        crcEntryDropped_ = true;
}

void Zipper::Cancel()
{
    if (zipping_)
        cancelRequest_ = true;
}

bool Zipper::Zip(const fs::path& filePath, int32_t appendMode)
{
    if (zipping_) {
        result_ = 0;
        failed_ = "Already mZipping";
        return true;
    }
    bytesZipped_ = 0;
    archivePath_ = filePath;
    writesTemporary_ = appendMode == 0;
    if (writesTemporary_) {
        std::error_code ec;
        writePath_ = fs::is_directory(filePath, ec) ? fs::path() : ReserveTemporaryArchive(filePath);
        if (writePath_.empty()) {
            failed_ = "OpenZip";
            result_ = -1;  // what the writer reports when the archive cannot be created
            ClearFiles();
            return true;
        }
    } else {
        writePath_ = filePath;
    }
    if (writer_->OpenZip(writePath_.native(), appendMode)) {
        failed_ = "OpenZip";
        result_ = writer_->Result();
        if (writesTemporary_) {
            std::error_code ec;
            fs::remove(writePath_, ec);
        }
        ClearFiles();
        return true;
    }
    zipping_ = true;
    // A cancel left over from a run that failed must not cancel this one.
    cancelRequest_ = false;
    ++runId_;
    // The one allocation of the read buffer for this run; later resizes stay within it.
    buffer_.reserve(static_cast<size_t>(kChunkSize));
    tmrNext_.start();
    return false;
}

void Zipper::StopRun()
{
    if (!zipping_)
        return;
    tmrNext_.stop();
    source_.Close();
    releaseArchive();
    ClearFiles();
    resetRunState();
    cancelRequest_ = false;
}

void Zipper::tmrNext_Timer()
{
    tmrNext_.stop();
    if (!zipping_)
        return;
    const uint64_t run = runId_;

    if (!source_.IsOpen()) {
        if (queue_.empty()) {
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
        if (crcPass_ || !encryptedWrite_)
            bytesRemaining_ = 0;
    }

    for (int i = 0; i < kChunksPerStep; ++i) {
        if (bytesRemaining_ > 0) {
            size_t chunk = static_cast<size_t>(kChunkSize);
            if (bytesRemaining_ >= kChunkSize) {
                bytesRemaining_ -= kChunkSize;
            } else {
                chunk = static_cast<size_t>(bytesRemaining_);
                if (buffer_.size() != chunk)
                    buffer_.resize(chunk);
                bytesRemaining_ = 0;
            }
            if (!crcPass_)
                bytesZipped_ += static_cast<int64_t>(chunk);
            if (!source_.ReadExactly(buffer_.data(), chunk)) {
                source_.Close();
                fail("ReadFile");
                return;
            }
            std::span<const unsigned char> bytes(buffer_.data(), chunk);
            if (crcPass_) {
                writer_->CrcBytes(bytes);
            } else {
                if (encryptedWrite_)
                    writeCrc_ = static_cast<uint32_t>(crc32(writeCrc_, bytes.data(), static_cast<uInt>(chunk)));
                if (writer_->WriteBytes(bytes)) {
                    source_.Close();
                    fail("WriteBytes");
                    return;
                }
            }
            emit Progress();
            if (stale(run))
                return;
            continue;
        }

        source_.Close();
        if (crcPass_) {
            prePassCrc_ = writer_->CloseCrc();
            if (!crcEntryDropped_ && !queue_.empty())
                queue_.front().NeedCRC = false;
        } else {
            // The file changed between its CRC pass and now: the entry's
            // password check would not match its data.
            if (encryptedWrite_ && static_cast<int32_t>(writeCrc_) != prePassCrc_) {
                fail("ReadFile");
                return;
            }
            // The writer reports a failed close only in Result, so that is checked too.
            if (writer_->CloseFileInZip() || writer_->Result() != 0) {
                fail("CloseFileInZip");
                return;
            }
            emit EndFile();
            if (stale(run))
                return;
        }
        break;
    }
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
    emit StartFile();
    if (stale(run))
        return;

    if (!crcPass_) {
        if (writer_->OpenFileInZip(currentFile_.AsFile, currentFile_.ZMethod, currentFile_.ZLevel,
                                   currentFile_.Attrs, currentFile_.Comment, currentFile_.FileDate,
                                   currentFile_.Password, prePassCrc_,
                                   static_cast<uint64_t>(currentFile_.ByteCount))) {
            fail("OpenFileInZip");
            return;
        }
        encryptedWrite_ = !currentFile_.Password.empty();
        writeCrc_ = static_cast<uint32_t>(crc32(0L, Z_NULL, 0));
    } else {
        writer_->OpenCrc();
    }

    if (!source_.Open(currentFile_.SourceFile)) {
        fail("ReadFile");
        return;
    }
    bytesRemaining_ = currentFile_.ByteCount;
    buffer_.resize(static_cast<size_t>(std::min(bytesRemaining_, kChunkSize)));
}

void Zipper::endRun()
{
    if (writer_->CloseZip() || writer_->Result() != 0) {
        fail("CloseZip");
        return;
    }
    if (writesTemporary_) {
        std::error_code ec;
        fs::rename(writePath_, archivePath_, ec);
        if (ec) {
            failed_ = "RenameZip";
            result_ = writer_->Result();
            fs::remove(writePath_, ec);
            ClearFiles();
            resetRunState();
            emit Error();
            return;
        }
    }
    resetRunState();
    const bool canceled = cancelRequest_;
    // Cleared before the event, so a new run started from the handler keeps
    // its own cancel request.
    cancelRequest_ = false;
    emit Complete(canceled);
}

// The run stops on a failure: the archive is released (closed, and deleted
// when it was written under a temporary name) so the next Zip can start.
void Zipper::fail(const char* step)
{
    failed_ = step;
    result_ = writer_->Result();
    source_.Close();
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
    if (writesTemporary_) {
        std::error_code ec;
        fs::remove(writePath_, ec);
    }
}

void Zipper::resetRunState()
{
    buffer_.clear();
    buffer_.shrink_to_fit();
    bytesRemaining_ = 0;
    crcPass_ = false;
    encryptedWrite_ = false;
    bytesToZip_ = 0;
    zipping_ = false;
    ++runId_;
}
