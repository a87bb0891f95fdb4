#pragma once

#include <array>

namespace cinq {

enum class Side { Player1, Player2 };

// Games won by each side at each level setting in the current match. The counters belong to the
// statistics window but outlive it: closing the window destroys only its display.
class Statistics {
public:
    static constexpr int kLevels = 3;

    // StatCounts(1..6): player 1 then player 2 for each level setting in turn.
    int count(int number) const { return counts_.at(static_cast<std::size_t>(number - 1)); }
    int wins(Side side, int levelSetting) const { return count(numberOf(side, levelSetting)); }

    void countWin(Side side, int levelSetting);
    void clear() { counts_.fill(0); }

    // The counter number, 1 to 6, that holds the wins of `side` at `levelSetting`; a setting out
    // of range counts as the first.
    static int numberOf(Side side, int levelSetting);

private:
    std::array<int, 2 * kLevels> counts_{};
};

}  // namespace cinq
