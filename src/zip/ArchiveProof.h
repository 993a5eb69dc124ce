#pragma once
// Proves the archive a run writes before it takes its name: a thread of its
// own ("vz-proof") follows the file as entries are written out and proves
// each one (see ArchiveReadBack), so that once the archive is closed only
// its directory and its last entries are left to Finish. The run tells what
// it writes (Expect, as each entry is opened) and how far the file is
// written for good (Settled). Without the thread (the system refused it, or
// the file could not be opened for it) Finish proves everything itself.
//
// Expect and Settled come from one thread, Finish from one thread after
// them; destroying the proof stops and joins its thread.
#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <filesystem>
#include <mutex>
#include <string>
#include <thread>

#include "ArchiveReadBack.h"
#include "ExpectedEntry.h"
#include "ProofFault.h"
#include "Result.h"

class ArchiveProof {
public:
    static constexpr const char* kThreadName = "vz-proof";

    // `fresh`: the run writes `archive` whole (see ArchiveReadBack).
    ArchiveProof(std::filesystem::path archive, bool fresh);
    ~ArchiveProof();
    ArchiveProof(const ArchiveProof&) = delete;
    ArchiveProof& operator=(const ArchiveProof&) = delete;

    // The run writes this entry next.
    void Expect(const std::string& name, const std::string& password);
    // Every byte before `settled` is written out and never changes again.
    void Settled(int64_t settled);
    // The archive is closed: proves what is left and the archive as a whole.
    Result<void, ProofFault> Finish();

private:
    void follow();
    void stop();

    const std::filesystem::path archive_;
    ArchiveReadBack readBack_;

    std::mutex mutex_;
    std::condition_variable wake_;
    std::deque<ExpectedEntry> expected_;  // from the first entry not proven yet
    uint64_t settled_ = 0;
    uint64_t waitingFor_ = 0;  // the follower waits for settled_ to pass this
    bool stopping_ = false;
    std::atomic<bool> interrupted_{false};  // stopping_, for the follower's reads
    std::thread follower_;
};
