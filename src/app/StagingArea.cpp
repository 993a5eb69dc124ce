#include "StagingArea.h"

#include <QFile>
#include <QStandardPaths>

#include <cerrno>
#include <cstdio>
#include <string>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

Failure StagingFailure(FailureKind kind, const fs::path& folder, std::error_code code = {})
{
    return Failure{.kind = kind, .code = code, .path = folder};
}

// Deletes everything inside folder except the entry named keep, depth first.
// Symbolic links are removed as links and never followed. Sub-folders that
// were copied read-only are made writable first so their contents can go.
// Returns the first failure (with the path it concerns).
std::error_code emptyFolder(const fs::path& folder, const std::string& keep, fs::path& failedAt)
{
    std::error_code ec;
    fs::directory_iterator it(folder, ec);
    if (ec) {
        failedAt = folder;
        return ec;
    }
    std::error_code first;
    for (; it != fs::directory_iterator(); it.increment(ec)) {
        if (ec)
            break;
        const fs::path entry = it->path();
        if (!keep.empty() && entry.filename() == keep)
            continue;
        fs::file_status st = fs::symlink_status(entry, ec);
        if (!ec && st.type() == fs::file_type::directory) {
            fs::permissions(entry, fs::perms::owner_all, fs::perm_options::add, ec);
            fs::path inner;
            std::error_code sub = emptyFolder(entry, {}, inner);
            if (sub && !first) {
                first = sub;
                failedAt = inner;
            }
        }
        if (!fs::remove(entry, ec) && ec && !first) {
            first = ec;
            failedAt = entry;
        }
    }
    if (ec && !first) {
        first = ec;
        failedAt = folder;
    }
    return first;
}

}  // namespace

StagingArea::StagingArea(fs::path root) : root_(root.lexically_normal())
{
    // "a/b/" and "a/b" must name the same root, or no folder would look like ours.
    if (root_.filename().empty() && root_.has_parent_path())
        root_ = root_.parent_path();
}

StagingArea::~StagingArea()
{
    disposal_.Finish();
    for (const auto& [folder, fd] : locks_)
        ::close(fd);
}

void StagingArea::releaseLock(const fs::path& folder)
{
    const auto it = locks_.find(folder);
    if (it != locks_.end()) {
        ::close(it->second);
        locks_.erase(it);
    }
}

bool StagingArea::InUseElsewhere(const fs::path& folder) const
{
    if (locks_.count(folder))
        return false;
    const fs::path marker = folder / kMarker;
    const int fd = ::open(marker.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
    if (fd < 0)
        return false;
    const bool held = ::flock(fd, LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK;
    ::close(fd);  // also drops the lock taken just now
    return held;
}

fs::path StagingArea::DefaultRoot()
{
    const QString cache = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
    return fs::path(QFile::encodeName(cache).toStdString()) / "staging";
}

bool StagingArea::IsOurs(const fs::path& folder) const
{
    if (folder.parent_path() != root_ || folder.filename().empty() || folder.filename() == "."
        || folder.filename() == "..")
        return false;
    std::error_code ec;
    if (fs::symlink_status(folder, ec).type() != fs::file_type::directory)
        return false;
    return fs::symlink_status(folder / kMarker, ec).type() == fs::file_type::regular;
}

Status StagingArea::Prepare(const std::string& name)
{
    const fs::path folder = FolderFor(name);
    std::error_code ec;
    if (name.empty() || name == "." || name == ".." || name.find('/') != std::string::npos
        || folder.parent_path() != root_)
        return StagingFailure(FailureKind::StagingNameUnusable, fs::path(name));

    fs::create_directories(root_, ec);
    if (ec)
        return StagingFailure(FailureKind::StagingNotCreated, root_, ec);

    const fs::file_status st = fs::symlink_status(folder, ec);
    if (st.type() != fs::file_type::not_found) {
        if (!IsOurs(folder))
            return StagingFailure(FailureKind::StagingForeign, folder);
        if (InUseElsewhere(folder))
            return StagingFailure(FailureKind::StagingInUseElsewhere, folder);
        // The old copies are deleted in the background: the name is free at once.
        Status removed = SetAside(folder);
        if (!removed)
            return removed;
    }

    if (!fs::create_directory(folder, ec) || ec)
        return StagingFailure(FailureKind::StagingNotCreated, folder,
                              ec ? ec : std::make_error_code(std::errc::file_exists));
    const fs::path marker = folder / kMarker;
    int fd = ::open(marker.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (fd < 0) {
        const int error = errno;
        fs::remove(folder, ec);
        return StagingFailure(FailureKind::StagingNotMarked, folder, std::error_code(error, std::generic_category()));
    }
    static const char kText[] = "Staging folder of Volarin Z; deleted when the program ends.\n";
    const bool written = ::write(fd, kText, sizeof kText - 1) == static_cast<ssize_t>(sizeof kText - 1);
    (void)written;  // the marker counts by its presence; its text is only for people
    // Held until the folder is deleted or this window goes.
    ::flock(fd, LOCK_EX | LOCK_NB);
    releaseLock(folder);
    locks_[folder] = fd;
    made_.insert(folder);
    return {};
}

Status StagingArea::Remove(const fs::path& folder)
{
    std::error_code ec;
    if (fs::symlink_status(folder, ec).type() == fs::file_type::not_found) {
        made_.erase(folder);
        releaseLock(folder);
        return {};
    }
    if (!IsOurs(folder))
        return StagingFailure(FailureKind::StagingForeignNotDeleted, folder);
    if (InUseElsewhere(folder))
        return StagingFailure(FailureKind::StagingInUseNotDeleted, folder);

    if (Status deleted = deleteMarked(folder); !deleted)
        return deleted;
    made_.erase(folder);
    releaseLock(folder);
    return {};
}

Status StagingArea::SetAside(const fs::path& folder)
{
    std::error_code ec;
    if (fs::symlink_status(folder, ec).type() == fs::file_type::not_found || !IsOurs(folder)
        || InUseElsewhere(folder))
        return Remove(folder);  // nothing to delete, or refused with the reason
    const fs::path aside =
        root_ / (kAsidePrefix + std::to_string(::getpid()) + "-" + std::to_string(++setAsideCount_));
    if (::renameat2(AT_FDCWD, folder.c_str(), AT_FDCWD, aside.c_str(), RENAME_NOREPLACE) != 0)
        return Remove(folder);
    int lockFd = -1;
    if (const auto it = locks_.find(folder); it != locks_.end()) {
        lockFd = it->second;
        locks_.erase(it);
    }
    made_.erase(folder);
    disposal_.Dispose(aside, lockFd);
    return {};
}

// Deletes a folder known to be ours: only names are removed (unlink), so a
// staged hard link goes without its file being touched.
Status StagingArea::deleteMarked(const fs::path& folder)
{
    fs::path failedAt;
    // The marker goes last, so a folder that could only be emptied in part
    // is still recognised as ours the next time.
    std::error_code err = emptyFolder(folder, kMarker, failedAt);
    if (!err) {
        fs::remove(folder / kMarker, err);
        failedAt = folder / kMarker;
    }
    if (!err) {
        fs::remove(folder, err);
        failedAt = folder;
    }
    if (err)
        return Failure{.kind = FailureKind::StagingNotDeleted, .code = err, .path = folder, .other = failedAt};
    return {};
}

Status StagingArea::RemoveLeftovers()
{
    Failure kept{.kind = FailureKind::StagingCleanUpFailed};
    std::error_code ec;
    for (fs::directory_iterator it(root_, ec), end; !ec && it != end; it.increment(ec)) {
        const fs::path folder = it->path();
        if (made_.count(folder) || !IsOurs(folder))
            continue;
        const int fd = ::open((folder / kMarker).c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
        if (fd < 0)
            continue;
        // Held by a running window: not a leftover.
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
            if (Status deleted = deleteMarked(folder); !deleted)
                kept.leftOut.push_back(deleted.failure());
        }
        ::close(fd);
    }
    if (kept.leftOut.empty())
        return {};
    return kept;
}

Status StagingArea::RemoveAll()
{
    Failure kept{.kind = FailureKind::StagingCleanUpFailed};
    const std::set<fs::path> folders = made_;
    for (const fs::path& folder : folders) {
        const Status one = SetAside(folder);
        if (!one)
            kept.leftOut.push_back(one.failure());
    }
    if (kept.leftOut.empty())
        return {};
    return kept;
}
