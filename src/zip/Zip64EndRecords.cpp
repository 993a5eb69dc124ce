#include "Zip64EndRecords.h"

#include <fcntl.h>
#include <minizip/zip.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
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

bool readAt(int fd, unsigned char* data, size_t size, off_t offset)
{
    while (size > 0) {
        const ssize_t got = pread(fd, data, size, offset);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            return false;
        data += got;
        size -= static_cast<size_t>(got);
        offset += got;
    }
    return true;
}

bool writeAt(int fd, const unsigned char* data, size_t size, off_t offset)
{
    while (size > 0) {
        const ssize_t put = pwrite(fd, data, size, offset);
        if (put < 0 && errno == EINTR)
            continue;
        if (put <= 0)
            return false;
        data += put;
        size -= static_cast<size_t>(put);
        offset += put;
    }
    return true;
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

}  // namespace

int AddIfNeeded(const std::string& archivePath)
{
    Fd file{::open(archivePath.c_str(), O_RDWR | O_CLOEXEC)};
    if (file.fd < 0)
        return ZIP_ERRNO;
    struct stat st {};
    if (fstat(file.fd, &st) != 0)
        return ZIP_ERRNO;
    const uint64_t fileSize = static_cast<uint64_t>(st.st_size);
    if (fileSize < kEndSize)
        return 0;

    // The end record sits at the very end, followed only by the archive comment.
    const uint64_t tailSize = std::min<uint64_t>(fileSize, kEndSize + 0xFFFF + kLocatorSize);
    std::vector<unsigned char> tail(tailSize);
    if (!readAt(file.fd, tail.data(), tail.size(), static_cast<off_t>(fileSize - tailSize)))
        return ZIP_ERRNO;
    size_t endAt = tail.size();
    for (size_t i = tail.size() - kEndSize + 1; i-- > 0;) {
        if (getLe(&tail[i], 4) == kEndSignature && i + kEndSize + getLe(&tail[i + 20], 2) == tail.size()) {
            endAt = i;
            break;
        }
    }
    if (endAt == tail.size())
        return 0;
    const unsigned char* end = &tail[endAt];
    const uint64_t endPos = fileSize - tailSize + endAt;
    const uint64_t entriesOnDisk = getLe(end + 8, 2);
    const uint64_t entriesTotal = getLe(end + 10, 2);
    const uint64_t directorySize = getLe(end + 12, 4);
    const uint64_t directoryPos = getLe(end + 16, 4);
    if (entriesOnDisk != 0xFFFF && entriesTotal != 0xFFFF)
        return 0;
    if (endAt >= kLocatorSize && getLe(&tail[endAt - kLocatorSize], 4) == kZip64LocatorSignature)
        return 0;  // minizip wrote them itself
    if (directoryPos == 0xFFFFFFFFu || directoryPos + directorySize != endPos)
        return 0;  // not a layout this writer produces: leave it alone

    std::vector<unsigned char> directory(directorySize);
    if (!readAt(file.fd, directory.data(), directory.size(), static_cast<off_t>(directoryPos)))
        return ZIP_ERRNO;
    uint64_t count = 0;
    for (size_t p = 0; p < directory.size(); ++count) {
        if (p + kCentralHeaderSize > directory.size() || getLe(&directory[p], 4) != kCentralHeaderSignature)
            return 0;
        p += kCentralHeaderSize + getLe(&directory[p + 28], 2) + getLe(&directory[p + 30], 2) +
             getLe(&directory[p + 32], 2);
    }
    if (count <= 0xFFFF)
        return 0;  // exactly 65,535 entries are read right without them

    std::vector<unsigned char> records;
    putLe(records, kZip64EndSignature, 4);
    putLe(records, kZip64EndSize - 12, 8);  // size of the rest of the record
    putLe(records, 45, 2);                  // version made by: 4.5 (Zip64)
    putLe(records, 45, 2);                  // version needed
    putLe(records, 0, 4);                   // this disk
    putLe(records, 0, 4);                   // disk of the central directory
    putLe(records, count, 8);
    putLe(records, count, 8);
    putLe(records, directorySize, 8);
    putLe(records, directoryPos, 8);
    putLe(records, kZip64LocatorSignature, 4);
    putLe(records, 0, 4);       // disk of the Zip64 end record
    putLe(records, endPos, 8);  // where the Zip64 end record starts
    putLe(records, 1, 4);       // number of disks

    // Move the end record (and comment) out first: if the disk is full the
    // archive is cut back and stays as minizip left it.
    const std::vector<unsigned char> endRecord(tail.begin() + static_cast<long>(endAt), tail.end());
    if (!writeAt(file.fd, endRecord.data(), endRecord.size(), static_cast<off_t>(endPos + records.size()))) {
        if (ftruncate(file.fd, static_cast<off_t>(fileSize)) != 0) {
            // Nothing more to do: the failure is reported either way.
        }
        return ZIP_ERRNO;
    }
    if (!writeAt(file.fd, records.data(), records.size(), static_cast<off_t>(endPos)))
        return ZIP_ERRNO;
    const int fd = file.fd;
    file.fd = -1;
    return ::close(fd) == 0 ? 0 : ZIP_ERRNO;
}

}  // namespace Zip64EndRecords
