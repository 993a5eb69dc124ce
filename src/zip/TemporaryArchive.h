#pragma once
// The file a run writes its archive into: "<name>.XXXXXX.part" beside the
// final name, so a failed or interrupted run never leaves half an archive
// under that name and never destroys an archive that was there before.
// While held, the file is locked (flock, on a descriptor of its own), so that
// a sweep of leftovers by any process sees it is in use; with a journal, its
// path is recorded there before the file is created.
#include <filesystem>
#include <functional>
#include <memory>
#include <system_error>

#include "Result.h"

class TemporaryArchiveJournal;

class TemporaryArchive {
public:
    enum class Failure {
        NotCreated,  // no temporary file could be made beside the archive
        NotHeld,     // Publish without a file reserved
        NotRenamed,  // the file could not take the archive's name
    };

    TemporaryArchive() = default;
    ~TemporaryArchive() { Discard(); }
    TemporaryArchive(const TemporaryArchive&) = delete;
    TemporaryArchive& operator=(const TemporaryArchive&) = delete;

    // Creates an empty temporary file in `archive`'s folder and holds it;
    // fails (with the system's reason) when none can be created there.
    Result<void, Failure> Reserve(const std::filesystem::path& archive,
                                  std::shared_ptr<TemporaryArchiveJournal> journal);
    bool Held() const { return lockFd_ >= 0; }
    const std::filesystem::path& Path() const { return path_; }
    // Gives the file the archive's name and lets it go; fails (with the
    // reason) when the rename fails, the file then staying held.
    Result<void, Failure> Publish(const std::filesystem::path& archive);
    // Deletes the file and lets it go; nothing when none is held.
    void Discard();

    // For tests: runs on the renaming thread just before each rename (none: nothing).
    static void SetBeforeRename(std::function<void()> hook);

private:
    void letGo();

    std::filesystem::path path_;
    int lockFd_ = -1;
    std::shared_ptr<TemporaryArchiveJournal> journal_;
};
