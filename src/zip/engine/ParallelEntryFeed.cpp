#include "ParallelEntryFeed.h"

#include <zlib.h>

#include <algorithm>
#include <cerrno>

#include "BlockCompressor.h"
#include "WrittenPrefix.h"

ParallelEntryFeed::ParallelEntryFeed(const std::deque<ZipFile>& queue, int workers, int64_t chunkSize,
                                     std::function<void()> wake, bool zlibBlocksOnly)
    : scheduler_(queue, workers, chunkSize, std::move(wake), zlibBlocksOnly)
{
}

bool ParallelEntryFeed::ReadyFor(int64_t chunks)
{
    const PassPlan* current = scheduler_.Current();
    if (current == nullptr) {
        // A pass is taken up only once its first job is back: it tells
        // whether the file could be opened.
        const PassPlan* next = scheduler_.Upcoming();
        if (next == nullptr)
            return true;
        const int64_t lastChunk = std::max<int64_t>(0, std::min(chunks, next->chunks) - 1);
        return scheduler_.Ready(0, next->JobOfChunk(lastChunk));
    }
    const int64_t end = std::min(chunk_ + chunks, current->chunks);
    if (end <= chunk_)
        return true;
    int64_t first = current->JobOfChunk(chunk_);
    if (block_ && blockJob_ == first)
        ++first;
    const int64_t last = current->JobOfChunk(end - 1);
    return first > last || scheduler_.Ready(first, last);
}

void ParallelEntryFeed::TakeUp(bool crcPass)
{
    scheduler_.BeginNext(!crcPass);
}

FeedResult ParallelEntryFeed::Begin(ZipWriterInterface& writer, const ZipFile& entry, bool crcPass,
                                    int32_t prePassCrc)
{
    const PassPlan* plan = scheduler_.Current();
    block_ = plan != nullptr ? scheduler_.Take(0) : std::nullopt;
    blockJob_ = 0;
    chunk_ = 0;
    crcPass_ = crcPass;
    piecePerJob_ = plan != nullptr && (plan->kind == CompressionJob::Kind::DeflateByJob ||
                                       plan->kind == CompressionJob::Kind::DeflateWhole);
    deflated_ = piecePerJob_ || (plan != nullptr && plan->kind == CompressionJob::Kind::Deflate);
    source_ = entry.SourceFile;
    encrypted_ = !entry.Password.empty();
    streamEnded_ = false;
    prePassCrc_ = prePassCrc;
    crc_ = static_cast<uint32_t>(crc32(0L, Z_NULL, 0));
    size_ = 0;
    unwrittenSize_ = 0;
    unwrittenCrc_ = 0;
    if (!crcPass && writer.OpenRawFileInZip(entry.AsFile, entry.ZMethod, entry.ZLevel, entry.Attrs, entry.Comment,
                                            entry.FileDate, entry.Password, prePassCrc,
                                            static_cast<uint64_t>(entry.ByteCount), entry.Times)) {
        return Failed(ZipFailure::OpenFileInZip, writer.SystemError());
    }
    if (!block_ || block_->status == CompressedBlock::Status::OpenFailed) {
        return Failed(ZipFailure::ReadFile, block_ ? block_->error : std::error_code());
    }
    return {};
}

// The block ran out before the chunk asked for: its failure is the run's.
FeedResult ParallelEntryFeed::blockFailure()
{
    const std::error_code reason = block_ ? block_->error : std::error_code();
    if (block_ && block_->status == CompressedBlock::Status::CompressFailed)
        return Failed(ZipFailure::WriteBytes, reason);
    return Failed(ZipFailure::ReadFile, reason);
}

FeedResult ParallelEntryFeed::Chunk(ZipWriterInterface& writer, size_t size)
{
    const PassPlan& plan = *scheduler_.Current();
    const int64_t job = plan.JobOfChunk(chunk_);
    if (blockJob_ != job) {
        block_ = scheduler_.Take(job);
        blockJob_ = job;
    }
    const size_t index = static_cast<size_t>(chunk_ - job * plan.chunksPerJob);
    if (!block_ || index >= block_->pieces.size() || block_->pieces[index].length != size)
        return blockFailure();
    const CompressedBlock::Piece& piece = block_->pieces[index];
    const size_t begin = index > 0 ? block_->pieces[index - 1].end : 0;
    // Combining costs a few matrix products; the first piece needs none.
    crc_ = size_ == 0 ? piece.crc
                      : static_cast<uint32_t>(crc32_combine(crc_, piece.crc, static_cast<z_off_t>(piece.length)));
    size_ += piece.length;
    ++chunk_;
    if (!crcPass_) {
        streamEnded_ = deflated_ && chunk_ == plan.chunks;
        // A job's piece comes with its last chunk; the chunks before it have
        // nothing to write.
        if (piece.end == begin) {
            unwrittenCrc_ = unwrittenSize_ == 0 ? piece.crc
                                                : static_cast<uint32_t>(crc32_combine(
                                                      unwrittenCrc_, piece.crc, static_cast<z_off_t>(piece.length)));
            unwrittenSize_ += piece.length;
        } else if (writer.WriteBytes({block_->data.data() + begin, piece.end - begin})) {
            return Failed(ZipFailure::WriteBytes, writer.SystemError());
        } else {
            unwrittenSize_ = 0;
        }
    }
    // A block is let go once its job's chunks are all handled (not when a
    // failed block runs out: its failure is still to come).
    if (chunk_ % plan.chunksPerJob == 0 || chunk_ == plan.chunks) {
        scheduler_.Recycle(std::move(block_->data));
        block_.reset();
    }
    return {};
}

FeedResult ParallelEntryFeed::End(ZipWriterInterface& writer, int32_t& crc)
{
    block_.reset();
    scheduler_.EndCurrent();
    // A piece cut short by a cancel was never written: the chunks of its job
    // handled so far go in as they are, so the entry holds what the events
    // said was written, as on one core.
    if (!crcPass_ && piecePerJob_ && !streamEnded_ && unwrittenSize_ > 0) {
        if (const auto written =
                WrittenPrefix::Write(writer, source_, size_ - unwrittenSize_, unwrittenSize_, unwrittenCrc_);
            !written)
            return Failed(written.kind(), written.code());
        streamEnded_ = true;
    }
    if (crcPass_) {
        crc = static_cast<int32_t>(crc_);
        return {};
    }
    // The file changed between its CRC pass and now: the entry's password
    // check would not match its data.
    if (encrypted_ && static_cast<int32_t>(crc_) != prePassCrc_) {
        return Failed(ZipFailure::ReadFile);
    }
    // An empty file, or one cut short, still needs its stream's end.
    const bool failed =
        (deflated_ && !streamEnded_ && writer.WriteBytes(BlockCompressor::kEndOfStream)) ||
        writer.CloseRawFileInZip(size_, static_cast<int32_t>(crc_)) || writer.Result() != 0;
    if (failed) {
        return Failed(ZipFailure::CloseFileInZip, writer.SystemError());
    }
    return {};
}

void ParallelEntryFeed::Abandon()
{
    if (scheduler_.Current() == nullptr)
        return;
    const int64_t job = scheduler_.Current()->JobOfChunk(chunk_);
    scheduler_.StopCurrentAt(block_ && blockJob_ == job ? job + 1 : job);
}
