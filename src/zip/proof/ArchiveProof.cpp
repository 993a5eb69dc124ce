#include "ArchiveProof.h"


#include <algorithm>
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
        follower_ = ThreadStart::Launch<std::thread>(
            kThreadName, [this] { follow(); },
            // Whatever the follower proved half is unknown now: the proof fails with the reason.
            [this](std::error_code reason) {
                std::lock_guard lock(mutex_);
                followerFailed_ = reason;
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

void ArchiveProof::Expect(const std::string& name, const std::string& password, uint64_t size)
{
    std::lock_guard lock(mutex_);
    expected_.push_back({name, password, size});
}

void ArchiveProof::Settled(int64_t settled, int64_t written)
{
    bool wake = false;
    {
        std::lock_guard lock(mutex_);
        settled_ = std::max<uint64_t>(settled_, static_cast<uint64_t>(std::max<int64_t>(settled, 0)));
        written_ = std::max<uint64_t>(written_, static_cast<uint64_t>(std::max<int64_t>(written, 0)));
        wake = settled_ > seenSettled_ || written_ > seenWritten_;
    }
    if (wake)
        wake_.notify_one();
}

// Proves entries as far as their bytes are written out, and waits for more;
// once the file is whole, proves what is left and ends.
void ArchiveProof::follow()
{
    FileArchiveBytes file(archive_);
    if (!file.Opened())
        return;
    InterruptibleBytes bytes(file, interrupted_);
    for (;;) {
        ExpectedEntry next;
        uint64_t settled = 0;
        {
            std::unique_lock lock(mutex_);
            wake_.wait(lock, [this] {
                return stopping_ || closed_ ||
                       (!expected_.empty() && (settled_ > seenSettled_ || written_ > seenWritten_));
            });
            if (stopping_ || expected_.empty())
                return;
            next = expected_.front();
            settled = settled_;
            seenSettled_ = settled_;
            seenWritten_ = written_;
            file.SetLimit(written_, settled_);
        }
        const ArchiveReadBack::Step step = readBack_.ProveNext(bytes, settled, next);
        std::lock_guard lock(mutex_);
        if (step == ArchiveReadBack::Step::Stopped || (step == ArchiveReadBack::Step::NotYet && closed_))
            return;
        if (step == ArchiveReadBack::Step::Proven) {
            expected_.pop_front();
            // The next entry may be there already.
            seenSettled_ = 0;
            seenWritten_ = 0;
        }
    }
}

Result<void, ProofFault> ArchiveProof::Finish()
{
    FileArchiveBytes bytes(archive_);
    if (!bytes.LimitToSize()) {
        stop();
        return Fault<ProofFault>{ProofFault{.what = ProofFault::What::Unreadable}, bytes.Error()};
    }
    {
        std::lock_guard lock(mutex_);
        closed_ = true;
        settled_ = written_ = bytes.Size();
    }
    wake_.notify_all();
    if (follower_.joinable())
        follower_.join();
    if (followerFailed_)
        return Fault<ProofFault>{ProofFault{.what = ProofFault::What::Unreadable}, followerFailed_};
    return readBack_.Finish(bytes, expected_);
}
