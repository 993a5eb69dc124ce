// Where finished blocks wait for the window's thread: taken in sequence
// order whatever order they arrive in, one wake-up per wait, nothing kept
// that nobody wants any more.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <random>
#include <thread>
#include <vector>

#include "OrderedResults.h"
#include "TestWatchdog.h"

namespace {

CompressedBlock block(uint64_t seq)
{
    CompressedBlock b;
    b.seq = seq;
    b.data.assign(3, static_cast<unsigned char>(seq));
    return b;
}

}  // namespace

TEST(OrderedResults, RangeReadyOnlyWhenWholeAndWokenOnce)
{
    int wakes = 0;
    OrderedResults results([&] { ++wakes; });
    for (uint64_t seq = 1; seq <= 4; ++seq)
        results.Expect(seq, seq);
    EXPECT_FALSE(results.ReadyOrWake(1, 3));
    results.Put(block(3));
    results.Put(block(1));
    EXPECT_EQ(wakes, 0);
    EXPECT_FALSE(results.Take(2).has_value()) << "not there yet";
    results.Put(block(2));
    EXPECT_EQ(wakes, 1);
    results.Put(block(4));
    EXPECT_EQ(wakes, 1) << "nobody waits for 4";
    EXPECT_TRUE(results.ReadyOrWake(1, 4));
    for (uint64_t seq = 1; seq <= 4; ++seq) {
        std::optional<CompressedBlock> taken = results.Take(seq);
        ASSERT_TRUE(taken.has_value()) << seq;
        EXPECT_EQ(taken->data, block(seq).data);
        EXPECT_FALSE(results.Take(seq).has_value()) << "taken once";
    }
}

TEST(OrderedResults, ForgottenBlocksAreThrownAwayAndWakeNobody)
{
    int wakes = 0;
    OrderedResults results([&] { ++wakes; });
    for (uint64_t seq = 1; seq <= 5; ++seq)
        results.Expect(seq, seq);
    EXPECT_FALSE(results.ReadyOrWake(3, 5));
    results.ForgetFrom(3);
    for (uint64_t seq = 1; seq <= 5; ++seq)
        results.Put(block(seq));
    EXPECT_EQ(wakes, 0);
    EXPECT_TRUE(results.Take(2).has_value());
    EXPECT_FALSE(results.Take(3).has_value());
    EXPECT_FALSE(results.Take(5).has_value());
    // Unexpected sequence numbers are not kept either.
    results.Put(block(9));
    EXPECT_FALSE(results.Take(9).has_value());
}

// A wait that reaches ahead over small blocks wakes once they are all there;
// dropping the blocks ahead leaves it waiting only for those before them.
TEST(OrderedResults, WaitReachingAheadWakesOnceForAll)
{
    const struct {
        const char* label;
        std::vector<uint64_t> putBefore;  // before the forget (if any)
        uint64_t forgetFrom;              // 0: nothing dropped
        std::vector<uint64_t> putAfter;
        int wakes;
    } cases[] = {
        {"all ahead arrive", {1, 2}, 0, {3}, 1},
        {"first alone wakes nobody", {1}, 0, {}, 0},
        {"dropped ahead, first there", {1}, 2, {}, 1},
        {"dropped ahead, first later", {}, 2, {1}, 1},
        {"the wanted one dropped", {}, 1, {1, 2, 3}, 0},
    };
    for (const auto& c : cases) {
        int wakes = 0;
        OrderedResults results([&] { ++wakes; });
        results.Expect(1, 3);
        EXPECT_FALSE(results.ReadyOrWake(1, 1, 3)) << c.label;
        for (uint64_t seq : c.putBefore)
            results.Put(block(seq));
        if (c.forgetFrom != 0)
            results.ForgetFrom(c.forgetFrom);
        for (uint64_t seq : c.putAfter)
            results.Put(block(seq));
        EXPECT_EQ(wakes, c.wakes) << c.label;
    }
}

// Workers put blocks in any order from their own threads while the owner
// waits range by range: every wait ends with one wake-up, and every block
// comes back whole.
TEST(OrderedResults, BlocksFromManyThreadsComeBackInOrder)
{
    TestWatchdog::Limit(TestWatchdog::kThreaded);
    constexpr uint64_t kBlocks = 400;
    std::atomic<int> wakes{0};
    OrderedResults results([&] { wakes.fetch_add(1); });
    for (uint64_t seq = 1; seq <= kBlocks; ++seq)
        results.Expect(seq, seq);
    std::vector<uint64_t> order(kBlocks);
    for (uint64_t i = 0; i < kBlocks; ++i)
        order[i] = i + 1;
    std::shuffle(order.begin(), order.end(), std::mt19937(5));
    std::atomic<size_t> next{0};
    std::vector<std::thread> workers;
    for (int w = 0; w < 4; ++w)
        workers.emplace_back([&] {
            for (size_t i; (i = next.fetch_add(1)) < kBlocks;)
                results.Put(block(order[i]));
        });
    int waits = 0;
    for (uint64_t first = 1; first <= kBlocks; first += 50) {
        const uint64_t last = first + 49;
        const int before = wakes.load();
        if (!results.ReadyOrWake(first, last)) {
            ++waits;
            while (wakes.load() == before)
                std::this_thread::yield();
        }
        for (uint64_t seq = first; seq <= last; ++seq) {
            std::optional<CompressedBlock> taken = results.Take(seq);
            ASSERT_TRUE(taken.has_value()) << seq;
            EXPECT_EQ(taken->seq, seq);
        }
    }
    for (std::thread& t : workers)
        t.join();
    EXPECT_EQ(wakes.load(), waits);
}
