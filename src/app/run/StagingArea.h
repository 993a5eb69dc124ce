#pragma once
// The staging folders into which a run links the files it zips, one per run
// under a name of its own, all under one root in the user's cache folder.
//
// Deleting is dangerous here, so this class only ever deletes folders it can
// prove it made: each gets a marker dot-file when created, and only a real
// (not symlinked) folder directly under the root that holds the marker is
// removed. The root itself and anything outside it are never touched.
//
// Every window of the program (two may run at once) shares the root, so each
// keeps its marker files locked (flock) while it owns the folders: a folder
// another running window owns is never taken for a leftover, while one left
// by a window that has gone (the lock went with it) is. A marker is closed
// before it is unlinked: FUSE and NFS keep an open file that is unlinked as a
// hidden one (.fuse_hidden..., .nfs...), and its folder could not go.
#include "FolderDisposal.h"
#include "Result.h"
#include "Status.h"

#include <filesystem>
#include <map>
#include <string>

enum class RunFolderFailure {
    NoRoot,    // the root could not be made
    NoFolder,  // no folder could be made under it
    NoMarker,  // the folder could not be marked as ours (it is removed again)
};

class StagingArea {
public:
    // The marker file's name; it starts with a dot so the hidden-file rule of
    // the zip walk leaves it out of every archive.
    static constexpr const char* kMarker = ".volarin-z-staging";
    // Run folders are named this prefix and six random characters.
    static constexpr const char* kRunPrefix = "run-";

    explicit StagingArea(std::filesystem::path root = DefaultRoot());
    // Waits for the folders being deleted and releases the remaining locks.
    ~StagingArea();
    StagingArea(const StagingArea&) = delete;
    StagingArea& operator=(const StagingArea&) = delete;

    // The per-user cache folder plus "/staging".
    static std::filesystem::path DefaultRoot();

    const std::filesystem::path& Root() const { return root_; }

    // Creates an empty, marked folder for one run under a name no other run
    // has; fails with the system's reason when the root cannot hold one
    // (full, read-only: the run then links nothing).
    Result<std::filesystem::path, RunFolderFailure> MakeRunFolder();

    // Has a folder this object made deleted in the background (it is
    // renamed aside at once where it can be).
    void Release(const std::filesystem::path& folder);
    // Releases every folder this object made; used when the program ends.
    void RemoveAll();
    // Waits until every folder released is deleted; those that could not be
    // are listed in the failure's leftOut. They keep their marker, so the
    // next start-up's RemoveLeftovers deletes them.
    Status FinishRemoving() { return disposal_.Finish(); }
    // Folders set aside for deleting are named this prefix, the process id and a count.
    static constexpr const char* kAsidePrefix = ".volarin-z-gone-";

    // Deletes the staging folders that an earlier process of the program left
    // behind (it was killed or crashed): those under the root that carry our
    // marker and whose lock no running window holds. Each is locked while it
    // is deleted, so no window can start using it meanwhile. The folders that
    // could not be deleted are listed in the failure's leftOut.
    Status RemoveLeftovers();

    // True when the folder is a real folder directly under the root holding
    // our marker.
    bool IsOurs(const std::filesystem::path& folder) const;

private:
    // Deletes a folder known to be ours, then closes lockFd (its marker's
    // locked descriptor, -1: none) just before the marker is unlinked.
    static Status deleteMarked(const std::filesystem::path& folder, int lockFd);

    std::filesystem::path root_;
    std::map<std::filesystem::path, int> made_;  // folder -> locked marker descriptor
    unsigned setAsideCount_ = 0;
    FolderDisposal disposal_{&StagingArea::deleteMarked};
};
