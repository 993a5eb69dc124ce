#include "ArchiveProof.h"

#include <pthread.h>

#include <system_error>

#include "FileArchiveBytes.h"
#include "ThreadStart.h"

namespace {

// The follower's file: its reads fail once the proof is stopped, so that
// stopping never waits for a large entry to be read through.
class InterruptibleBytes : public ArchiveBytes {
public:
    InterruptibleBytes(FileArchiveBytes& file, const std::atomic<bool>& interrupted)
        : file_(file), interrupted_(interrupted)
    {
    }
    uint64_t Size() const override { return file_.Size(); }
    bool Read(uint64_t at, void* out, size_t size) override
    {
        return !interrupted_.load(std::memory_order_relaxed) && file_.Read(at, out, size);
    }
    std::error_code Error() const override { return file_.Error(); }

private:
    FileArchiveBytes& file_;
    const std::atomic<bool>& interrupted_;
};

}  // namespace

ArchiveProof::ArchiveProof(std::filesystem::path archive, bool fresh)
    : archive_(std::move(archive)), readBack_(fresh)
{
    if (!fresh)
        return;  // the entries before the run's are not followed
    try {
        follower_ = ThreadStart::Launch<std::thread>([this] {
            pthread_setname_np(pthread_self(), kThreadName);
            follow();
        });
    } catch (const std::system_error&) {
        // Finish proves every entry itself.
    }
}

ArchiveProof::~ArchiveProof()
{
    stop();
}

void ArchiveProof::stop()
{
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    interrupted_ = true;
    wake_.notify_all();
    if (follower_.joinable())
        follower_.join();
}

void ArchiveProof::Expect(const std::string& name, const std::string& password)
{
    std::lock_guard lock(mutex_);
    expected_.push_back({name, password});
}

void ArchiveProof::Settled(int64_t settled)
{
    bool wake = false;
    {
        std::lock_guard lock(mutex_);
        if (settled > 0 && static_cast<uint64_t>(settled) > settled_) {
            settled_ = static_cast<uint64_t>(settled);
            wake = settled_ > waitingFor_;
        }
    }
    if (wake)
        wake_.notify_one();
}

// Proves entries as long as their bytes are written out, and waits for more.
void ArchiveProof::follow()
{
    FileArchiveBytes file(archive_);
    if (!file.Opened())
        return;
    InterruptibleBytes bytes(file, interrupted_);
    for (;;) {
        ExpectedEntry next;
        {
            std::unique_lock lock(mutex_);
            wake_.wait(lock, [this] { return stopping_ || (settled_ > waitingFor_ && !expected_.empty()); });
            if (stopping_)
                return;
            next = expected_.front();
            file.SetLimit(settled_);
        }
        const ArchiveReadBack::Step step = readBack_.ProveNext(bytes, next);
        std::lock_guard lock(mutex_);
        if (step == ArchiveReadBack::Step::Stopped)
            return;
        if (step == ArchiveReadBack::Step::Proven)
            expected_.pop_front();
        else
            waitingFor_ = bytes.Size();
    }
}

Result<void, ProofFault> ArchiveProof::Finish()
{
    stop();
    FileArchiveBytes bytes(archive_);
    if (!bytes.LimitToSize())
        return Fault<ProofFault>{ProofFault{.what = ProofFault::What::Unreadable}, bytes.Error()};
    return readBack_.Finish(bytes, expected_);
}
