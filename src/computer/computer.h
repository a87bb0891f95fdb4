#pragma once

#include "board/computer_opponent.h"
#include "board/game.h"
#include "computer/die.h"

namespace cinq {

// The computer opponent: it chooses its point by a fixed order of searches over pattern tables
// around the points on the sheet, and places it. The searches only propose cells; the placement
// accepts at most one per turn and refuses a cell that is taken or not playable, which is how the
// searches stop at the first cell accepted.
class Computer : public ComputerOpponent {
public:
    Computer(Game& game, Die& die) : game_(game), die_(die) {}

    void chooseComputerMove(int humanCount) override;
    void playComputerPoint(int cell) override;

    // The look-arounds from one point, in the four directions.
    void extendAlignment(int p, int n);
    void blockAlignment(int p, int n);
    void extendClosedThree(int humanCount);

private:
    bool hasPlayed() const { return game_.state().computerHasPlayed; }

    Game& game_;
    Die& die_;
};

}  // namespace cinq
