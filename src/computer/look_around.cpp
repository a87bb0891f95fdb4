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
bool every(const Line& line, const Offsets& cells, bool (Line::*test)(int) const) {
    for (const int k : cells) {
        if (!(line.*test)(k)) {
            return false;
        }
    }
    return true;
}
bool some(const Line& line, const Offsets& cells, bool (Line::*test)(int) const) {
    for (const int k : cells) {
        if ((line.*test)(k)) {
            return true;
        }
    }
    return false;
}

}  // namespace

bool LineRow::holds(const Line& line, int roll) const {
    // The tests have no effect, so their order does not matter; the roll is the cheapest.
    return rolls.admit(roll) && every(line, red, &Line::red) && every(line, green, &Line::green) &&
           every(line, empty, &Line::empty) && !some(line, notPlayable, &Line::playable) &&
           (emptyAtLeastOne.empty() || some(line, emptyAtLeastOne, &Line::empty));
}

void Computer::lookAround(int p, int roll, std::span<const LineRow> table) {
    for (const int step : kDirections) {
        const Line line(game_.board(), p, step);
        // Only the first row that holds is acted on, even when it proposes nothing or its cell
        // is refused.
        for (const LineRow& row : table) {
            if (row.holds(line, roll)) {
                if (const std::optional<int> k = row.action(line, roll)) {
                    playComputerPoint(line.cell(*k));
                }
                break;
            }
        }
        if (hasPlayed()) {
            return;
        }
    }
}

}  // namespace cinq
