#include "dialogs/statistics.h"

#include <gtest/gtest.h>

#include <tuple>

namespace cinq {
namespace {

// StatCounts(1..6): player 1 then player 2 at each level setting; an unknown setting counts as
// the first.
class StatisticsNumbering : public ::testing::TestWithParam<std::tuple<Side, int, int>> {};

TEST_P(StatisticsNumbering, CountsEachWinInItsOwnCounter) {
    const auto [side, setting, number] = GetParam();
    EXPECT_EQ(Statistics::numberOf(side, setting), number);
    Statistics statistics;
    statistics.countWin(side, setting);
    statistics.countWin(side, setting);
    for (int n = 1; n <= 6; ++n) {
        EXPECT_EQ(statistics.count(n), n == number ? 2 : 0) << "counter " << n;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Counters, StatisticsNumbering,
    ::testing::Values(std::tuple{Side::Player1, 0, 1}, std::tuple{Side::Player2, 0, 2},
                      std::tuple{Side::Player1, 1, 3}, std::tuple{Side::Player2, 1, 4},
                      std::tuple{Side::Player1, 2, 5}, std::tuple{Side::Player2, 2, 6},
                      std::tuple{Side::Player1, 3, 1}, std::tuple{Side::Player2, -1, 2}));

}  // namespace
}  // namespace cinq
