#include "Spawn.h"

#include <chrono>
#include <cerrno>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace bench {

SpawnResult spawnAndWait(const SpawnRequest& request)
{
    SpawnResult result;
    if (request.argv.empty())
        return result;
    // Everything the child touches is made before the fork: only
    // async-signal-safe calls may run between fork and exec.
    std::vector<char*> argv;
    for (const std::string& a : request.argv)
        argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    const std::string stdinPath = request.stdinFile.empty() ? "/dev/null" : request.stdinFile.string();
    const std::string workingDir = request.workingDir.string();

    int pipeFds[2] = {-1, -1};
    if (request.captureStdout && ::pipe2(pipeFds, O_CLOEXEC) != 0)
        return result;

    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = ::fork();
    if (pid < 0)
        return result;
    if (pid == 0) {
        if (!workingDir.empty() && ::chdir(workingDir.c_str()) != 0)
            ::_exit(126);
        const int in = ::open(stdinPath.c_str(), O_RDONLY);
        if (in < 0 || ::dup2(in, 0) < 0)
            ::_exit(126);
        const int out = request.captureStdout ? pipeFds[1] : ::open("/dev/null", O_WRONLY);
        if (out < 0 || ::dup2(out, 1) < 0)
            ::_exit(126);
        ::execvp(argv[0], argv.data());
        ::_exit(127);
    }
    if (request.captureStdout) {
        ::close(pipeFds[1]);
        char buffer[4096];
        for (;;) {
            const ssize_t n = ::read(pipeFds[0], buffer, sizeof buffer);
            if (n > 0)
                result.output.append(buffer, size_t(n));
            else if (n == 0 || errno != EINTR)
                break;
        }
        ::close(pipeFds[0]);
    }
    int status = 0;
    struct rusage usage {};
    while (::wait4(pid, &status, 0, &usage) < 0 && errno == EINTR) {
    }
    result.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    result.exitedNormally = WIFEXITED(status);
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    result.peakKb = usage.ru_maxrss;
    return result;
}

}  // namespace bench
