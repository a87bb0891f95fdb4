// Five in a row: the scan through the point just played, the winning line, and the closing of
// the finished game's area.
#include <gtest/gtest.h>

#include <set>

#include "support/test_game.h"

namespace cinq {
namespace {

using test::TestGame;

// Places `cell` in the colour given and runs the test for five, as a turn does.
void playAndCheck(TestGame& t, int cell, PointColour colour) {
    t.putInGame({cell}, colour);
    GameAccess::checkFiveInRow(t.game, cell);
}

Shape lineBetween(int a, int b) {
    return {Shape::Kind::Line,   targetLeft(a) + 120, targetTop(a) + 120,
            targetLeft(b) + 120, targetTop(b) + 120,  kPaletteBlack};
}

constexpr int c = 652;  // row 7, column 7

struct FiveCase {
    const char* name;
    int step;
    std::vector<int> before;  // offsets, in steps, of the points already there
    int firstOfFive;          // offset of the first of the five struck through
};

class FiveFound : public ::testing::TestWithParam<FiveCase> {};

TEST_P(FiveFound, LineRunsOverTheFiveAtThePlusEnd) {
    TestGame t;
    t.resize(kLargestOuterSize);
    const int center = indexOf(9, 12);
    for (int k : GetParam().before) {
        t.putInGame({center + k * GetParam().step}, PointColour::Green);
    }
    playAndCheck(t, center, PointColour::Green);
    const int first = center + GetParam().firstOfFive * GetParam().step;
    ASSERT_EQ(t.state().drawing.size(), 2U);
    EXPECT_EQ(t.state().drawing[0], lineBetween(first, first + 4 * GetParam().step));
    EXPECT_EQ(t.state().gamesPlayer1, 1);
    EXPECT_TRUE(t.state().gameOver);
}

INSTANTIATE_TEST_SUITE_P(
    Shapes, FiveFound,
    ::testing::Values(FiveCase{"PlayedInTheMiddle", 1, {-2, -1, 1, 2}, -2},
                      FiveCase{"PlayedLast", 35, {-4, -3, -2, -1}, -4},
                      FiveCase{"PlayedFirst", 36, {1, 2, 3, 4}, 0},
                      FiveCase{"DiagonalDownLeft", 34, {-1, 1, 2, 3}, -1},
                      FiveCase{"SixStrikesTheFiveRightmost", 1, {-3, -2, -1, 1, 2}, -2}),
    [](const auto& p) { return p.param.name; });

struct BlockerCase {
    const char* name;
    void (*block)(TestGame&, int cell);
};

class FourIsNotFive : public ::testing::TestWithParam<BlockerCase> {};

TEST_P(FourIsNotFive, ScanStopsAtAnyCellThatIsNotAGreenPlayablePoint) {
    TestGame t;
    // Four greens, the blocker, then a fifth green beyond it.
    t.putInGame({c, c + 1, c + 2, c + 5}, PointColour::Green);
    GetParam().block(t, c + 4);
    playAndCheck(t, c + 3, PointColour::Green);
    EXPECT_TRUE(t.state().drawing.empty());
    EXPECT_FALSE(t.state().gameOver);
    EXPECT_EQ(t.state().winnerColour, kPaletteDarkGreen);  // set win or not
}

INSTANTIATE_TEST_SUITE_P(
    Blockers, FourIsNotFive,
    ::testing::Values(BlockerCase{"Free", [](TestGame&, int) {}},
                      BlockerCase{"Red", [](TestGame& g, int i) { g.put({i}, PointColour::Red); }},
                      BlockerCase{"ClosedGreen",
                                  [](TestGame& g, int i) {
                                      g.put({i}, PointColour::Green);
                                      g.board().close(i);
                                  }},
                      BlockerCase{"OffSheetGreen",
                                  [](TestGame& g, int i) {
                                      g.put({i}, PointColour::Green);
                                      g.board().applySheetRectangle(15, columnOf(i) - 1);
                                  }}),
    [](const auto& p) { return p.param.name; });

TEST(FiveInARow, PointsOfAnEarlierGameNeverCount) {
    TestGame t;
    t.options.chooseOpponent(Opponent::Human);
    t.putInGame({c, c + 1, c + 2, c + 3}, PointColour::Green);
    t.game.click(c + 4);  // first game: green five, closed
    ASSERT_EQ(t.state().gamesPlayer1, 1);
    // A new game in line with the closed one: three new greens next to the closed five.
    t.putInGame({c + 35 + 4, c + 70 + 4, c + 105 + 4}, PointColour::Green);
    playAndCheck(t, c + 140 + 4, PointColour::Green);
    EXPECT_EQ(t.state().gamesPlayer1, 1);
}

TEST(FiveInARow, DoubleFiveScoresOnceWithTheVerticalLine) {
    TestGame t;
    t.putInGame({c - 70, c - 35, c + 35, c + 70, c - 2, c - 1, c + 1, c + 2}, PointColour::Green);
    playAndCheck(t, c, PointColour::Green);
    ASSERT_EQ(t.state().drawing.size(), 2U);
    EXPECT_EQ(t.state().drawing[0], lineBetween(c - 70, c + 70));
    EXPECT_EQ(t.state().gamesPlayer1, 1);
}

TEST(FiveInARow, FrameTakesTheColourOfWhoeverMadeTheFive) {
    TestGame t;
    t.putInGame({c, c + 1, c + 2, c + 3}, PointColour::Red);
    playAndCheck(t, c + 4, PointColour::Red);
    ASSERT_EQ(t.state().drawing.size(), 2U);
    EXPECT_EQ(t.state().drawing[1].colour, kPaletteRed);
    EXPECT_EQ(t.state().gamesPlayer2, 1);
}

std::set<int> closedCells(const Board& board) {
    std::set<int> cells;
    for (int i = 0; i < kSlotCount; ++i) {
        if (board.isClosed(i)) {
            cells.insert(i);
            EXPECT_FALSE(board.isPlayable(i)) << i;
        }
    }
    return cells;
}

std::set<int> rectangle(int topRow, int leftColumn, int bottomRow, int rightColumn) {
    std::set<int> cells;
    for (int row = topRow; row <= bottomRow; ++row) {
        for (int column = leftColumn; column <= rightColumn; ++column) {
            cells.insert(indexOf(row, column));
        }
    }
    return cells;
}

TEST(CloseFinishedGame, ClosesTheWholeRectangleFromTheCornerWalk) {
    TestGame t;
    // The topmost point stands right of the leftmost one: the corner walk moves left to it.
    t.putInGame({indexOf(4, 9), indexOf(8, 3), indexOf(10, 12)}, PointColour::Red);
    t.putInGame({indexOf(6, 5), indexOf(6, 6), indexOf(6, 7), indexOf(6, 8)}, PointColour::Green);
    playAndCheck(t, indexOf(6, 9), PointColour::Green);
    EXPECT_EQ(closedCells(t.board()), rectangle(4, 3, 10, 12));
    EXPECT_EQ(t.state().extent.topIndex, indexOf(4, 3));
    const Shape frame{Shape::Kind::Rectangle, 3 * 360 - 140 + 30,   4 * 360 - 140 + 30,
                      12 * 360 - 140 + 280,   10 * 360 - 140 + 280, kPaletteDarkGreen};
    EXPECT_EQ(t.state().drawing.back(), frame);
    // The points inside the frame stay where they are.
    EXPECT_EQ(t.board().colour(indexOf(8, 3)), PointColour::Red);
    EXPECT_TRUE(t.board().hasPoint(indexOf(6, 9)));
    // The extent is cleared for the next game.
    EXPECT_EQ(t.state().extent.top, 9000);
    EXPECT_EQ(t.state().extent.right, -500);
    EXPECT_EQ(t.state().extent.bottom, -150);
}

TEST(CloseFinishedGame, GameInColumns26To29StartsItsRectangleAtColumn25) {
    TestGame t;
    t.resize(kLargestOuterSize);
    t.putInGame({indexOf(4, 27), indexOf(5, 27), indexOf(6, 27), indexOf(7, 27)},
                PointColour::Green);
    t.putInGame({indexOf(5, 26), indexOf(6, 29)}, PointColour::Red);
    playAndCheck(t, indexOf(8, 27), PointColour::Green);
    EXPECT_EQ(t.state().extent.topIndex, indexOf(4, 25));
    EXPECT_EQ(closedCells(t.board()), rectangle(4, 25, 8, 29));
    EXPECT_TRUE(t.board().isClosed(indexOf(6, 25)));
    const Shape& frame = t.state().drawing.back();
    EXPECT_EQ(frame.x1, 9030);
}

}  // namespace
}  // namespace cinq
