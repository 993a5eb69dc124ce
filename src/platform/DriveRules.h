#pragma once
// What the file system holding a folder allows, found out by asking it:
// drives formatted for Windows (FAT, exFAT, NTFS as a desktop mounts it)
// refuse some characters in names, and FAT cannot hold a file of 4 GiB.
#include <cstdint>
#include <filesystem>
#include <string>
#include <system_error>

class DriveRules {
public:
    // FAT's largest file: 4 GiB less one byte.
    static constexpr uint64_t kFatLargestFile = (uint64_t(1) << 32) - 1;

    // The largest file the folder's file system can hold, where it is known
    // to be smaller than any selection could reach (FAT); 0 otherwise.
    static uint64_t LargestFile(const std::filesystem::path& folder);

    // Whether the file system takes a file named `fileName` in `folder`: one
    // is created and deleted again (closed first, so FUSE and NFS keep no
    // hidden copy). Empty when it was taken, or when a file of that name is
    // there already; else the system's refusal.
    static std::error_code ProbeName(const std::filesystem::path& folder, const std::string& fileName);

    // True for refusals that concern the name rather than the folder (a
    // full, read-only or forbidden folder is no fault of the name). FUSE
    // drivers answer a name they refuse with EINVAL, EILSEQ, EPERM or even
    // ENOENT.
    static bool RefusesName(const std::error_code& refusal);

    // The file system type the folder's mount table entry names ("vfat",
    // "fuseblk", "fuse.fusefat", ...); empty when it cannot be found.
    static std::string MountType(const std::filesystem::path& folder);
};
