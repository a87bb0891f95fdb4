#pragma once

#include "board/game.h"

namespace cinq {

// The computer's turn as the game hands it over: a read-only view of the sheet and of the game
// under way (its move lists and extent, the level setting), and the one way to act on it,
// proposing a cell. The game accepts the first cell proposed in the turn that is free and
// playable and refuses every other one, so that the searches can stop at the first cell
// accepted. Inside `propose` the game places the point, lists it in ComputerMoves, tells the host
// (for the view's size sequence), widens the extent and tests for five in a row, which may end
// the game, the match and even the program (ProgramEnded passes through).
//
// A turn lives for one call of ComputerOpponent::chooseComputerMove; only the game makes one.
class ComputerTurn {
public:
    const Board& board() const { return game_.board(); }
    const MoveList& humanMoves() const { return game_.state().humanMoves; }
    const MoveList& computerMoves() const { return game_.state().computerMoves; }
    int computerMoveCount() const { return game_.state().computerMoveCount; }
    const Extent& extent() const { return game_.state().extent; }
    Level level() const { return game_.level(); }
    // The number of player 1's points in the current game, 0 when the click placed none.
    int humanCount() const { return humanCount_; }

    // Proposes `cell` as the computer's point; true when it is placed.
    bool propose(int cell) { return game_.playComputerPoint(cell); }
    // Whether the computer has placed its point: every later proposal of the turn is refused.
    bool hasPlayed() const { return game_.state().computerHasPlayed; }

private:
    friend class Game;
    friend struct GameAccess;
    ComputerTurn(Game& game, int humanCount) : game_(game), humanCount_(humanCount) {}

    Game& game_;
    int humanCount_;
};

}  // namespace cinq
