#include "Process.h"

#include <QStandardPaths>
#include <QString>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// Closes the descriptor on every way out.
struct Fd {
    int fd = -1;
    ~Fd() { reset(); }
    void reset()
    {
        if (fd >= 0)
            ::close(fd);
        fd = -1;
    }
};

bool makePipe(Fd& readEnd, Fd& writeEnd)
{
    int ends[2];
    if (::pipe2(ends, O_CLOEXEC) != 0)
        return false;
    readEnd.fd = ends[0];
    writeEnd.fd = ends[1];
    return true;
}

// Feeds the child's standard input and drains its output together, so a
// child that writes much before reading cannot block either side.
std::string exchange(Fd& input, Fd& output, const std::string& stdinBytes)
{
    std::string out;
    size_t written = 0;
    if (stdinBytes.empty())
        input.reset();
    else
        ::fcntl(input.fd, F_SETFL, O_NONBLOCK);
    char buffer[65536];
    while (output.fd >= 0) {
        pollfd fds[2] = {{output.fd, POLLIN, 0}, {input.fd, POLLOUT, 0}};
        if (::poll(fds, input.fd >= 0 ? 2 : 1, -1) < 0 && errno != EINTR)
            break;
        if (input.fd >= 0 && (fds[1].revents & (POLLOUT | POLLERR | POLLHUP))) {
            const ssize_t n = ::write(input.fd, stdinBytes.data() + written, stdinBytes.size() - written);
            if (n > 0)
                written += static_cast<size_t>(n);
            if (n < 0 && errno != EAGAIN && errno != EINTR)
                input.reset();  // the child stopped reading
            if (written == stdinBytes.size())
                input.reset();
        }
        if (fds[0].revents & (POLLIN | POLLERR | POLLHUP)) {
            const ssize_t n = ::read(output.fd, buffer, sizeof buffer);
            if (n > 0)
                out.append(buffer, static_cast<size_t>(n));
            else if (n == 0 || errno != EINTR)
                output.reset();
        }
    }
    return out;
}

} // namespace

// A plain fork and exec rather than QProcess: the arguments go over as the
// exact bytes given, and thread checkers follow a fork where they cannot
// follow the shared-memory start QProcess uses.
ProcessResult runProcess(const std::vector<std::string>& argv, const std::string& stdinBytes)
{
    ProcessResult result;
    if (argv.empty())
        return result;
    // A child that exits before reading all its input must not kill the test.
    static const bool ignoringSigpipe = [] { return std::signal(SIGPIPE, SIG_IGN) != SIG_ERR; }();
    (void)ignoringSigpipe;

    Fd inRead, inWrite, outRead, outWrite, failRead, failWrite;
    if (!makePipe(inRead, inWrite) || !makePipe(outRead, outWrite) || !makePipe(failRead, failWrite))
        return result;
    std::vector<char*> args;
    for (const std::string& a : argv)
        args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);

    const pid_t pid = ::fork();
    if (pid < 0)
        return result;
    if (pid == 0) {
        ::dup2(inRead.fd, STDIN_FILENO);
        ::dup2(outWrite.fd, STDOUT_FILENO);
        ::dup2(outWrite.fd, STDERR_FILENO);
        ::execvp(args[0], args.data());
        const int error = errno;  // the exec failed: tell the parent, which reports -1
        [[maybe_unused]] const ssize_t told = ::write(failWrite.fd, &error, sizeof error);
        ::_exit(127);
    }
    inRead.reset();
    outWrite.reset();
    failWrite.reset();
    result.out = exchange(inWrite, outRead, stdinBytes);

    int status = 0;
    while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    int execError = 0;
    const bool execFailed = ::read(failRead.fd, &execError, sizeof execError) == sizeof execError;
    result.exitCode = !execFailed && WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return result;
}

bool haveProgram(const std::string& name)
{
    return !QStandardPaths::findExecutable(QString::fromStdString(name)).isEmpty();
}
