#include "engine/cell_board.h"

#include <algorithm>
#include <cassert>

namespace engine {

void CellBoard::reset(int w, int h) {
    width = w;
    height = h;
    cells.assign(static_cast<std::size_t>(w) * static_cast<std::size_t>(h), Empty);
    moves.clear();
}

Side ownSide(const CellBoard& board) {
    const auto own = std::count(board.cells.begin(), board.cells.end(), CellBoard::Own);
    const auto theirs = std::count(board.cells.begin(), board.cells.end(), CellBoard::Opponent);
    return own >= theirs ? Side::Black : Side::White;
}

Position toPosition(const CellBoard& board, Side own, Rule rule) {
    assert(board.width <= kMaxSide && board.height <= kMaxSide);
    Position position(board.width, board.height, rule);
    const auto place = [&](int x, int y) {
        const int c = Position::cell(x, y);
        if (!position.isEmpty(c))
            return;
        if (board.at(x, y) == CellBoard::Own)
            position.place(c, own);
        if (board.at(x, y) == CellBoard::Opponent)
            position.place(c, opponent(own));
    };
    for (int y = 0; y < board.height; ++y) {
        for (int x = 0; x < board.width; ++x) {
            if (board.at(x, y) == CellBoard::Wall)
                position.setWall(Position::cell(x, y));
        }
    }
    for (const auto& [x, y] : board.moves)
        place(x, y);
    for (int y = 0; y < board.height; ++y) {
        for (int x = 0; x < board.width; ++x)
            place(x, y);
    }
    position.setToMove(own);
    return position;
}

}  // namespace engine
