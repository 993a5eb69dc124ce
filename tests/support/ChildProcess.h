#pragma once
// A program started in the background whose output lines can be waited for
// and that can be sent a signal, for tests of how a process ends. Started with
// a plain fork and exec: thread checkers follow a fork where they cannot
// follow the shared-memory start QProcess uses.
#include <sys/types.h>

#include <map>
#include <string>
#include <vector>

class ChildProcess {
public:
    // Starts `argv` with these variables added to (or replacing those of) the environment.
    ChildProcess(const std::vector<std::string>& argv, const std::map<std::string, std::string>& env);
    // Kills the program if it still runs.
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    bool Started() const { return started_; }
    // Waits until a line starting with `prefix` has been printed; false when
    // the program ended or the time ran out first.
    bool WaitForLine(const std::string& prefix, int timeoutMs = 30000);
    void Signal(int signal);
    // Waits for the end; false when the program is still running.
    bool WaitForEnd(int timeoutMs = 30000);
    // After the end: whether a signal ended it, and the exit code otherwise.
    bool EndedBySignal() const;
    // The signal that ended it; 0 when none did.
    int EndingSignal() const;
    int ExitCode() const;
    // Everything printed so far (standard output and error).
    const std::string& Output() const { return output_; }

private:
    // Reads what the program printed, waiting at most timeoutMs for it; false at its end of output.
    bool readSome(int timeoutMs);
    // Reaps the program if it has ended.
    bool reap(bool wait);

    pid_t pid_ = -1;
    int output_fd_ = -1;
    bool started_ = false;
    bool ended_ = false;
    int status_ = 0;
    std::string output_;
    size_t scanned_ = 0;  // lines before this offset were looked at already
};
