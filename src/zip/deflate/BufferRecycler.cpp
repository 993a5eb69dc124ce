#include "BufferRecycler.h"

std::vector<unsigned char> BufferRecycler::Take()
{
    std::lock_guard lock(mutex_);
    if (buffers_.empty())
        return {};
    std::vector<unsigned char> buffer = std::move(buffers_.back());
    buffers_.pop_back();
    buffer.clear();
    return buffer;
}

void BufferRecycler::Give(std::vector<unsigned char>&& buffer)
{
    if (buffer.capacity() == 0)
        return;
    std::lock_guard lock(mutex_);
    if (buffers_.size() < limit_)
        buffers_.push_back(std::move(buffer));
}
