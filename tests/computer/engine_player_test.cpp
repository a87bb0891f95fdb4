// Level setting 3: the engine reads the sheet as it stands (walls for every intersection that is
// not playable) and its point goes through the game like any other computer point.
#include <functional>
#include <vector>

#include "scene.h"

namespace cinq::test {
namespace {

// Rows 2 to 15 and columns 2 to 20 of the sheet at the design size.
constexpr int at(int row, int column) {
    return indexOf(row, column);
}

struct SheetCase {
    const char* name;
    std::function<void(Scene&)> layOut;
    int expected;   // the engine's cell, or 0 when any cell but `forbidden` will do
    int forbidden;  // a cell the engine must not choose, or 0
};

// The points of the current game are recorded and widen the extent, as play would leave them.
void current(Scene& s, const std::vector<int>& red, const std::vector<int>& green) {
    s.computerPoints(red);
    s.humanPoints(green);
    for (const int cell : red)
        s.state().extent.update(cell);
    for (const int cell : green)
        s.state().extent.update(cell);
}

const SheetCase kSheetCases[] = {
    // A red four whose one end is the sheet's last column: five only at the other end.
    {"FourAgainstTheSheetsEdge",
     [](Scene& s) {
         current(s, {at(8, 17), at(8, 18), at(8, 19), at(8, 20)}, {at(12, 5)});
     },
     at(8, 16), 0},
    // A closed intersection ends a red four: five only at the other end.
    {"FourAgainstAClosedIntersection",
     [](Scene& s) {
         s.close({at(5, 10)});
         current(s, {at(5, 6), at(5, 7), at(5, 8), at(5, 9)}, {at(12, 5)});
     },
     at(5, 5), 0},
    // Player 1's four closed at one end by a closed intersection: the engine blocks the other.
    {"BlocksTheFreeEndOfAFourAgainstAFrame",
     [](Scene& s) {
         s.close({at(10, 12)});
         current(s, {at(3, 18)}, {at(10, 8), at(10, 9), at(10, 10), at(10, 11)});
     },
     at(10, 7), 0},
    // A finished game's red four, closed inside its frame, makes no five with the free
    // intersection next to the frame.
    {"FinishedGamesPointsAreWalls",
     [](Scene& s) {
         s.red({at(4, 3), at(4, 4), at(4, 5), at(4, 6)});
         s.close({at(4, 3), at(4, 4), at(4, 5), at(4, 6)});
         current(s, {at(13, 16)}, {at(12, 10), at(12, 11)});
     },
     0, at(4, 7)},
    // The same for red points that a resize left off the sheet.
    {"OffSheetPointsAreWalls",
     [](Scene& s) {
         s.red({at(6, 21), at(6, 22), at(6, 23), at(6, 24)});
         current(s, {at(13, 16)}, {at(12, 10), at(12, 11)});
     },
     0, at(6, 20)},
};

class EngineOnTheSheet : public testing::TestWithParam<SheetCase> {};

TEST_P(EngineOnTheSheet, ChoosesAFreePlayableIntersection) {
    Scene s;
    GetParam().layOut(s);
    EnginePlayer engine(kScriptedBudget);
    const int cell = engine.choose(s.turn(s.state().humanMoves.size()));
    EXPECT_TRUE(s.board().isPlayable(cell) && !s.board().hasPoint(cell)) << cell;
    if (GetParam().expected != 0) {
        EXPECT_EQ(cell, GetParam().expected);
    }
    EXPECT_NE(cell, GetParam().forbidden);
}

INSTANTIATE_TEST_SUITE_P(Setting3, EngineOnTheSheet, testing::ValuesIn(kSheetCases),
                         [](const auto& p) { return std::string(p.param.name); });

// Scene at setting 3, the computer as opponent.
struct Setting3 : Scene {
    Setting3() { options.chooseLevel(LevelOption::Level3); }
    int redPointsInPlay() {
        int n = 0;
        for (int i = kFirstSheetCell; i <= kLastSheetCell; ++i) {
            n += board().isPlayable(i) && board().colour(i) == PointColour::Red ? 1 : 0;
        }
        return n;
    }
};

TEST(Setting3Game, TheEnginesTableIsAllocatedAtItsFirstTurn) {
    Setting3 s;
    s.options.chooseLevel(LevelOption::Level2);
    s.game.click(at(8, 10));
    EXPECT_FALSE(s.computer.engine().allocated());
    s.options.chooseLevel(LevelOption::Level3);
    s.game.click(at(8, 12));
    EXPECT_TRUE(s.computer.engine().allocated());
    EXPECT_EQ(s.state().computerMoveCount, 2);
}

TEST(Setting3Game, EngineWinsThenPlayer1OpensAndTheEngineAnswersOutsideTheFrame) {
    Setting3 s;
    current(s, {at(5, 15), at(5, 16), at(5, 17), at(5, 18)}, {at(6, 15), at(6, 16), at(6, 17)});
    s.game.click(at(9, 19));
    EXPECT_EQ(s.statistics.wins(Side::Player2, Level::Three), 1);
    EXPECT_EQ(s.statistics.wins(Side::Player1, Level::Three), 0);
    EXPECT_EQ(s.state().gamesPlayer2, 1);
    // Player 1 opens: nothing of the new game is on the sheet, the disc is green.
    EXPECT_EQ(s.redPointsInPlay(), 0);
    EXPECT_EQ(s.state().computerMoveCount, 0);
    EXPECT_EQ(s.state().turn, PointColour::Green);
    ASSERT_FALSE(s.board().isPlayable(at(5, 18)));
    // The next game, next to the frame: the engine answers on a free playable intersection.
    s.game.click(at(10, 14));
    ASSERT_EQ(s.state().computerMoveCount, 1);
    const int reply = s.state().computerMoves(1);
    EXPECT_TRUE(s.board().isPlayable(reply) && s.board().colour(reply) == PointColour::Red);
    EXPECT_EQ(s.redPointsInPlay(), 1);
}

TEST(Setting3Game, Player1BeatsTheEngineThenTheComputerOpensInTheFirstFreeBlock) {
    Setting3 s;
    current(s, {at(4, 18)}, {at(8, 15), at(8, 16), at(8, 17)});
    // An open four: the engine can block one end only.
    s.game.click(at(8, 18));
    ASSERT_EQ(s.state().computerMoveCount, 2);
    const int blocked = s.state().computerMoves(2);
    ASSERT_TRUE(blocked == at(8, 14) || blocked == at(8, 19)) << blocked;
    s.game.click(blocked == at(8, 14) ? at(8, 19) : at(8, 14));
    EXPECT_EQ(s.statistics.wins(Side::Player1, Level::Three), 1);
    EXPECT_EQ(s.state().gamesPlayer1, 1);
    // The game filled columns 14 to 19 only: the computer opens in the sheet's first block.
    EXPECT_EQ(s.state().computerMoves(1), 652);
    EXPECT_EQ(s.redPointsInPlay(), 1);
    EXPECT_EQ(s.state().turn, PointColour::Green);
    // The engine plays the new game on from there.
    s.game.click(at(7, 8));
    EXPECT_EQ(s.state().computerMoveCount, 2);
    EXPECT_TRUE(s.board().isPlayable(s.state().computerMoves(2)));
}

}  // namespace
}  // namespace cinq::test
