#include "Zip64EndRecords.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <optional>
#include <vector>

namespace Zip64EndRecords {
namespace {

constexpr uint32_t kEndSignature = 0x06054b50u;
constexpr uint32_t kZip64EndSignature = 0x06064b50u;
constexpr uint32_t kZip64LocatorSignature = 0x07064b50u;
constexpr uint32_t kCentralHeaderSignature = 0x02014b50u;
constexpr size_t kEndSize = 22;
constexpr size_t kZip64EndSize = 56;
constexpr size_t kLocatorSize = 20;
constexpr size_t kCentralHeaderSize = 46;

uint64_t getLe(const unsigned char* p, int bytes)
{
    uint64_t value = 0;
    for (int i = bytes - 1; i >= 0; --i)
        value = (value << 8) | p[i];
    return value;
}

void putLe(std::vector<unsigned char>& out, uint64_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.push_back(static_cast<unsigned char>(value >> (8 * i)));
}

using Outcome = Result<void, Failure>;

// An early end is a failure too: the archive is not what its records say.
Outcome readAt(int fd, unsigned char* data, size_t size, off_t offset)
{
    while (size > 0) {
        const ssize_t got = pread(fd, data, size, offset);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            return Fault<Failure>{Failure::NotRead, LastSystemError(got < 0 ? errno : EIO)};
        data += got;
        size -= static_cast<size_t>(got);
        offset += got;
    }
    return {};
}

Outcome writeAt(int fd, const unsigned char* data, size_t size, off_t offset)
{
    while (size > 0) {
        const ssize_t put = pwrite(fd, data, size, offset);
        if (put < 0 && errno == EINTR)
            continue;
        if (put <= 0)
            return Fault<Failure>{Failure::NotWritten, LastSystemError(put < 0 ? errno : EIO)};
        data += put;
        size -= static_cast<size_t>(put);
        offset += put;
    }
    return {};
}

// Closes the descriptor on every way out.
struct Fd {
    int fd;
    ~Fd()
    {
        if (fd >= 0)
            ::close(fd);
    }
};

// The classic end record as minizip left it: where it starts and what it says.
struct EndRecord {
    std::vector<unsigned char> bytes;  // the record and the archive comment after it
    uint64_t position = 0;
    uint64_t directorySize = 0;
    uint64_t directoryPos = 0;
    bool countsOverflowed = false;  // an entry count reads 0xFFFF
    bool hasZip64Locator = false;
};

// Finds the end record, which sits at the very end followed only by the
// archive comment; an empty result when there is none.
Result<std::optional<EndRecord>, Failure> readEndRecord(int fd, uint64_t fileSize)
{
    const uint64_t tailSize = std::min<uint64_t>(fileSize, kEndSize + 0xFFFF + kLocatorSize);
    std::vector<unsigned char> tail(tailSize);
    if (Outcome read = readAt(fd, tail.data(), tail.size(), static_cast<off_t>(fileSize - tailSize)); !read)
        return Fault<Failure>{read.kind(), read.code()};
    for (size_t i = tail.size() - kEndSize + 1; i-- > 0;) {
        if (getLe(&tail[i], 4) != kEndSignature || i + kEndSize + getLe(&tail[i + 20], 2) != tail.size())
            continue;
        const unsigned char* end = &tail[i];
        EndRecord record;
        record.position = fileSize - tailSize + i;
        record.countsOverflowed = getLe(end + 8, 2) == 0xFFFF || getLe(end + 10, 2) == 0xFFFF;
        record.directorySize = getLe(end + 12, 4);
        record.directoryPos = getLe(end + 16, 4);
        record.hasZip64Locator = i >= kLocatorSize && getLe(&tail[i - kLocatorSize], 4) == kZip64LocatorSignature;
        record.bytes.assign(tail.begin() + static_cast<long>(i), tail.end());
        return std::optional<EndRecord>(std::move(record));
    }
    return std::optional<EndRecord>();
}

// The entries of the central directory; 0 when it does not read as one.
uint64_t countEntries(const std::vector<unsigned char>& directory)
{
    uint64_t count = 0;
    for (size_t p = 0; p < directory.size(); ++count) {
        if (p + kCentralHeaderSize > directory.size() || getLe(&directory[p], 4) != kCentralHeaderSignature)
            return 0;
        p += kCentralHeaderSize + getLe(&directory[p + 28], 2) + getLe(&directory[p + 30], 2) +
             getLe(&directory[p + 32], 2);
    }
    return count;
}

// The Zip64 end record and its locator, to stand where the classic end record was.
std::vector<unsigned char> zip64Records(uint64_t count, const EndRecord& end)
{
    std::vector<unsigned char> records;
    putLe(records, kZip64EndSignature, 4);
    putLe(records, kZip64EndSize - 12, 8);  // size of the rest of the record
    putLe(records, 45, 2);                  // version made by: 4.5 (Zip64)
    putLe(records, 45, 2);                  // version needed
    putLe(records, 0, 4);                   // this disk
    putLe(records, 0, 4);                   // disk of the central directory
    putLe(records, count, 8);
    putLe(records, count, 8);
    putLe(records, end.directorySize, 8);
    putLe(records, end.directoryPos, 8);
    putLe(records, kZip64LocatorSignature, 4);
    putLe(records, 0, 4);             // disk of the Zip64 end record
    putLe(records, end.position, 8);  // where the Zip64 end record starts
    putLe(records, 1, 4);             // number of disks
    return records;
}

}  // namespace

Outcome AddIfNeeded(const std::string& archivePath)
{
    Fd file{::open(archivePath.c_str(), O_RDWR | O_CLOEXEC)};
    if (file.fd < 0)
        return Fault<Failure>{Failure::NotOpened, LastSystemError(errno)};
    struct stat st {};
    if (fstat(file.fd, &st) != 0)
        return Fault<Failure>{Failure::NotRead, LastSystemError(errno)};
    const uint64_t fileSize = static_cast<uint64_t>(st.st_size);
    if (fileSize < kEndSize)
        return {};

    auto found = readEndRecord(file.fd, fileSize);
    if (!found)
        return Fault<Failure>{found.kind(), found.code()};
    if (!found.value() || !found.value()->countsOverflowed)
        return {};
    const EndRecord& end = *found.value();
    if (end.hasZip64Locator)
        return {};  // minizip wrote them itself
    if (end.directoryPos == 0xFFFFFFFFu || end.directoryPos + end.directorySize != end.position)
        return {};  // not a layout this writer produces: leave it alone

    std::vector<unsigned char> directory(end.directorySize);
    if (Outcome read = readAt(file.fd, directory.data(), directory.size(), static_cast<off_t>(end.directoryPos)); !read)
        return read;
    const uint64_t count = countEntries(directory);
    if (count <= 0xFFFF)
        return {};  // exactly 65,535 entries are read right without them
    const std::vector<unsigned char> records = zip64Records(count, end);

    // Move the end record (and comment) out first: if the disk is full the
    // archive is cut back and stays as minizip left it.
    Outcome moved = writeAt(file.fd, end.bytes.data(), end.bytes.size(), static_cast<off_t>(end.position + records.size()));
    if (!moved) {
        if (ftruncate(file.fd, static_cast<off_t>(fileSize)) != 0) {
            // Nothing more to do: the write's failure is the one reported.
        }
        return moved;
    }
    if (Outcome written = writeAt(file.fd, records.data(), records.size(), static_cast<off_t>(end.position)); !written)
        return written;
    const int fd = file.fd;
    file.fd = -1;
    if (::close(fd) != 0)
        return Fault<Failure>{Failure::NotWritten, LastSystemError(errno)};
    return {};
}

}  // namespace Zip64EndRecords
