#pragma once

namespace cinq {

// The computer's two entry points, as the turn flow and the opening point call them. The board
// declares them and the computer implements them, so that the rules of the sheet never depend on
// how the computer thinks.
class ComputerOpponent {
public:
    virtual ~ComputerOpponent() = default;
    // The computer's turn: places at most one point. `humanCount` is the number of player 1's
    // points in the current game, 0 when the click placed none.
    virtual void chooseComputerMove(int humanCount) = 0;
    // Places a red point on `cell`, unless the computer has played this turn already or the cell
    // is taken or not playable.
    virtual void playComputerPoint(int cell) = 0;
};

}  // namespace cinq
