#pragma once
// A file system made by the test itself and mounted the way a Linux desktop
// mounts a stick or a card (as root; CI runs as root): exFAT through
// exfat-fuse and NTFS through ntfs-3g with Windows' name rules, each on a
// loop device; FAT32 through the kernel where it has vfat, else fusefat on
// the image; or a small tmpfs. Unmounted (and its loop device let go) when it
// goes. Where the machine cannot mount, Mounted() is false and Why() says why.
#include "TempDir.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

class MountedDrive {
public:
    enum class Kind { ExFat, Ntfs, Fat32, Tmpfs };

    MountedDrive(Kind kind, uint64_t bytes);
    ~MountedDrive();
    MountedDrive(const MountedDrive&) = delete;
    MountedDrive& operator=(const MountedDrive&) = delete;

    bool Mounted() const { return mounted_; }
    const std::string& Why() const { return why_; }
    // The mount point: the drive's top folder.
    const std::filesystem::path& Path() const { return mountPoint_; }
    std::filesystem::path operator/(const std::string& name) const { return mountPoint_ / name; }
    // FAT32 through the kernel's vfat (not fusefat).
    bool KernelFat() const { return kernelFat_; }
    // Bytes in use on the drive now.
    uint64_t UsedBytes() const;

    static const char* Name(Kind kind);

private:
    bool run(const std::vector<std::string>& argv);

    TempDir dir_;
    std::filesystem::path image_;
    std::filesystem::path mountPoint_;
    std::string loop_;  // the loop device, when one was set up
    bool mounted_ = false;
    bool kernelFat_ = false;
    std::string why_;
};
