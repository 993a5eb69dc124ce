#include "SmallTmpfs.h"

#include "TempDir.h"

#include <cstdlib>
#include <filesystem>

const char* smallTmpfsFolder()
{
    return std::getenv("VOLARIN_SMALL_TMPFS");
}

SmallTmpfsRun runTestInSmallTmpfs(const std::string& testName, const std::string& size)
{
    SmallTmpfsRun run;
    if (!haveProgram("unshare")) {
        run.result.out = "unshare is missing";
        return run;
    }
    TempDir dir;
    const std::string self = std::filesystem::read_symlink("/proc/self/exe").string();
    const std::string script = "mount -t tmpfs -o size=" + size + " volarin-full \"$1\" || exit 77\n"
                               "VOLARIN_SMALL_TMPFS=\"$1\" exec \"$2\" --gtest_filter=\"$3\"";
    run.result = runProcess(
        {"unshare", "--map-root-user", "--mount", "sh", "-c", script, "sh", dir.path().string(), self, testName});
    run.mounted = run.result.exitCode != 77 && run.result.out.find("unshare failed") == std::string::npos;
    return run;
}
