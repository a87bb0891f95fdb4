#pragma once

#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

#include "engine/position.h"

// A board as a player sees it, the way front ends hand it to the engine: each cell holds one of
// the player's own stones, one of the opponent's, a wall or nothing; x across from 0, y down
// from 0.
namespace engine {

struct CellBoard {
    // The codes are those of the Gomocup protocol's BOARD lines.
    enum Cell : std::uint8_t { Empty = 0, Own = 1, Opponent = 2, Wall = 3 };

    int width = 0;
    int height = 0;
    std::vector<Cell> cells;  // row by row
    // The stones in the order they came, as (x, y), where it is known; TAKEBACK takes back the
    // last one.
    std::vector<std::pair<int, int>> moves;

    void reset(int w, int h);
    bool contains(int x, int y) const { return x >= 0 && y >= 0 && x < width && y < height; }
    Cell at(int x, int y) const { return cells[offset(x, y)]; }
    void set(int x, int y, Cell cell) { cells[offset(x, y)] = cell; }

private:
    std::size_t offset(int x, int y) const {
        return static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
               static_cast<std::size_t>(x);
    }
};

// The colour of the own stones when the own side is to move and black moved first: black when
// both sides have as many stones, white when the opponent has one more.
Side ownSide(const CellBoard& board);

// The engine's position of the board (at most kMaxSide a side), the own stones of side `own`,
// which is to move: the walls, then the stones of `moves` in their order, then any other stone
// row by row.
Position toPosition(const CellBoard& board, Side own, Rule rule = Rule::Freestyle);

}  // namespace engine
