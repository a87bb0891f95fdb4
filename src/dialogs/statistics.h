#pragma once

#include <array>

#include "dialogs/level.h"

namespace cinq {

enum class Side { Player1, Player2 };

// Games won by each side at each level setting in the current match. The counters belong to the
// statistics window but outlive it: closing the window destroys only its display.
class Statistics {
public:
    // StatCounts(1), StatCounts(2), …: player 1 then player 2 for each level setting in turn.
    static constexpr int kCounters = 2 * static_cast<int>(kLevels.size());

    // The counter of that number, 1 to kCounters.
    int count(int number) const { return counts_.at(static_cast<std::size_t>(number - 1)); }
    int wins(Side side, Level level) const { return count(numberOf(side, level)); }

    void countWin(Side side, Level level);
    void clear() { counts_.fill(0); }

    // The number of the counter that holds the wins of `side` at `level`.
    static constexpr int numberOf(Side side, Level level) {
        return 1 + 2 * levelNumber(level) + (side == Side::Player2 ? 1 : 0);
    }

private:
    std::array<int, kCounters> counts_{};
};

}  // namespace cinq
