#pragma once
// Stages a run's files (StagingCopy) on a thread of its own, so the window keeps repainting
// and answering while thousands of files or gigabytes are staged. The thread
// shares nothing with its owner but the result it hands back through a
// future; it calls `finished` once, on its own thread, when the result is
// ready (the owner wakes its own thread there: once per run, however many
// files).
#include "StagingCopy.h"

#include <filesystem>
#include <functional>
#include <future>
#include <thread>
#include <vector>

class StagingJob {
public:
    // The staging thread's name as the system lists it (at most 15 bytes).
    static constexpr const char* kStagingThreadName = "vz-staging";

    // Throws std::system_error when the system refuses the thread.
    StagingJob(std::vector<std::string> sources, std::filesystem::path folder, FileCopyMethod fastest,
               std::function<void()> finished);
    // Stops and joins the thread.
    ~StagingJob();
    StagingJob(const StagingJob&) = delete;
    StagingJob& operator=(const StagingJob&) = delete;

    // Asks the thread to stop (it looks between files and inside a long
    // copy) and waits until it has.
    void Stop();
    // True once the result is ready.
    bool Done() const;
    // The result; waits for the thread if `finished` has not been called yet.
    StagingCopyReport TakeResult();

private:
    std::future<StagingCopyReport> result_;
    std::jthread thread_;
};
