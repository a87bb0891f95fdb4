#pragma once

#include <string>
#include <vector>

#include "board/board.h"
#include "board/game.h"

namespace cinq {

// What the consistency check found: how many single tests it made, and what failed (the first
// few faults; the rest usually follow from them).
struct ConsistencyReport {
    long long checks = 0;
    std::vector<std::string> faults;
};

// Checks what holds of the model in any correct game, whatever the user did:
//
// - each slot is in one of the states of the board model (free; a point of the current game;
//   closed, with or without a point; off the sheet, with or without a point that a resize left
//   there), a slot without a point has the neutral colour, points, closed and playable slots
//   lie on the largest sheet;
// - the playable slots are exactly the sheet's rectangle minus the closed ones;
// - the move lists: no entry after the first empty one, each entry a point of its side's colour,
//   no intersection listed twice, the listed points that are not closed inside the game's
//   extent, the computer's count, its newest point and NoComputerPointYet agreeing with its list;
// - the drawing: a winning line and a frame for each closed game, shapes exactly when slots are
//   closed;
// - the sight on the largest sheet, the last column one of the resize rule's, a winner code of
//   a side or none, the turn disc green or red and the status naming the player to move;
// - the moves that can be taken back: each recorded point still on the sheet, not closed, in the
//   move list entry it was given, recorded once; the hover disc on the largest sheet or nowhere.
//
// Builds with assertions run it after every user event; the random-event driver's invariant
// checker runs it with its own checks.
ConsistencyReport checkConsistency(const Board& board, const GameState& state);

// How the faults name what they are about: "slot 652 (row 7, column 7)", "[652 653]".
std::string slotText(int i);
std::string cellsText(const std::vector<int>& cells);

}  // namespace cinq
