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
            board().close(cell);
        }
    }
    // Points of the current game, recorded in the move lists in the order given.
    void computerPoints(const std::vector<int>& cells) {
        red(cells);
        for (const int cell : cells) {
            state().computerMoves.append(cell);
            ++state().computerMoveCount;
        }
    }
    void humanPoints(const std::vector<int>& cells) {
        green(cells);
        for (const int cell : cells) {
            state().humanMoves.append(cell);
        }
    }
    void setLevel(Level value) { level.value = value; }

    // The computer's searches on the scene, as a turn in which player 1 has `humanCount` points.
    void chooseMove(int humanCount) {
        ComputerTurn t = turn(humanCount);
        computer.chooseComputerMove(t);
    }
    void extend(int p, int n) {
        ComputerTurn t = turn();
        computer.extendAlignment(t, p, n);
    }
    void block(int p, int n) {
        ComputerTurn t = turn();
        computer.blockAlignment(t, p, n);
    }
    void closedThree(int humanCount) {
        ComputerTurn t = turn(humanCount);
        computer.extendClosedThree(t);
    }

    // The cell of the one red point the computer placed, or 0 when it placed none.
    int placed() const {
        const std::vector<int>& cells = host.placedComputerPoints;
        EXPECT_LE(cells.size(), 1u) << "more than one computer point in one turn";
        return cells.empty() ? 0 : cells.front();
    }

private:
    void putAll(const std::vector<int>& cells, PointColour colour) {
        for (const int cell : cells) {
            board().placePoint(cell, colour);
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
