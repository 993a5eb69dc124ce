#pragma once
// What one run sees of the Zipper that made it: the queue it takes files
// from, the properties it moves on, the events it raises, the timer it asks
// for its next step, and where it hands its outcome when it ends. The Zipper
// is the only host; the run never reaches it any other way.
#include <cstdint>
#include <deque>
#include <system_error>

#include "ProofFault.h"
#include "ZipFailure.h"
#include "ZipFile.h"

class ZipperRunHost {
public:
    // A step reads at most kChunksPerStep chunks of kChunkSize bytes.
    static constexpr int64_t kChunkSize = 131072;
    static constexpr int kChunksPerStep = 10;

    enum class Event { StartFile, Progress, EndFile };

    // How a run ended: completed (failed None), or failed at a step.
    struct Outcome {
        ZipFailure failed = ZipFailure::None;
        std::error_code reason;  // the system's reason, when there was one
        int32_t result = 0;      // the writer's code for the failure
        ProofFault proof;        // what the proof found, for ProveZip
        bool canceled = false;   // a completed run was cancelled
    };

    virtual std::deque<ZipFile>& Queue() = 0;
    // Empties the queue as ClearFiles does (a cancel).
    virtual void EmptyQueue() = 0;
    // The files of the run are still being queued: a dry queue waits for them.
    virtual bool MoreToCome() const = 0;
    // CurrentFile becomes `entry` (the queue entry taken up); the reference
    // returned stays valid until the next TakeUp.
    virtual const ZipFile& TakeUp(const ZipFile& entry) = 0;
    // BytesZipped grows by `bytes` (a chunk of a write pass).
    virtual void Zipped(int64_t bytes) = 0;
    // Raises the event; its handlers may end the run (StopRun) before it returns.
    virtual void Raise(Event event) = 0;
    // Asks for the next step (tmrNext) unless one is due already.
    virtual void StepDue() = 0;
    // The run is over: the Zipper lets it go and raises Complete or Error.
    virtual void Ended(const Outcome& outcome) = 0;

protected:
    ~ZipperRunHost() = default;
};
