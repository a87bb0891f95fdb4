#include "engine/cell_board.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace engine {
namespace {

using Points = std::vector<std::pair<int, int>>;

struct BoardCase {
    const char* name;
    Points own, theirs, walls;
    bool ordered;  // whether the board lists its stones in the order they came
    Side ownSide;
};

// Own stones listed first then the opponent's, alternating as in a game when `ordered`.
CellBoard cellBoard(const BoardCase& c) {
    CellBoard board;
    board.reset(9, 7);
    for (const auto& [x, y] : c.walls)
        board.set(x, y, CellBoard::Wall);
    for (const auto& [x, y] : c.own)
        board.set(x, y, CellBoard::Own);
    for (const auto& [x, y] : c.theirs)
        board.set(x, y, CellBoard::Opponent);
    if (c.ordered) {
        // The side with more stones moved first.
        const Points& first = c.theirs.size() > c.own.size() ? c.theirs : c.own;
        const Points& second = &first == &c.own ? c.theirs : c.own;
        for (std::size_t i = 0; i < first.size(); ++i) {
            board.moves.push_back(first[i]);
            if (i < second.size())
                board.moves.push_back(second[i]);
        }
    }
    return board;
}

const BoardCase kBoards[] = {
    {"Empty", {}, {}, {}, false, Side::Black},
    {"WallsOnly", {}, {}, {{0, 0}, {4, 3}, {8, 6}}, false, Side::Black},
    {"OpponentOpened", {}, {{4, 3}}, {}, true, Side::White},
    {"AsManyEach", {{4, 3}, {5, 3}}, {{4, 4}, {6, 6}}, {{0, 6}}, true, Side::Black},
    {"OpponentOneMoreUnordered", {{1, 1}}, {{2, 2}, {3, 3}}, {{8, 0}}, false, Side::White},
};

class CellBoardToPosition : public testing::TestWithParam<BoardCase> {};

TEST_P(CellBoardToPosition, EveryCellItsStoneTheOwnSideToMove) {
    const BoardCase& c = GetParam();
    const CellBoard board = cellBoard(c);
    ASSERT_EQ(ownSide(board), c.ownSide);
    const Position position = toPosition(board, c.ownSide);
    EXPECT_EQ(position.width(), 9);
    EXPECT_EQ(position.height(), 7);
    EXPECT_EQ(position.toMove(), c.ownSide);
    EXPECT_EQ(position.stoneCount(), static_cast<int>(c.own.size() + c.theirs.size()));
    const Stone own = stoneOf(c.ownSide);
    const Stone theirs = stoneOf(opponent(c.ownSide));
    for (int y = 0; y < 7; ++y) {
        for (int x = 0; x < 9; ++x) {
            const Stone expected = board.at(x, y) == CellBoard::Own        ? own
                                   : board.at(x, y) == CellBoard::Opponent ? theirs
                                   : board.at(x, y) == CellBoard::Wall     ? Stone::Wall
                                                                           : Stone::Empty;
            EXPECT_EQ(position.at(Position::cell(x, y)), expected) << x << "," << y;
        }
    }
    // The same position built by hand: walls, then the stones in the board's order.
    Position byHand(9, 7);
    for (const auto& [x, y] : c.walls)
        byHand.setWall(Position::cell(x, y));
    const Points& order = c.ordered ? board.moves : Points{};
    for (const auto& [x, y] : order)
        byHand.place(Position::cell(x, y),
                     board.at(x, y) == CellBoard::Own ? c.ownSide : opponent(c.ownSide));
    if (c.ordered) {
        EXPECT_EQ(position.lastMove(), byHand.lastMove());
        byHand.setToMove(c.ownSide);
        EXPECT_EQ(position.hash(), byHand.hash());
    }
}

INSTANTIATE_TEST_SUITE_P(Boards, CellBoardToPosition, testing::ValuesIn(kBoards),
                         [](const auto& p) { return std::string(p.param.name); });

}  // namespace
}  // namespace engine
