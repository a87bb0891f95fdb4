#include "dialogs/statistics.h"

#include <gtest/gtest.h>

#include <set>
#include <tuple>

namespace cinq {
namespace {

// StatCounts(1..6): player 1 then player 2 at each level setting.
class StatisticsNumbering : public ::testing::TestWithParam<std::tuple<Side, Level, int>> {};

TEST_P(StatisticsNumbering, CountsEachWinInItsOwnCounter) {
    const auto [side, level, number] = GetParam();
    EXPECT_EQ(Statistics::numberOf(side, level), number);
    Statistics statistics;
    statistics.countWin(side, level);
    statistics.countWin(side, level);
    for (int n = 1; n <= Statistics::kCounters; ++n) {
        EXPECT_EQ(statistics.count(n), n == number ? 2 : 0) << "counter " << n;
    }
}

INSTANTIATE_TEST_SUITE_P(Counters, StatisticsNumbering,
                         ::testing::Values(std::tuple{Side::Player1, Level::Initiation, 1},
                                           std::tuple{Side::Player2, Level::Initiation, 2},
                                           std::tuple{Side::Player1, Level::One, 3},
                                           std::tuple{Side::Player2, Level::One, 4},
                                           std::tuple{Side::Player1, Level::Two, 5},
                                           std::tuple{Side::Player2, Level::Two, 6}));

// Every level setting and side has a counter of its own, and every counter belongs to one.
TEST(StatisticsNumbering, OneCounterForEachSideAtEachLevel) {
    std::set<int> numbers;
    for (const Level level : kLevels) {
        for (const Side side : {Side::Player1, Side::Player2}) {
            numbers.insert(Statistics::numberOf(side, level));
        }
    }
    EXPECT_EQ(numbers.size(), static_cast<std::size_t>(Statistics::kCounters));
    EXPECT_EQ(*numbers.begin(), 1);
    EXPECT_EQ(*numbers.rbegin(), Statistics::kCounters);
}

}  // namespace
}  // namespace cinq
