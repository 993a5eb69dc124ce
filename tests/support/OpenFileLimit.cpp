#include "OpenFileLimit.h"

#include <fcntl.h>
#include <sys/resource.h>

OpenFileLimit::OpenFileLimit(int free)
{
    rlimit limit{};
    if (getrlimit(RLIMIT_NOFILE, &limit) != 0)
        return;
    soft_ = limit.rlim_cur;
    // A new descriptor takes the lowest free number: the limit is set just
    // above the `free` lowest free numbers, so the one after them is refused.
    int fd = 0;
    for (int left = free;; ++fd) {
        if (static_cast<rlim_t>(fd) >= limit.rlim_cur)
            return;
        if (fcntl(fd, F_GETFD) == -1 && left-- == 0)
            break;
    }
    limit.rlim_cur = static_cast<rlim_t>(fd);
    lowered_ = setrlimit(RLIMIT_NOFILE, &limit) == 0;
}

OpenFileLimit::~OpenFileLimit()
{
    if (!lowered_)
        return;
    rlimit limit{};
    getrlimit(RLIMIT_NOFILE, &limit);
    limit.rlim_cur = static_cast<rlim_t>(soft_);
    setrlimit(RLIMIT_NOFILE, &limit);
}
