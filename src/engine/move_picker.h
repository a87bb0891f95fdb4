#pragma once

#include <array>
#include <cstddef>
#include <vector>

#include "engine/move_stack.h"
#include "engine/position.h"

// The moves a node of the search tries, best first. A five of the opponent's to block is the
// only move; against an open four to come (an open three of the opponent's), the cells that stop
// it and the fours of the side to move; otherwise every empty cell within two of a stone, of
// which the `width` best are kept. The order: the table's move, the killers, then the cells'
// scores for both sides and the history of cutoffs.
namespace engine {

struct OrderHints {
    int tableMove = kNoCell;
    std::array<int, 2> killers{kNoCell, kNoCell};
    // Cutoffs by cell for the side to move, or null.
    const int* history = nullptr;
};

class MovePicker {
public:
    // Fills `moves` and returns whether the node is forced (every answer to a threat is kept).
    bool pick(const Position& position, const OrderHints& hints, std::size_t width,
              MoveStack::Frame& moves);
    // The answers to an open three of the opponent's, unordered: its defences, and the fours
    // of the side to move.
    void addDefences(const Position& position, MoveStack::Frame& moves);

private:
    std::vector<int> defences_;  // scratch space for Position::defences
};

}  // namespace engine
