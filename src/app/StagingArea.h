#pragma once
// The staging folders into which a run copies the files to zip, one per
// archive name, all under one root in the user's cache folder.
//
// Deleting is dangerous here (the folder name is typed by the user), so this
// class only ever deletes folders it can prove it made: each gets a marker
// dot-file when created, and only a real (not symlinked) folder directly under
// the root that holds the marker is removed. The root itself and anything
// outside it are never touched.
//
// Every window of the program (two may run at once) shares the root, so each
// keeps its marker files locked (flock) while it owns the folders: a folder
// another running window owns is never emptied or reused, while one left by
// a window that has gone (the lock went with it) may be.
#include "FolderDisposal.h"
#include "Status.h"

#include <filesystem>
#include <map>
#include <set>
#include <string>

class StagingArea {
public:
    // The marker file's name; it starts with a dot so the hidden-file rule of
    // the zip walk leaves it out of every archive.
    static constexpr const char* kMarker = ".volarin-z-staging";

    explicit StagingArea(std::filesystem::path root = DefaultRoot());
    // Releases the locks; the folders themselves go with RemoveAll.
    ~StagingArea();
    StagingArea(const StagingArea&) = delete;
    StagingArea& operator=(const StagingArea&) = delete;

    // The per-user cache folder plus "/staging".
    static std::filesystem::path DefaultRoot();

    const std::filesystem::path& Root() const { return root_; }
    // root / name; name must already have passed ArchiveName::Check.
    std::filesystem::path FolderFor(const std::string& name) const { return root_ / name; }

    // Deletes the staging folder of this name if this program made it, then
    // creates it empty with its marker. A folder of that name that is not ours
    // is left alone and the name refused.
    Status Prepare(const std::string& name);

    // Deletes one staging folder made by this program (a missing folder is fine).
    Status Remove(const std::filesystem::path& folder);
    // The same in the background: the folder is renamed out of the way at
    // once and deleted on the disposal thread, its lock held until then
    // (deleted here when it cannot be renamed).
    Status SetAside(const std::filesystem::path& folder);

    // Deletes every staging folder this process made; used when the program
    // ends so no copies of the user's files stay behind. The folders that
    // could not be deleted are listed in the failure's leftOut. Like Prepare,
    // it only renames each folder out of the way at once; the deleting goes
    // on in the background until FinishRemoving.
    Status RemoveAll();
    // Waits until every folder set aside is deleted; those that could not
    // be are listed in the failure's leftOut. The destructor waits too.
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

    // True when another running window of the program owns the folder.
    bool InUseElsewhere(const std::filesystem::path& folder) const;

private:
    void releaseLock(const std::filesystem::path& folder);
    static Status deleteMarked(const std::filesystem::path& folder);

    std::filesystem::path root_;
    std::set<std::filesystem::path> made_;
    std::map<std::filesystem::path, int> locks_;  // folder -> locked marker descriptor
    unsigned setAsideCount_ = 0;
    FolderDisposal disposal_{&StagingArea::deleteMarked};
};
