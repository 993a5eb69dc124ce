#pragma once
// Brings this process to its open-file limit for a while, as a user with many
// files open would: the soft limit is lowered so that exactly `free` more
// descriptors can be opened, and restored when this goes.
class OpenFileLimit {
public:
    explicit OpenFileLimit(int free = 0);
    ~OpenFileLimit();
    OpenFileLimit(const OpenFileLimit&) = delete;
    OpenFileLimit& operator=(const OpenFileLimit&) = delete;

    bool Lowered() const { return lowered_; }

private:
    unsigned long long soft_ = 0;
    bool lowered_ = false;
};
