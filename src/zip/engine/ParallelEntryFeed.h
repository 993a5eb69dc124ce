#pragma once
// The feed of a run on several cores: workers read, CRC and compress the
// queued files ahead of their turn (PassScheduler); the window's thread only
// takes the finished pieces in order and writes them raw, encrypting them in
// the writer where the entry has a password. It never waits for a worker:
// ReadyFor says whether the next step's pieces are there.
#include <filesystem>
#include <functional>
#include <optional>

#include "EntryFeed.h"
#include "PassScheduler.h"

class ParallelEntryFeed : public EntryFeed {
public:
    // `wake` is called from a worker's thread when pieces that ReadyFor found
    // missing are there.
    ParallelEntryFeed(const std::deque<ZipFile>& queue, int workers, int64_t chunkSize,
                      std::function<void()> wake, bool zlibBlocksOnly);

    // False when no worker thread could be started: the run cannot use this feed.
    bool HasWorkers() const { return scheduler_.HasWorkers(); }
    bool ReadyFor(int64_t chunks) override;
    void TakeUp(bool crcPass) override;
    FeedResult Begin(ZipWriterInterface& writer, const ZipFile& entry, bool crcPass, int32_t prePassCrc) override;
    FeedResult Chunk(ZipWriterInterface& writer, size_t size) override;
    FeedResult End(ZipWriterInterface& writer, int32_t& crc) override;
    void Abandon() override;
    void QueueCleared() override { scheduler_.DropQueued(); }

private:
    FeedResult blockFailure();

    PassScheduler scheduler_;
    std::optional<CompressedBlock> block_;  // the block the next chunk comes from
    int64_t blockJob_ = -1;
    int64_t chunk_ = 0;  // chunks of the pass handled so far
    bool crcPass_ = false;
    bool deflated_ = false;
    bool piecePerJob_ = false;  // a job's bytes come with its last chunk (libdeflate's)
    std::filesystem::path source_;
    bool encrypted_ = false;
    bool streamEnded_ = false;  // the last piece written ended the deflate stream
    int32_t prePassCrc_ = 0;
    uint32_t crc_ = 0;  // CRC-32 of the pass's data so far
    uint64_t size_ = 0;
    // The last chunks handled whose bytes are not written yet: their job's
    // piece comes with its last chunk.
    uint64_t unwrittenSize_ = 0;
    uint32_t unwrittenCrc_ = 0;
};
