#include "SharedSource.h"

Result<void, SourceFailure> SharedSource::Open()
{
    std::lock_guard lock(mutex_);
    if (!tried_) {
        tried_ = true;
        opened_ = reader_.Open(path_, stamp_);
    }
    return opened_;
}
