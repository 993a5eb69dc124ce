#include "MountedDrive.h"

#include "Process.h"

#include <sys/statvfs.h>
#include <unistd.h>

namespace fs = std::filesystem;

const char* MountedDrive::Name(Kind kind)
{
    switch (kind) {
    case Kind::ExFat:
        return "exFAT";
    case Kind::Ntfs:
        return "NTFS";
    case Kind::Fat32:
        return "FAT32";
    case Kind::Tmpfs:
        return "tmpfs";
    }
    return "?";
}

bool MountedDrive::run(const std::vector<std::string>& argv)
{
    if (!haveProgram(argv.front())) {
        why_ = argv.front() + " is not installed (scripts/test installs it)";
        return false;
    }
    // FUSE drivers stay behind as daemons: what they print goes to a file, not
    // to a pipe whose end would never come.
    const fs::path log = dir_ / "command.log";
    std::vector<std::string> logged{"sh", "-c", "exec \"$@\" >\"$0\" 2>&1", log.string()};
    logged.insert(logged.end(), argv.begin(), argv.end());
    const ProcessResult result = runProcess(logged);
    if (result.exitCode != 0)
        why_ = argv.front() + " failed: " + readFileBytes(log);
    return result.exitCode == 0;
}

MountedDrive::MountedDrive(Kind kind, uint64_t bytes)
    : image_(dir_ / "drive.img"), mountPoint_(dir_ / "drive")
{
    fs::create_directories(mountPoint_);
    if (::geteuid() != 0) {
        why_ = "mounting needs root";
        return;
    }
    if (kind == Kind::Tmpfs) {
        mounted_ = run({"mount", "-t", "tmpfs", "-o", "size=" + std::to_string(bytes), "volarin-test",
                        mountPoint_.string()});
        return;
    }
    if (!run({"truncate", "-s", std::to_string(bytes), image_.string()}))
        return;
    const bool formatted = kind == Kind::ExFat  ? run({"mkfs.exfat", image_.string()})
                           : kind == Kind::Ntfs ? run({"mkfs.ntfs", "-Q", "-F", image_.string()})
                                                : run({"mkfs.vfat", "-F", "32", image_.string()});
    if (!formatted)
        return;
    if (kind == Kind::Fat32) {
        // The kernel's vfat where it has one, as a desktop would use.
        kernelFat_ = run({"mount", "-t", "vfat", "-o", "loop", image_.string(), mountPoint_.string()});
        mounted_ = kernelFat_ || run({"fusefat", "-o", "rw+", image_.string(), mountPoint_.string()});
        return;
    }
    const ProcessResult loop = haveProgram("losetup") ? runProcess({"losetup", "-f", "--show", image_.string()})
                                                      : ProcessResult{};
    if (loop.exitCode != 0 || loop.out.rfind("/dev/", 0) != 0) {
        why_ = "no loop device: " + loop.out;
        return;
    }
    loop_ = loop.out.substr(0, loop.out.find('\n'));
    // windows_names: the rules a desktop (udisks) mounts NTFS with.
    mounted_ = kind == Kind::ExFat ? run({"mount.exfat-fuse", loop_, mountPoint_.string()})
                                   : run({"ntfs-3g", "-o", "windows_names", loop_, mountPoint_.string()});
}

MountedDrive::~MountedDrive()
{
    if (mounted_ && runProcess({"umount", mountPoint_.string()}).exitCode != 0)
        runProcess({"umount", "-l", mountPoint_.string()});
    if (!loop_.empty())
        runProcess({"losetup", "-d", loop_});
}

uint64_t MountedDrive::UsedBytes() const
{
    struct statvfs st {};
    if (::statvfs(mountPoint_.c_str(), &st) != 0)
        return 0;
    return static_cast<uint64_t>(st.f_blocks - st.f_bfree) * st.f_frsize;
}
