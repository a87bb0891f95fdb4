#pragma once

#include "board/computer_turn.h"
#include "board/game.h"

namespace cinq {

// The tests' and the benchmarks' way into the game: laying out a position by hand, running one
// rule alone, handing the computer a turn. The program never includes this header: the game's
// own surface is the user's events and what the windows read.
struct GameAccess {
    static Board& board(Game& game) { return game.board_; }
    static GameState& state(Game& game) { return game.state_; }

    static void resetGame(Game& game) { game.resetGame(); }
    static void placeOpeningPoint(Game& game) { game.placeOpeningPoint(); }
    static void applyWindowSize(Game& game) { game.applyWindowSize(); }
    static void checkFiveInRow(Game& game, int i) { game.checkFiveInRow(i); }
    // A turn of the computer on the game as it stands, as the turn flow would hand it over.
    static ComputerTurn computerTurn(Game& game, int humanCount) { return {game, humanCount}; }
    // Builds with assertions check the model after every user event; a test that plants a fault
    // for another check to find turns that off.
    static void checkConsistencyAfterEvents(Game& game, bool on) { game.checksConsistency_ = on; }
};

}  // namespace cinq
