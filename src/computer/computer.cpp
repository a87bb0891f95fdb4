// The placement of a computer point: the only way a red point reaches the sheet.
#include "computer/computer.h"

namespace cinq {

void Computer::playComputerPoint(int cell) {
    Board& board = game_.board();
    GameState& s = game_.state();
    if (s.computerHasPlayed || !board.isPlayable(cell) || board.hasPoint(cell)) {
        return;
    }
    board.placePoint(cell, PointColour::Red);
    game_.computerPointPlaced(cell);
    s.computerHasPlayed = true;
    s.noComputerPointYet = false;
    const int entry = s.computerMoves.append(cell);
    ++s.computerMoveCount;
    s.lastComputerPoint = cell;
    game_.updateExtent(cell);
    // A point that completes five ends the game inside this call.
    game_.checkFiveInRow(s.computerMoves(entry));
}

}  // namespace cinq
