#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/test_game.h"

namespace cinq::test {

// A game at the window's design size (sheet rows 2 to 15, columns 2 to 20) on which a test lays
// out points and closed intersections by hand, outside any turn, and then asks the computer.
struct Scene : TestGame {
    void red(const std::vector<int>& cells) { putAll(cells, PointColour::Red); }
    void green(const std::vector<int>& cells) { putAll(cells, PointColour::Green); }
    // Closes intersections as a finished game does; a point on them keeps its colour.
    void close(const std::vector<int>& cells) {
        for (const int cell : cells) {
            game.board().close(cell);
        }
    }
    // Points of the current game, recorded in the move lists in the order given.
    void computerPoints(const std::vector<int>& cells) {
        red(cells);
        for (const int cell : cells) {
            game.state().computerMoves.append(cell);
            ++game.state().computerMoveCount;
        }
    }
    void humanPoints(const std::vector<int>& cells) {
        green(cells);
        for (const int cell : cells) {
            game.state().humanMoves.append(cell);
        }
    }
    void setLevel(int value) { level.value = value; }

    // The cell of the one red point the computer placed, or 0 when it placed none.
    int placed() const {
        const std::vector<int>& cells = host.placedComputerPoints;
        EXPECT_LE(cells.size(), 1u) << "more than one computer point in one turn";
        return cells.empty() ? 0 : cells.front();
    }

private:
    void putAll(const std::vector<int>& cells, PointColour colour) {
        for (const int cell : cells) {
            game.board().placePoint(cell, colour);
        }
    }
};

// Names each case of a parameterised test after its `name`.
struct CaseName {
    template <class Case>
    std::string operator()(const testing::TestParamInfo<Case>& param) const {
        return param.param.name;
    }
};

}  // namespace cinq::test
