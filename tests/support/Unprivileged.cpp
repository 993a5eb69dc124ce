#include "Unprivileged.h"

#include "Process.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <pwd.h>
#include <unistd.h>

namespace fs = std::filesystem;

bool runningAsRoot()
{
    return ::geteuid() == 0;
}

UnprivilegedRun rerunCurrentTestUnprivileged()
{
    UnprivilegedRun run;
    const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
    const passwd* nobody = ::getpwnam("nobody");
    if (!test || !nobody || !haveProgram("setpriv") || !haveProgram("env")) {
        run.output = "no current test, no user nobody, or no setpriv";
        return run;
    }
    std::error_code ec;
    const fs::path self = fs::read_symlink("/proc/self/exe", ec);
    if (ec) {
        run.output = "cannot find the test binary: " + ec.message();
        return run;
    }

    // A home and a temporary folder of the child's own, removed with ours.
    TempDir home;
    if (::chown(home.path().c_str(), nobody->pw_uid, nobody->pw_gid) != 0) {
        run.output = "cannot hand a folder to nobody";
        return run;
    }
    const std::vector<std::string> asNobody = {
        "setpriv", "--reuid=" + std::to_string(nobody->pw_uid), "--regid=" + std::to_string(nobody->pw_gid),
        "--clear-groups", "env", "-u", "XDG_RUNTIME_DIR", "-u", "XDG_CACHE_HOME", "-u", "XDG_CONFIG_HOME",
        "-u", "XDG_DATA_HOME", "HOME=" + home.path().string(), "TMPDIR=" + home.path().string()};

    // The binary lies in a build folder, and the home in a temporary folder,
    // that nobody may not be able to reach.
    std::vector<std::string> probe = asNobody;
    probe.insert(probe.end(), {"sh", "-c", "test -x \"$0\" && test -w \"$1\"", self.string(), home.path().string()});
    if (runProcess(probe).exitCode != 0) {
        run.output = "nobody cannot run " + self.string() + " or write " + home.path().string();
        return run;
    }

    std::vector<std::string> argv = asNobody;
    argv.push_back(self.string());
    argv.push_back(std::string("--gtest_filter=") + test->test_suite_name() + "." + test->name());
    const ProcessResult result = runProcess(argv);
    run.ran = true;
    run.output = result.out;
    // The child must really have run the test (not skipped it, not found none).
    run.passed = result.exitCode == 0 && result.out.find("[  PASSED  ] 1 test") != std::string::npos
        && result.out.find("[  SKIPPED ]") == std::string::npos;
    return run;
}
