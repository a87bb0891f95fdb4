#include <algorithm>

#include "computer/computer.h"

namespace cinq {

std::optional<int> dieIfBothPlayable(const Line& line, int roll, int onHigh, int onLow) {
    if (!line.playable(onHigh) || !line.playable(onLow)) {
        return std::nullopt;
    }
    return roll >= 4 ? onHigh : onLow;
}

namespace {

// Whether `test` holds for every one of `cells`, and whether it holds for at least one.
template <class Test>
bool every(const Offsets& cells, Test test) {
    return std::ranges::all_of(cells, test);
}
template <class Test>
bool some(const Offsets& cells, Test test) {
    return std::ranges::any_of(cells, test);
}

}  // namespace

bool LineRow::holds(const Line& line, int roll) const {
    // The tests have no effect, so their order does not matter; the roll is the cheapest.
    // Lambdas rather than pointers to members: the tests are inlined into these loops, which run
    // for every row of every table in the four directions of every point, each turn.
    const auto redAt = [&](int k) { return line.red(k); };
    const auto greenAt = [&](int k) { return line.green(k); };
    const auto emptyAt = [&](int k) { return line.empty(k); };
    const auto playableAt = [&](int k) { return line.playable(k); };
    return rolls.admit(roll) && every(red, redAt) && every(green, greenAt) &&
           every(empty, emptyAt) && !some(notPlayable, playableAt) &&
           (emptyAtLeastOne.empty() || some(emptyAtLeastOne, emptyAt));
}

void Computer::lookAround(ComputerTurn& turn, int p, int roll, std::span<const LineRow> table) {
    for (const int step : kDirections) {
        const Line line(turn.board(), p, step);
        // Only the first row that holds is acted on, even when it proposes nothing or its cell
        // is refused.
        for (const LineRow& row : table) {
            if (row.holds(line, roll)) {
                if (const std::optional<int> k = row.action(line, roll)) {
                    turn.propose(line.cell(*k));
                }
                break;
            }
        }
        if (turn.hasPlayed()) {
            return;
        }
    }
}

}  // namespace cinq
