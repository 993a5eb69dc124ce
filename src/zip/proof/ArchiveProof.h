#pragma once
// Proves the archive a run writes before it takes its name: a thread of its
// own ("vz-proof") follows the file as entries are written out and proves
// each one (see ArchiveReadBack), so that once the archive is closed only
// its directory and the end of its last entry are left. The run tells what
// it writes (Expect, as each entry is opened) and how far the file is
// written out (Settled). Without the thread (the system refused it, or
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

    // The run writes this entry next, from `size` bytes.
    void Expect(const std::string& name, const std::string& password, uint64_t size);
    // Every byte before `written` is written out, and every one before
    // `settled` never changes again (the others but the open entry's local
    // header do not either).
    void Settled(int64_t settled, int64_t written);
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
    uint64_t written_ = 0;
    // The follower waits for settled_ or written_ to pass what it last saw.
    uint64_t seenSettled_ = 0;
    uint64_t seenWritten_ = 0;
    bool closed_ = false;  // the file is whole: the follower proves what is left and ends
    bool stopping_ = false;
    std::atomic<bool> interrupted_{false};  // stopping_, for the follower's reads
    std::error_code followerFailed_;  // guarded by mutex_: why the follower's body ended early
    std::thread follower_;
};
