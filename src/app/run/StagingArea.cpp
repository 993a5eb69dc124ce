#include "StagingArea.h"

#include <QFile>
#include <QStandardPaths>

#include <cerrno>
#include <chrono>
#include <thread>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

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
    for (const auto& [folder, fd] : made_)
        if (fd >= 0)
            ::close(fd);
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

Result<fs::path, RunFolderFailure> StagingArea::MakeRunFolder()
{
    std::error_code ec;
    fs::create_directories(root_, ec);
    if (ec)
        return Fault<RunFolderFailure>{RunFolderFailure::NoRoot, ec};
    // mkdtemp picks a name no folder has, here or on another machine sharing the home.
    std::string name = (root_ / (std::string(kRunPrefix) + "XXXXXX")).native();
    if (::mkdtemp(name.data()) == nullptr)
        return Fault<RunFolderFailure>{RunFolderFailure::NoFolder, LastSystemError(errno)};
    const fs::path folder = name;
    const int fd = ::open((folder / kMarker).c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (fd < 0) {
        const std::error_code reason = LastSystemError(errno);
        ::rmdir(folder.c_str());
        return Fault<RunFolderFailure>{RunFolderFailure::NoMarker, reason};
    }
    static const char kText[] = "Staging folder of Volarin Z; deleted when the run ends.\n";
    const bool written = ::write(fd, kText, sizeof kText - 1) == static_cast<ssize_t>(sizeof kText - 1);
    (void)written;  // the marker counts by its presence; its text is only for people
    // Held until the folder is deleted or this window goes.
    ::flock(fd, LOCK_EX | LOCK_NB);
    made_[folder] = fd;
    return folder;
}

void StagingArea::Release(const fs::path& given)
{
    const fs::path folder = given;  // the caller's path may live in made_
    const auto it = made_.find(folder);
    if (it == made_.end())
        return;
    const int lockFd = it->second;
    made_.erase(it);
    // Renamed aside, the folder no longer looks like a run's while it is deleted.
    const fs::path aside =
        root_ / (kAsidePrefix + std::to_string(::getpid()) + "-" + std::to_string(++setAsideCount_));
    const bool renamed = ::renameat2(AT_FDCWD, folder.c_str(), AT_FDCWD, aside.c_str(), RENAME_NOREPLACE) == 0;
    disposal_.Dispose(renamed ? aside : folder, lockFd);
}

void StagingArea::RemoveAll()
{
    while (!made_.empty()) {
        const fs::path folder = made_.begin()->first;  // a copy: Release erases the key
        Release(folder);
    }
}

// Deletes a folder known to be ours: only names are removed (unlink), so a
// staged hard link goes without its file being touched.
Status StagingArea::deleteMarked(const fs::path& folder, int lockFd)
{
    // A file someone else still holds open on FUSE or NFS stays as a hidden
    // file until it is let go: a few tries, a moment apart, give it time.
    constexpr int kTries = 4;
    constexpr auto kPause = std::chrono::milliseconds(50);
    const fs::path marker = folder / kMarker;
    fs::path failedAt;
    std::error_code err;
    for (int attempt = 0; attempt < kTries; ++attempt) {
        if (attempt > 0)
            std::this_thread::sleep_for(kPause);
        // The marker goes last, so a folder that could only be emptied in
        // part is still recognised as ours the next time.
        err = emptyFolder(folder, kMarker, failedAt);
        if (err == std::errc::no_such_file_or_directory && failedAt == folder)
            err.clear();
        if (err)
            continue;
        if (lockFd >= 0) {
            ::close(lockFd);
            lockFd = -1;
        }
        if (::unlink(marker.c_str()) != 0 && errno != ENOENT) {
            err = std::error_code(errno, std::generic_category());
            failedAt = marker;
            break;
        }
        if (::rmdir(folder.c_str()) == 0 || errno == ENOENT)
            return {};
        err = std::error_code(errno, std::generic_category());
        failedAt = folder;
        // Marked again, so that whoever tries next knows it for ours.
        const int again = ::open(marker.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0644);
        if (again >= 0)
            ::close(again);
    }
    if (lockFd >= 0)
        ::close(lockFd);
    return Failure{.kind = FailureKind::StagingNotDeleted, .code = err, .path = folder, .other = failedAt};
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
        if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
            ::close(fd);
            continue;
        }
        if (Status deleted = deleteMarked(folder, fd); !deleted)
            kept.leftOut.push_back(deleted.failure());
    }
    if (kept.leftOut.empty())
        return {};
    return kept;
}
