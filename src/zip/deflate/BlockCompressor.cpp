#include "BlockCompressor.h"

#include <libdeflate.h>

#include <algorithm>
#include <cerrno>

namespace {

constexpr size_t kWindow = 32 * 1024;
// Room added each time a piece outgrows its first estimate.
constexpr size_t kMoreRoom = 64 * 1024;

}  // namespace

BlockCompressor::~BlockCompressor()
{
    if (ready_)
        deflateEnd(&stream_);
}

bool BlockCompressor::prepare(int level, std::span<const unsigned char> dictionary)
{
    if (ready_ && level == level_) {
        if (deflateReset(&stream_) != Z_OK)
            return false;
    } else {
        if (ready_)
            deflateEnd(&stream_);
        stream_ = z_stream{};
        // Raw deflate with minizip's own parameters.
        ready_ = deflateInit2(&stream_, level, Z_DEFLATED, -MAX_WBITS, 8, Z_DEFAULT_STRATEGY) == Z_OK;
        level_ = level;
        if (!ready_)
            return false;
    }
    if (dictionary.empty())
        return true;
    return deflateSetDictionary(&stream_, dictionary.data(), static_cast<uInt>(dictionary.size())) == Z_OK;
}

bool BlockCompressor::deflateChunk(std::span<const unsigned char> chunk, bool last, std::vector<unsigned char>& out)
{
    const int flush = last ? Z_FINISH : Z_SYNC_FLUSH;
    stream_.next_in = const_cast<Bytef*>(chunk.data());
    stream_.avail_in = static_cast<uInt>(chunk.size());
    size_t used = out.size();
    out.resize(used + deflateBound(&stream_, static_cast<uLong>(chunk.size())) + 16);
    for (;;) {
        stream_.next_out = out.data() + used;
        stream_.avail_out = static_cast<uInt>(out.size() - used);
        const int err = deflate(&stream_, flush);
        used = out.size() - stream_.avail_out;
        if (err != Z_OK && err != Z_STREAM_END && err != Z_BUF_ERROR)
            return false;
        if (last ? err == Z_STREAM_END : (stream_.avail_in == 0 && stream_.avail_out != 0))
            break;
        out.resize(out.size() + kMoreRoom);
    }
    out.resize(used);
    return true;
}

CompressedBlock BlockCompressor::Run(const CompressionJob& job, const std::atomic<bool>& stop)
{
    CompressedBlock block;
    block.seq = job.seq;
    if (const auto opened = job.source->Open(); !opened) {
        block.status = CompressedBlock::Status::OpenFailed;
        block.error = opened.code();
        return block;
    }
    const bool byZlib = job.kind == CompressionJob::Kind::Deflate;
    const bool byLibdeflate =
        job.kind == CompressionJob::Kind::DeflateByJob || job.kind == CompressionJob::Kind::DeflateWhole;
    // libdeflate takes no preset dictionary: its jobs start afresh.
    const size_t dictionary = byZlib ? static_cast<size_t>(std::min<int64_t>(job.offset, kWindow)) : 0;
    input_.resize(dictionary + static_cast<size_t>(job.length));
    const auto read = job.source->ReadAt(job.offset - int64_t(dictionary), input_.data(), input_.size());
    const size_t got = read ? read.value() : 0;
    if (got < input_.size()) {
        block.status = CompressedBlock::Status::ReadFailed;
        block.error = read.code();
    }
    if (byZlib && !prepare(job.level, {input_.data(), std::min(got, dictionary)})) {
        block.status = CompressedBlock::Status::CompressFailed;
        block.error = std::error_code(ENOMEM, std::system_category());
        return block;
    }
    if (buffers_ != nullptr && job.kind != CompressionJob::Kind::Crc)
        block.data = buffers_->Take();
    // Room for the whole job at once: growing piece by piece would copy it.
    const size_t chunks = static_cast<size_t>((job.length + job.chunkSize - 1) / std::max<int64_t>(job.chunkSize, 1));
    if (job.kind == CompressionJob::Kind::Store)
        block.data.reserve(static_cast<size_t>(job.length));
    else if (byLibdeflate)
        block.pieces.reserve(chunks);
    else if (byZlib)
        block.data.reserve(compressBound(static_cast<uLong>(job.length)) + 32 * chunks);
    if (!doChunks(job, dictionary, got > dictionary ? got - dictionary : 0, block, stop) ||
        (byLibdeflate && !deflateJobWhole(job, block))) {
        block.status = CompressedBlock::Status::CompressFailed;
        block.error = std::error_code(ENOMEM, std::system_category());
    }
    return block;
}

// The job's piece goes with its last chunk. A job not read whole is not
// deflated: its failure comes before its last chunk is asked for.
bool BlockCompressor::deflateJobWhole(const CompressionJob& job, CompressedBlock& block)
{
    const size_t chunks = static_cast<size_t>((job.length + job.chunkSize - 1) / job.chunkSize);
    if (block.status != CompressedBlock::Status::Ok || block.pieces.size() != chunks || chunks == 0)
        return true;
    const size_t begin = block.data.size();
    if (!libdeflate_.Deflate({input_.data(), static_cast<size_t>(job.length)}, job.level, block.data) ||
        (!job.finish && !ending_.Apply(block.data, begin)))
        return false;
    block.pieces.back().end = block.data.size();
    return true;
}

// Every chunk read whole becomes a piece; the first one missing ends the job.
bool BlockCompressor::doChunks(const CompressionJob& job, size_t dictionary, size_t usable, CompressedBlock& block,
                               const std::atomic<bool>& stop)
{
    const size_t length = static_cast<size_t>(job.length);
    const size_t chunkSize = static_cast<size_t>(job.chunkSize);
    for (size_t done = 0; done < length; done += chunkSize) {
        const size_t size = std::min(chunkSize, length - done);
        if (done + size > usable || stop.load(std::memory_order_relaxed))
            break;
        const std::span<const unsigned char> chunk(input_.data() + dictionary + done, size);
        // libdeflate's CRC-32 (the same sum) uses the processor's carry-less
        // multiply: several times zlib's speed.
        const uint32_t crc = libdeflate_crc32(0, chunk.data(), size);
        if (job.kind == CompressionJob::Kind::Store)
            block.data.insert(block.data.end(), chunk.begin(), chunk.end());
        else if (job.kind == CompressionJob::Kind::Deflate &&
                 !deflateChunk(chunk, job.finish && done + size == length, block.data))
            return false;
        block.pieces.push_back({block.data.size(), crc, size});
    }
    return true;
}
