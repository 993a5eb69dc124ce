#include "TemporaryArchiveJournal.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <string>

#include "LeftoverArchive.h"

namespace fs = std::filesystem;

namespace {

std::error_code lastError()
{
    return std::error_code(errno, std::system_category());
}

// Empty when every byte is written; a write that makes no progress is EIO.
std::error_code writeAll(int fd, const std::string& bytes)
{
    size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return lastError();
        if (n == 0)
            return std::make_error_code(std::errc::io_error);
        done += static_cast<size_t>(n);
    }
    return {};
}

}  // namespace

// Holds the journal's lock file locked for as long as it lives.
class TemporaryArchiveJournal::Lock {
public:
    explicit Lock(const fs::path& journal)
    {
        std::error_code ignored;
        fs::create_directories(journal.parent_path(), ignored);
        const fs::path lockFile = journal.string() + ".lock";
        fd_ = ::open(lockFile.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
        if (fd_ < 0) {
            error_ = lastError();
            return;
        }
        while (::flock(fd_, LOCK_EX) != 0) {
            if (errno != EINTR) {
                error_ = lastError();
                return;
            }
        }
    }
    ~Lock()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    Lock(const Lock&) = delete;
    Lock& operator=(const Lock&) = delete;
    std::error_code Error() const { return error_; }

private:
    int fd_ = -1;
    std::error_code error_;
};

TemporaryArchiveJournal::TemporaryArchiveJournal(fs::path file) : file_(std::move(file)) {}

// Records are NUL-terminated paths (a path may hold a newline, never a NUL).
// Anything that is not the absolute path of a temporary archive is ignored.
Result<std::vector<fs::path>, JournalFailure> TemporaryArchiveJournal::read() const
{
    std::vector<fs::path> parts;
    const int fd = ::open(file_.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        if (errno == ENOENT)
            return parts;
        return Fault<JournalFailure>{JournalFailure::NotRead, lastError()};
    }
    std::string bytes;
    char buffer[8192];
    ssize_t n;
    while ((n = ::read(fd, buffer, sizeof buffer)) != 0) {
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            const std::error_code error = lastError();
            ::close(fd);
            return Fault<JournalFailure>{JournalFailure::NotRead, error};
        }
        bytes.append(buffer, static_cast<size_t>(n));
    }
    ::close(fd);
    for (size_t at = 0, end; (end = bytes.find('\0', at)) != std::string::npos; at = end + 1) {
        const fs::path part = bytes.substr(at, end - at);
        if (LeftoverArchive::IsTemporaryArchiveName(part))
            parts.push_back(part);
    }
    return parts;
}

Result<void, JournalFailure> TemporaryArchiveJournal::write(const std::vector<fs::path>& parts) const
{
    std::string bytes;
    for (const fs::path& part : parts)
        bytes += part.native() + '\0';
    std::string temp = file_.string() + ".XXXXXX";
    const int fd = ::mkostemp(temp.data(), O_CLOEXEC);
    if (fd < 0)
        return Fault<JournalFailure>{JournalFailure::NotWritten, lastError()};
    std::error_code error = writeAll(fd, bytes);
    if (!error && ::fsync(fd) != 0)
        error = lastError();
    ::close(fd);
    if (!error && ::rename(temp.c_str(), file_.c_str()) != 0)
        error = lastError();
    if (error) {
        ::unlink(temp.c_str());
        return Fault<JournalFailure>{JournalFailure::NotWritten, error};
    }
    // The rename itself is made durable too.
    const int folder = ::open(file_.parent_path().c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder >= 0) {
        ::fsync(folder);
        ::close(folder);
    }
    return {};
}

Result<void, JournalFailure> TemporaryArchiveJournal::update(
    const std::function<void(std::vector<fs::path>&)>& change) const
{
    auto parts = read();
    if (!parts)
        return Fault<JournalFailure>{parts.kind(), parts.code()};
    change(parts.value());
    return write(parts.value());
}

Result<void, JournalFailure> TemporaryArchiveJournal::Record(const fs::path& part,
                                                            const std::function<std::error_code()>& create)
{
    Lock lock(file_);
    if (lock.Error())
        return Fault<JournalFailure>{JournalFailure::NotLocked, lock.Error()};
    if (!LeftoverArchive::IsTemporaryArchiveName(part))
        return Fault<JournalFailure>{JournalFailure::NotAPart, std::make_error_code(std::errc::invalid_argument)};
    if (auto recorded = update([&](std::vector<fs::path>& parts) { parts.push_back(part); }); !recorded)
        return recorded;
    if (const std::error_code created = create()) {
        (void)update([&](std::vector<fs::path>& parts) { std::erase(parts, part); });
        return Fault<JournalFailure>{JournalFailure::NotCreated, created};
    }
    return {};
}

Result<void, JournalFailure> TemporaryArchiveJournal::Forget(const fs::path& part)
{
    Lock lock(file_);
    if (lock.Error())
        return Fault<JournalFailure>{JournalFailure::NotLocked, lock.Error()};
    return update([&](std::vector<fs::path>& parts) { std::erase(parts, part); });
}

// mkostemp's six characters after "<journal>.": only such names are the journal's own.
bool TemporaryArchiveJournal::isOwnTemporary(const fs::path& name) const
{
    const std::string prefix = file_.filename().string() + ".";
    const std::string& text = name.native();
    if (text.size() != prefix.size() + 6 || text.compare(0, prefix.size(), prefix) != 0)
        return false;
    return std::all_of(text.begin() + static_cast<std::ptrdiff_t>(prefix.size()), text.end(), [](char c) {
        return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
    });
}

void TemporaryArchiveJournal::removeOwnTemporaries() const
{
    // Every update is written under the lock, which the caller holds: a
    // temporary file of the journal now is one a killed process left.
    std::error_code ec;
    for (fs::directory_iterator it(file_.parent_path(), ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code typeError;
        if (isOwnTemporary(it->path().filename()) && it->symlink_status(typeError).type() == fs::file_type::regular)
            ::unlink(it->path().c_str());
    }
}

Result<std::vector<fs::path>, JournalFailure> TemporaryArchiveJournal::SweepLeftovers()
{
    std::vector<fs::path> deleted;
    Lock lock(file_);
    if (lock.Error())
        return Fault<JournalFailure>{JournalFailure::NotLocked, lock.Error()};
    removeOwnTemporaries();
    const auto updated = update([&](std::vector<fs::path>& parts) {
        std::erase_if(parts, [&](const fs::path& part) {
            const LeftoverArchive::Outcome outcome = LeftoverArchive::Remove(part);
            if (outcome == LeftoverArchive::Outcome::Deleted)
                deleted.push_back(part);
            return outcome != LeftoverArchive::Outcome::Kept;
        });
    });
    if (!updated)
        return Fault<JournalFailure>{updated.kind(), updated.code()};
    return deleted;
}
