#pragma once
// One run's share of the Zipper's byte counts, as the percentage the window
// shows: bytes the Zipper held before the run (a queuing that failed earlier)
// do not count, the figure is held short of whole while files are still being
// staged, and it never goes back within the run.
#include <cstddef>
#include <cstdint>
#include <optional>

class RunPercentage {
public:
    // `baseline`: the Zipper's BytesToZip when the run began.
    explicit RunPercentage(int64_t baseline = 0) : baseline_(baseline) {}

    // zipped x 100 / total rounded to the nearest integer, ties to even.
    static int Percent(int64_t zipped, int64_t total);

    // The figure after the Zipper's progress. While staging goes on
    // (`sources` > 0), the bytes to zip are not all known yet: the share of
    // files staged so far scales the figure, which stays below 100.
    int Next(int64_t zipped, int64_t toZip, size_t sourcesDone, size_t sources);
    // Staging has ended: the figure when it caught up beyond the last shown.
    std::optional<int> CatchUp(int64_t zipped, int64_t toZip);

private:
    int of(int64_t zipped, int64_t toZip) const { return Percent(zipped, toZip - baseline_); }

    int64_t baseline_;
    int last_ = 0;
};
