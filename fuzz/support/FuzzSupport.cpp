#include "FuzzSupport.h"

#include <QGuiApplication>

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace fs = std::filesystem;

namespace fuzz {

void EnsureApplication()
{
    // Never destroyed: objects made with it (and kept in statics) outlive it otherwise.
    static QGuiApplication* app = nullptr;
    if (app != nullptr)
        return;
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    setenv("XDG_RUNTIME_DIR", ScratchFolder().c_str(), 0);
    static int argc = 1;
    static char name[] = "volarin-fuzz";
    static char* argv[] = {name, nullptr};
    app = new QGuiApplication(argc, argv);
}

namespace {

struct Scratch {
    fs::path folder;
    Scratch()
    {
        const fs::path base = fs::is_directory("/dev/shm") ? fs::path("/dev/shm") : fs::temp_directory_path();
        folder = base / ("volarin-fuzz-" + std::to_string(::getpid()));
        fs::create_directories(folder);
    }
    ~Scratch()
    {
        std::error_code ignored;
        fs::remove_all(folder, ignored);
    }
};

}  // namespace

const fs::path& ScratchFolder()
{
    static Scratch scratch;
    return scratch.folder;
}

void Check(bool ok, std::string_view what)
{
    if (ok)
        return;
    std::fprintf(stderr, "fuzz check failed: %.*s\n", static_cast<int>(what.size()), what.data());
    std::abort();
}

}  // namespace fuzz
