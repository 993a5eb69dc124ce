#pragma once
// Where a run's step gets one file's data from and where it hands it: the
// Zipper decides what happens in a step and raises the events; a feed does
// the reading, compressing and writing of one pass over one queued file (the
// CRC pre-pass of an encrypted entry, or the write pass). Methods run on the
// window's thread and succeed, or fail with the failed step's kind and the
// system's reason beside it.
#include <cstddef>
#include <cstdint>
#include <system_error>

#include "Result.h"
#include "ZipFailure.h"
#include "ZipFile.h"
#include "ZipWriterInterface.h"

using FeedResult = Result<void, ZipFailure>;

class EntryFeed {
public:
    virtual ~EntryFeed() = default;

    // True when the next step can handle `chunks` chunks of the pass under
    // way (with none under way: take up the queue's first file and handle
    // that many of its chunks) without waiting. When false, the feed calls
    // back once that becomes true.
    virtual bool ReadyFor(int64_t chunks) = 0;
    // The queue's first file is taken up (before StartFile is raised, so a
    // handler that empties the queue does not take it away).
    virtual void TakeUp(bool crcPass) = 0;
    // Starts a pass over `entry`; the write pass opens its entry in `writer`.
    virtual FeedResult Begin(ZipWriterInterface& writer, const ZipFile& entry, bool crcPass,
                             int32_t prePassCrc) = 0;
    // Handles the pass's next chunk, of `size` bytes.
    virtual FeedResult Chunk(ZipWriterInterface& writer, size_t size) = 0;
    // Ends the pass: a CRC pass gives its CRC; a write pass closes its entry.
    virtual FeedResult End(ZipWriterInterface& writer, int32_t& crc) = 0;
    // No more chunks of the pass under way will be asked for (a cancel).
    virtual void Abandon() = 0;
    // The queue was emptied: files not yet taken up will not be asked for.
    virtual void QueueCleared() = 0;

protected:
    static FeedResult Failed(ZipFailure step, std::error_code reason = {}) { return Fault<ZipFailure>{step, reason}; }
};
