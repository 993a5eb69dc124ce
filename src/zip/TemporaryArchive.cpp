#include "TemporaryArchive.h"

#include <QRandomGenerator>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <string>

#include "TemporaryArchiveJournal.h"

namespace fs = std::filesystem;

namespace {

std::function<void()> g_beforeRename;

// The archive's name, cut where the temporary suffix would take the whole
// name past what the folder's file system allows (an archive name of up to
// 255 bytes is valid), and never inside a UTF-8 character.
std::string baseWithin(const fs::path& folder, const std::string& name, size_t suffix)
{
    const long limit = ::pathconf(folder.c_str(), _PC_NAME_MAX);
    const size_t most = limit > 0 ? static_cast<size_t>(limit) : 255;
    if (name.size() + suffix <= most)
        return name;
    size_t cut = most > suffix ? most - suffix : 0;
    while (cut > 0 && (static_cast<unsigned char>(name[cut]) & 0xC0) == 0x80)
        --cut;
    return name.substr(0, cut);
}

fs::path candidateBeside(const fs::path& archive)
{
    static const char kAlphabet[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    fs::path folder = archive.parent_path();
    if (folder.empty())
        folder = ".";
    std::string suffix = ".";
    for (int i = 0; i < 6; ++i)
        suffix += kAlphabet[QRandomGenerator::global()->bounded(int(sizeof kAlphabet - 1))];
    suffix += ".part";
    // Absolute, so that the journal can name it whatever the working folder.
    std::error_code ignored;
    return fs::absolute(folder, ignored) / (baseWithin(folder, archive.filename().string(), suffix.size()) + suffix);
}

}  // namespace

Result<void, TemporaryArchive::Failure> TemporaryArchive::Reserve(const fs::path& archive,
                                                                  std::shared_ptr<TemporaryArchiveJournal> journal)
{
    Discard();
    std::error_code error;
    for (int attempt = 0; attempt < 100; ++attempt) {
        const fs::path candidate = candidateBeside(archive);
        int fd = -1;
        auto create = [&]() -> std::error_code {
            // O_EXCL claims the name; 0666 lets the umask decide the final
            // permissions just as for a file created under the archive's own name.
            fd = ::open(candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
            if (fd < 0)
                return std::error_code(errno, std::system_category());
            ::flock(fd, LOCK_EX | LOCK_NB);  // a fresh file: nobody else can hold it
            return {};
        };
        // The journal is housekeeping: a run goes on without a record rather
        // than fail over it.
        error = journal ? journal->Record(candidate, create).code() : create();
        if (error && fd < 0 && journal && error != std::errc::file_exists)
            error = create();
        else if (!error && journal)
            journal_ = journal;
        if (fd >= 0) {
            path_ = candidate;
            lockFd_ = fd;
            return {};
        }
        if (error != std::errc::file_exists)
            break;
    }
    return Fault<Failure>{Failure::NotCreated, error};
}

Result<void, TemporaryArchive::Failure> TemporaryArchive::Publish(const fs::path& archive)
{
    if (!Held())
        return Fault<Failure>{Failure::NotHeld, std::make_error_code(std::errc::bad_file_descriptor)};
    if (g_beforeRename)
        g_beforeRename();
    if (std::rename(path_.c_str(), archive.c_str()) != 0)
        return Fault<Failure>{Failure::NotRenamed, LastSystemError(errno)};
    letGo();
    return {};
}

void TemporaryArchive::SetBeforeRename(std::function<void()> hook)
{
    g_beforeRename = std::move(hook);
}

void TemporaryArchive::Discard()
{
    if (!Held())
        return;
    // Closed before it is unlinked: FUSE and NFS keep an open file that is
    // unlinked as a hidden one (.fuse_hidden..., .nfs...) beside the archive.
    // A sweep that takes the file meanwhile only deletes it first.
    ::close(lockFd_);
    lockFd_ = -1;
    ::unlink(path_.c_str());
    letGo();
}

// The record goes after the file has its final name or is deleted, and the
// lock only after the record.
void TemporaryArchive::letGo()
{
    if (journal_)
        (void)journal_->Forget(path_);
    journal_.reset();
    if (lockFd_ >= 0)
        ::close(lockFd_);
    lockFd_ = -1;
    path_.clear();
}
