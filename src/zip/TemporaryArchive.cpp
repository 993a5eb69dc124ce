#include "TemporaryArchive.h"

#include <QRandomGenerator>

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

namespace fs = std::filesystem;

fs::path ReserveTemporaryArchive(const fs::path& archive)
{
    static const char kAlphabet[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    fs::path folder = archive.parent_path();
    if (folder.empty())
        folder = ".";
    const std::string base = archive.filename().string();
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string suffix;
        for (int i = 0; i < 6; ++i)
            suffix += kAlphabet[QRandomGenerator::global()->bounded(int(sizeof kAlphabet - 1))];
        fs::path candidate = folder / (base + "." + suffix + ".part");
        // O_EXCL claims the name; 0666 lets the umask decide the final permissions
        // just as for a file created under the archive's own name.
        int fd = ::open(candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0) {
            ::close(fd);
            return candidate;
        }
        if (errno != EEXIST)
            return {};
    }
    return {};
}
