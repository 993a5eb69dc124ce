#pragma once
// The end of a run's archive: closed (its central directory written),
// proven (ArchiveProof) and renamed into place, on a thread of its own
// ("vz-publish"). Closing the directory of a million entries and a rename
// over an existing file each take the file system a few hundred
// milliseconds, which the window's thread does not wait for. While the
// thread works nothing else touches the writer, the proof or the temporary
// file; its outcome is read once it has been joined.
#include <atomic>
#include <filesystem>
#include <functional>
#include <system_error>
#include <thread>

#include "ProofFault.h"
#include "ZipFailure.h"

class ArchiveProof;
class TemporaryArchive;
class ZipWriterInterface;

class ArchivePublisher {
public:
    // The thread's name as the system lists it.
    static constexpr const char* kThreadName = "vz-publish";

    struct Outcome {
        ZipFailure failed = ZipFailure::None;  // CloseZip, ProveZip or RenameZip
        // The system's reason; for CloseZip only when the thread itself
        // failed (else the writer has it).
        std::error_code reason;
        ProofFault proof;    // ProveZip: what was found
        bool named = false;  // the archive has its name (or was written in place)
    };

    // `proof` may be null (nothing to prove); `temporary` not held: the
    // archive is written in place and needs no rename.
    ArchivePublisher(ZipWriterInterface& writer, ArchiveProof* proof, TemporaryArchive& temporary,
                     std::filesystem::path archive);
    ~ArchivePublisher() { Stop(); }
    ArchivePublisher(const ArchivePublisher&) = delete;
    ArchivePublisher& operator=(const ArchivePublisher&) = delete;

    // Starts the thread; `done` is called on it once the outcome is in.
    // False when the system refused the thread.
    bool Start(std::function<void()> done);
    // Does the work on the calling thread instead.
    void RunHere() { publish(); }
    // The thread was started and has not been joined yet.
    bool Running() const { return thread_.joinable(); }
    // The thread has handed in its outcome (it may still be ending).
    bool Done() const { return done_.load(); }
    // Joins the thread (when there is one) and gives the outcome.
    const Outcome& Join();
    // Ends the work at once: an archive still being closed never takes its
    // name; one being renamed is waited for and keeps it. True when the
    // archive has its name.
    bool Stop();

private:
    void publish();

    ZipWriterInterface& writer_;
    ArchiveProof* const proof_;
    TemporaryArchive& temporary_;
    const std::filesystem::path archive_;
    // The rename begins only from Closing, and a stop while closing turns it
    // into Stopped, so only one of them wins.
    enum class Stage { Closing, Renaming, Stopped };
    std::atomic<Stage> stage_{Stage::Closing};
    std::atomic<bool> done_{false};
    Outcome outcome_;  // written by the thread, read after its join
    std::jthread thread_;
};
