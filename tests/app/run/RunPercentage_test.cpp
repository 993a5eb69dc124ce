// One run's percentage: true from the first chunk, never counting bytes
// the Zipper held before the run, short of whole while files are still
// being staged, and never going back.
#include "RunPercentage.h"

#include <gtest/gtest.h>

#include <optional>
#include <vector>

TEST(RunPercentage, RoundsToNearestWithTiesToEven)
{
    struct Case {
        int64_t zipped, total;
        int percent;
    } cases[] = {
        {0, 100, 0}, {1, 200, 0}, {3, 200, 2}, {5, 200, 2}, {199, 200, 100}, {131072, 30 * 1048576, 0},
        {100, 100, 100}, {int64_t(3) << 32, int64_t(6) << 32, 50}, {0, 0, 100},
    };
    for (const Case& c : cases)
        EXPECT_EQ(RunPercentage::Percent(c.zipped, c.total), c.percent) << c.zipped << "/" << c.total;
}

TEST(RunPercentage, FollowsTheRunsOwnBytes)
{
    // A Progress of the Zipper (sources 0: staging has ended), or the end of
    // staging; `shown`: what the window is to show (empty: nothing new).
    struct Step {
        bool stagingEnds;
        int64_t zipped, toZip;
        size_t sourcesDone = 0, sources = 0;
        std::optional<int> shown;
    };
    struct Case {
        const char* name;
        int64_t baseline;
        std::vector<Step> steps;
    } cases[] = {
        {"bytes from before the run do not count", 400000,
         {{false, 0, 400100, 0, 0, 0}, {false, 50, 400100, 0, 0, 50}, {false, 100, 400100, 0, 0, 100}}},
        {"while staging, the files staged scale it, short of whole", 0,
         {{false, 50, 100, 1, 4, 12}, {false, 100, 100, 4, 4, 99}, {true, 100, 100, 0, 0, 100}}},
        {"it never goes back", 0,
         {{false, 40, 100, 2, 2, 40}, {false, 60, 200, 2, 4, 40}, {false, 60, 200, 0, 0, 40}, {false, 160, 200, 0, 0, 80}}},
        {"staging's end shows nothing below what was shown", 0,
         {{false, 90, 100, 1, 1, 90}, {true, 80, 200, 0, 0, std::nullopt}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        RunPercentage percent(c.baseline);
        for (size_t i = 0; i < c.steps.size(); ++i) {
            const Step& step = c.steps[i];
            const std::optional<int> shown = step.stagingEnds
                ? percent.CatchUp(step.zipped, step.toZip)
                : std::optional<int>(percent.Next(step.zipped, step.toZip, step.sourcesDone, step.sources));
            EXPECT_EQ(shown, step.shown) << "step " << i;
        }
    }
}
