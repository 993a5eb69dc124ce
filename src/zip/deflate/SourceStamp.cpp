#include "SourceStamp.h"

#include <sys/stat.h>

SourceStamp SourceStamp::Of(const struct stat& st)
{
    return {.known = true,
            .device = static_cast<uint64_t>(st.st_dev),
            .inode = static_cast<uint64_t>(st.st_ino),
            .size = static_cast<int64_t>(st.st_size),
            .modifiedSeconds = static_cast<int64_t>(st.st_mtim.tv_sec),
            .modifiedNanoseconds = static_cast<int64_t>(st.st_mtim.tv_nsec)};
}

bool SourceStamp::Matches(const struct stat& st) const
{
    return !known || (device == static_cast<uint64_t>(st.st_dev) && inode == static_cast<uint64_t>(st.st_ino) &&
                      size == static_cast<int64_t>(st.st_size) &&
                      modifiedSeconds == static_cast<int64_t>(st.st_mtim.tv_sec) &&
                      modifiedNanoseconds == static_cast<int64_t>(st.st_mtim.tv_nsec));
}
