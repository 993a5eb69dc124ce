#pragma once
// The feed of a run on one core: each chunk is read on the window's thread
// and handed to the writer, which deflates it.
#include <vector>

#include "EntryFeed.h"
#include "SourceFileReader.h"

class InlineEntryFeed : public EntryFeed {
public:
    explicit InlineEntryFeed(int64_t chunkSize);

    bool ReadyFor(int64_t) override { return true; }
    void TakeUp(bool) override {}
    FeedResult Begin(ZipWriterInterface& writer, const ZipFile& entry, bool crcPass, int32_t prePassCrc) override;
    FeedResult Chunk(ZipWriterInterface& writer, size_t size) override;
    FeedResult End(ZipWriterInterface& writer, int32_t& crc) override;
    void Abandon() override {}
    void QueueCleared() override {}

private:
    SourceFileReader source_;
    std::vector<unsigned char> buffer_;
    bool crcPass_ = false;
    bool encrypted_ = false;
    int32_t prePassCrc_ = 0;
    uint32_t writeCrc_ = 0;  // CRC of the bytes written for an encrypted entry
};
