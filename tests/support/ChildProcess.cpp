#include "ChildProcess.h"

#include <cerrno>
#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

int remainingMs(Clock::time_point deadline)
{
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
    return left > 0 ? static_cast<int>(left) : 0;
}

} // namespace

ChildProcess::ChildProcess(const std::vector<std::string>& argv, const std::map<std::string, std::string>& env)
{
    int ends[2];
    if (argv.empty() || ::pipe2(ends, O_CLOEXEC) != 0)
        return;
    std::vector<char*> args;
    for (const std::string& a : argv)
        args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);
    // Made before the fork: between fork and exec only async-signal-safe calls may run.
    std::vector<std::string> variables;
    for (char** v = environ; *v != nullptr; ++v) {
        const std::string variable(*v);
        if (!env.contains(variable.substr(0, variable.find('='))))
            variables.push_back(variable);
    }
    for (const auto& [name, value] : env)
        variables.push_back(name + '=' + value);
    std::vector<char*> envp;
    for (std::string& v : variables)
        envp.push_back(v.data());
    envp.push_back(nullptr);

    pid_ = ::fork();
    if (pid_ == 0) {
        ::dup2(ends[1], STDOUT_FILENO);
        ::dup2(ends[1], STDERR_FILENO);
        ::execvpe(args[0], args.data(), envp.data());
        ::_exit(127);
    }
    ::close(ends[1]);
    output_fd_ = ends[0];
    started_ = pid_ > 0;
    if (!started_) {
        ::close(output_fd_);
        output_fd_ = -1;
    }
}

ChildProcess::~ChildProcess()
{
    if (started_ && !reap(false)) {
        ::kill(pid_, SIGKILL);
        reap(true);
    }
    if (output_fd_ >= 0)
        ::close(output_fd_);
}

bool ChildProcess::readSome(int timeoutMs)
{
    if (output_fd_ < 0)
        return false;
    pollfd fd{output_fd_, POLLIN, 0};
    if (::poll(&fd, 1, timeoutMs) <= 0)
        return true;
    char buffer[8192];
    const ssize_t n = ::read(output_fd_, buffer, sizeof buffer);
    if (n > 0) {
        output_.append(buffer, static_cast<size_t>(n));
        return true;
    }
    if (n < 0 && errno == EINTR)
        return true;
    ::close(output_fd_);
    output_fd_ = -1;
    return false;
}

bool ChildProcess::WaitForLine(const std::string& prefix, int timeoutMs)
{
    const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
    for (;;) {
        for (size_t end; (end = output_.find('\n', scanned_)) != std::string::npos;) {
            const bool match = output_.compare(scanned_, prefix.size(), prefix) == 0;
            scanned_ = end + 1;
            if (match)
                return true;
        }
        if (!started_ || remainingMs(deadline) == 0 || !readSome(remainingMs(deadline)))
            return false;
    }
}

void ChildProcess::Signal(int signal)
{
    if (started_ && !reap(false))
        ::kill(pid_, signal);
}

bool ChildProcess::WaitForEnd(int timeoutMs)
{
    if (!started_)
        return true;
    const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
    // The output ends when the program (and anything it left holding the pipe) is gone.
    while (output_fd_ >= 0 && remainingMs(deadline) > 0)
        readSome(remainingMs(deadline));
    while (!reap(false) && remainingMs(deadline) > 0)
        ::usleep(10000);
    return ended_;
}

bool ChildProcess::reap(bool wait)
{
    if (ended_)
        return true;
    int status = 0;
    pid_t got;
    do
        got = ::waitpid(pid_, &status, wait ? 0 : WNOHANG);
    while (got < 0 && errno == EINTR);
    if (got == pid_) {
        ended_ = true;
        status_ = status;
    }
    return ended_;
}

bool ChildProcess::EndedBySignal() const
{
    return ended_ && WIFSIGNALED(status_);
}

int ChildProcess::EndingSignal() const
{
    return EndedBySignal() ? WTERMSIG(status_) : 0;
}

int ChildProcess::ExitCode() const
{
    return ended_ && WIFEXITED(status_) ? WEXITSTATUS(status_) : -1;
}
