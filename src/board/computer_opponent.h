#pragma once

namespace cinq {

class ComputerTurn;

// The computer, as the turn flow calls it. The board declares it and the computer implements it,
// so that the rules of the sheet never depend on how the computer thinks.
class ComputerOpponent {
public:
    virtual ~ComputerOpponent() = default;
    // The computer's turn: reads the game through `turn` and proposes cells to it; the first
    // cell accepted is its point. It may also propose none.
    virtual void chooseComputerMove(ComputerTurn& turn) = 0;
};

}  // namespace cinq
