#include "SharedSource.h"

bool SharedSource::Open(std::error_code& error)
{
    std::lock_guard lock(mutex_);
    if (!tried_) {
        tried_ = true;
        opened_ = reader_.Open(path_);
        openError_ = reader_.LastError();
    }
    error = openError_;
    return opened_;
}
