#pragma once

#include "board/board.h"

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
    // A hint ("Conseil"): the free playable intersection the computer would play for the side
    // of `colour` on `board` as it stands, or -1 for none. It changes nothing and rolls no die.
    virtual int adviseMove(const Board& /*board*/, PointColour /*colour*/) { return -1; }
};

}  // namespace cinq
