#include "OrderedResults.h"

#include <algorithm>

void OrderedResults::Expect(uint64_t first, uint64_t last)
{
    std::lock_guard lock(mutex_);
    for (uint64_t seq = first; seq <= last; ++seq)
        slots_.emplace_hint(slots_.end(), seq, std::nullopt);
}

bool OrderedResults::completeLocked(uint64_t first, uint64_t last) const
{
    for (auto it = slots_.lower_bound(first); it != slots_.end() && it->first <= last; ++it)
        if (!it->second)
            return false;
    return true;
}

void OrderedResults::Put(CompressedBlock&& block)
{
    bool wake = false;
    {
        std::lock_guard lock(mutex_);
        auto slot = slots_.find(block.seq);
        if (slot == slots_.end())
            return;
        slot->second = std::move(block);
        if (waiting_ && slot->first >= waitFirst_ && slot->first <= waitLast_ &&
            completeLocked(waitFirst_, waitLast_)) {
            waiting_ = false;
            wake = true;
        }
    }
    // Outside the lock: the callback only posts to the window's thread.
    if (wake)
        wake_();
}

bool OrderedResults::ReadyOrWake(uint64_t first, uint64_t last, uint64_t wakeLast)
{
    std::lock_guard lock(mutex_);
    if (completeLocked(first, last)) {
        waiting_ = false;
        return true;
    }
    waiting_ = true;
    waitFirst_ = first;
    waitLast_ = std::max(last, wakeLast);
    return false;
}

std::optional<CompressedBlock> OrderedResults::Take(uint64_t seq)
{
    std::lock_guard lock(mutex_);
    auto slot = slots_.find(seq);
    if (slot == slots_.end() || !slot->second)
        return std::nullopt;
    std::optional<CompressedBlock> block = std::move(slot->second);
    slots_.erase(slot);
    return block;
}

void OrderedResults::ForgetFrom(uint64_t seq)
{
    bool wake = false;
    {
        std::lock_guard lock(mutex_);
        slots_.erase(slots_.lower_bound(seq), slots_.end());
        if (waiting_ && waitLast_ >= seq) {
            // A wait that reached past the blocks dropped still wants those before them.
            waiting_ = waitFirst_ < seq;
            waitLast_ = seq - 1;
            if (waiting_ && completeLocked(waitFirst_, waitLast_)) {
                waiting_ = false;
                wake = true;
            }
        }
    }
    if (wake)
        wake_();
}
