#pragma once

#include <span>

#include "board/computer_opponent.h"
#include "board/computer_turn.h"
#include "computer/die.h"
#include "computer/engine_player.h"
#include "computer/look_around.h"

namespace cinq {

// The computer opponent: it chooses its point by a fixed order of searches over pattern tables
// around the points on the sheet. The searches only propose cells to the turn; the game accepts
// at most one per turn and refuses a cell that is taken or not playable, which is how the
// searches stop at the first cell accepted.
//
// The searches are split by what they do: the order of searches and the fallback (choose.cpp),
// extending the computer's own lines (extend.cpp), blocking the human's (block.cpp) and the
// closed three (closed_three.cpp). At setting 3 the engine chooses instead (engine_player.h);
// should the game refuse its cell, the searches of setting 2 play the turn.
class Computer : public ComputerOpponent {
public:
    explicit Computer(Die& die, EngineBudget budget = kGameBudget)
        : die_(die), engine_(budget), adviser_(budget) {}

    // The computer's turn: the searches from the most urgent to the least, until one places a
    // point.
    void chooseComputerMove(ComputerTurn& turn) override;
    // A hint: the engine of setting 3 chooses for the side of `colour`, at every level and
    // within the computer's own budget. It has a table of its own, so that asking for hints
    // never changes the computer's later choices.
    int adviseMove(const Board& board, PointColour colour) override {
        return adviser_.choose(board, colour);
    }

    const EnginePlayer& engine() const { return engine_; }

    // The look-arounds from one point p, in the four directions: lengthen the computer's line
    // of n (1 to 4), or block the human's line of n (3 or 4). Each draws one roll of the die,
    // whatever n is.
    void extendAlignment(ComputerTurn& turn, int p, int n);
    void blockAlignment(ComputerTurn& turn, int p, int n);
    // Plays the open end of three red points closed at the other end by a green one.
    void extendClosedThree(ComputerTurn& turn);

private:
    // In each direction, acts on the first row of `table` that holds around p; stops as soon as
    // a point has been placed.
    void lookAround(ComputerTurn& turn, int p, int roll, std::span<const LineRow> table);

    // The steps of the turn that walk a move list, newest point first.
    void extendFromEachComputerPoint(ComputerTurn& turn, int n);
    void blockFromEachHumanPoint(ComputerTurn& turn, int n);
    // The last resort: next to the human's newest point, then beyond the game's extents.
    void playFallback(ComputerTurn& turn);

    Die& die_;
    EnginePlayer engine_;
    EnginePlayer adviser_;
};

}  // namespace cinq
