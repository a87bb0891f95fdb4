#include "engine/time_manager.h"

#include <gtest/gtest.h>

#include "engine/search.h"

namespace engine {
namespace {

using std::chrono::milliseconds;

// A clock that stands still until the test moves it, or moves by `step` at every reading.
class FakeClock final : public Clock {
public:
    TimePoint now() const override {
        const TimePoint t = time_;
        time_ += step;
        return t;
    }
    void advance(milliseconds by) { time_ += by; }
    milliseconds step{0};

private:
    mutable TimePoint time_{};
};

TEST(TimeManager, MoveBudgetKeepsAMarginAndFollowsTheMatchClock) {
    struct Row {
        int turnMs;
        long long matchLeftMs;
        int budget;
    };
    const Row rows[] = {
        {0, -1, 95},            // no turn time given: 100 ms
        {1000, -1, 950},        // a margin of 5 %
        {40, -1, 35},           // at least 5 ms of margin
        {1000, 3150, 285},      // a tenth of the match clock above its reserve
        {100, 2147483647, 95},  // a clock with no real limit
        {1000, 0, 1},           // nothing left: the least there is
    };
    for (const Row& row : rows)
        EXPECT_EQ(TimeManager::moveBudget(row.turnMs, row.matchLeftMs), row.budget)
            << row.turnMs << " " << row.matchLeftMs;
}

// A whole game on a 3-second match clock, each answer costing a millisecond more than the
// engine's budget: the clock lasts 150 moves of one side, more than a game on 20 x 20 takes.
TEST(TimeManager, AMatchClockLastsTheWholeGame) {
    long long left = 3000;
    for (int move = 0; move < 150; ++move) {
        left -= TimeManager::moveBudget(0, left) + 1;
        ASSERT_GT(left, 0) << "out of time at move " << move;
    }
}

TEST(TimeManager, PartsShareWhatIsLeftOfTheBudget) {
    FakeClock clock;
    TimeManager time(clock);
    time.start({100, 0, 40});
    time.beginPart(0.3, 0);
    clock.advance(milliseconds(29));
    EXPECT_FALSE(time.stop(256));
    clock.advance(milliseconds(1));
    EXPECT_FALSE(time.stop(257));  // the clock is read every 256 nodes only
    EXPECT_TRUE(time.stop(512));
    EXPECT_TRUE(time.stop(513));  // and it stays stopped

    time.beginPart(1.0, 512);  // 70 ms left, all of it
    EXPECT_FALSE(time.stopped());
    clock.advance(milliseconds(31));
    EXPECT_FALSE(time.pastShare(600, 0.45));
    clock.advance(milliseconds(1));
    EXPECT_TRUE(time.pastShare(600, 0.45));
    clock.advance(milliseconds(37));
    EXPECT_FALSE(time.stop(768));
    clock.advance(milliseconds(1));
    EXPECT_TRUE(time.stop(1024));
    EXPECT_EQ(time.elapsedMs(), 100);
}

TEST(TimeManager, ANodeLimitIgnoresTheClock) {
    FakeClock clock;
    TimeManager time(clock);
    time.start({1, 1000, 40});
    clock.advance(milliseconds(5000));
    time.beginPart(0.3, 100);  // 900 left: up to node 370
    EXPECT_FALSE(time.stop(369));
    EXPECT_TRUE(time.stop(370));
    time.beginPart(1.0, 370);
    EXPECT_FALSE(time.pastShare(643, 0.45));  // 45 % of 630
    EXPECT_TRUE(time.pastShare(653, 0.45));
    EXPECT_FALSE(time.stop(999));
    EXPECT_TRUE(time.stop(1000));
}

// The whole search under a clock that moves at every reading: it answers within its budget
// and a reading or two, however the parts share it.
TEST(TimeManager, TheSearchKeepsToItsBudget) {
    FakeClock clock;
    clock.step = milliseconds(1);
    Search search(std::size_t{1} << 20U, clock);
    Position position(20, 20);
    for (const auto& [x, y] : {std::pair{10, 10}, {11, 11}, {9, 11}, {10, 12}, {12, 9}})
        position.play(Position::cell(x, y));
    for (const int budget : {20, 100}) {
        Limits limits;
        limits.milliseconds = budget;
        const SearchResult result = search.choose(position, limits);
        EXPECT_NE(result.move, kNoCell);
        EXPECT_LE(result.milliseconds, budget + budget / 10) << budget;
    }
}

}  // namespace
}  // namespace engine
