// Taking back a move ("Annuler le coup") and the hint ("Conseil"): each take-back is compared
// with the whole model as it stood before the move, and a finished game is never reopened.
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "board/consistency.h"
#include "support/test_game.h"

namespace cinq {
namespace {

using test::TestGame;

// Row 7, columns 7 to 11: on the sheet at the design size.
constexpr int kA = 652;
constexpr int kFar = 400 + 35 * 20 + 28;  // row 20, column 28: on the largest sheet only

// Everything the model holds that a take-back may touch or must leave alone.
struct Model {
    std::array<Slot, kSlotCount> slots{};
    GameState state;
    std::array<int, Statistics::kCounters> statistics{};
    Level level = Level::Initiation;
    std::size_t rollsDrawn = 0;
};

Model modelOf(TestGame& t) {
    Model m;
    for (int i = 0; i < kSlotCount; ++i) {
        m.slots[static_cast<std::size_t>(i)] = t.game.board().at(i);
    }
    m.state = t.game.state();
    for (int k = 1; k <= Statistics::kCounters; ++k) {
        m.statistics[static_cast<std::size_t>(k - 1)] = t.statistics.count(k);
    }
    m.level = t.game.level();
    m.rollsDrawn = t.die.drawn();
    return m;
}

// Compares two models part by part, so that a failure names the part that differs.
void expectSameModel(const Model& got, const Model& want, bool sameRolls = true) {
    for (int i = 0; i < kSlotCount; ++i) {
        const Slot& g = got.slots[static_cast<std::size_t>(i)];
        const Slot& w = want.slots[static_cast<std::size_t>(i)];
        EXPECT_TRUE(g == w) << slotText(i) << ": playable " << g.playable << '/' << w.playable
                            << " closed " << g.closed << '/' << w.closed << " point " << g.hasPoint
                            << '/' << w.hasPoint;
    }
    const GameState& g = got.state;
    const GameState& w = want.state;
    EXPECT_EQ(g.turn, w.turn);
    EXPECT_EQ(g.status, w.status);
    EXPECT_EQ(g.humanMoves.entries(), w.humanMoves.entries());
    EXPECT_EQ(g.computerMoves.entries(), w.computerMoves.entries());
    EXPECT_EQ(g.computerMoveCount, w.computerMoveCount);
    EXPECT_EQ(g.lastComputerPoint, w.lastComputerPoint);
    EXPECT_EQ(g.computerHasPlayed, w.computerHasPlayed);
    EXPECT_EQ(g.gameOver, w.gameOver);
    EXPECT_EQ(g.noComputerPointYet, w.noComputerPointYet);
    EXPECT_TRUE(g.extent == w.extent);
    EXPECT_EQ(g.sightIndex, w.sightIndex);
    EXPECT_EQ(g.hoverIndex, w.hoverIndex);
    EXPECT_EQ(g.winnerColour, w.winnerColour);
    EXPECT_EQ(g.gamesPlayer1, w.gamesPlayer1);
    EXPECT_EQ(g.gamesPlayer2, w.gamesPlayer2);
    EXPECT_EQ(g.setsPlayer1, w.setsPlayer1);
    EXPECT_EQ(g.setsPlayer2, w.setsPlayer2);
    EXPECT_EQ(g.drawing.size(), w.drawing.size());
    EXPECT_EQ(g.playedTurns.size(), w.playedTurns.size());
    // And the rest, all at once.
    EXPECT_TRUE(g == w);
    EXPECT_EQ(got.statistics, want.statistics);
    EXPECT_EQ(got.level, want.level);
    if (sameRolls) {
        EXPECT_EQ(got.rollsDrawn, want.rollsDrawn);
    }
}

void expectConsistent(TestGame& t) {
    const ConsistencyReport report = checkConsistency(t.game.board(), t.game.state());
    EXPECT_TRUE(report.faults.empty()) << report.faults.front();
}

// Clicks the first of `cells` that is free and playable.
void clickFree(TestGame& t, std::initializer_list<int> cells) {
    for (const int cell : cells) {
        if (t.game.board().isPlayable(cell) && !t.game.board().hasPoint(cell)) {
            t.game.click(cell);
            return;
        }
    }
    FAIL() << "no free cell";
}

// Player 1 plays four in a row on row 7 against replies on row 9, so that the next click at
// kA + 4 makes five.
void fourInARowAgainstQueuedReplies(TestGame& t) {
    auto& queued = t.useQueuedComputer();
    queued.replies = {kA + 70, kA + 71, kA + 72, kA + 73};
    for (int k = 0; k < 4; ++k) {
        t.game.click(kA + k);
    }
    t.opponent.use(t.computer);
}

struct TakeBackCase {
    const char* name;
    // Brings the game to the state before the move.
    void (*setUp)(TestGame&);
    // The move, and whatever comes after it before "Annuler le coup".
    void (*move)(TestGame&);
    void (*afterMove)(TestGame&);
    // What must hold before the model is compared (a resize back to the size before the move).
    void (*beforeComparing)(TestGame&);
    // Whether the move can be taken back: the model then comes back to the state before the
    // move; otherwise "Annuler le coup" is greyed out and changes nothing.
    bool takesBack;
    int pointsTakenBack;
};

void nothing(TestGame&) {}

const TakeBackCase kCases[] = {
    {"AgainstTheComputerAfterOneTurn", nothing, [](TestGame& t) { t.game.click(kA); }, nothing,
     nothing, true, 2},
    {"AgainstTheComputerAfterSeveralTurns",
     [](TestGame& t) {
         clickFree(t, {kA, kA + 36});
         clickFree(t, {kA + 1, kA + 37, kA + 38});
         clickFree(t, {kA - 35, kA - 34, kA - 33});
     },
     [](TestGame& t) {
         clickFree(t, {kA + 2, kA + 3, kA + 4, kA + 5});
     },
     nothing, nothing, true, 2},
    {"AfterTheComputerOpenedTheGame",
     [](TestGame& t) {
         fourInARowAgainstQueuedReplies(t);
         t.game.click(kA + 4);  // five: the computer opens the next game
         ASSERT_EQ(t.game.state().gamesPlayer1, 1);
         ASSERT_EQ(t.game.state().computerMoves.size(), 1);
     },
     [](TestGame& t) {
         const int opening = t.game.state().computerMoves(1);
         clickFree(t, {opening + 1, opening - 1, opening + 35});
     },
     nothing, nothing, true, 2},
    {"BetweenTwoPlayers",
     [](TestGame& t) {
         t.options.chooseOpponent(Opponent::Human);
         t.game.click(kA);
     },
     [](TestGame& t) { t.game.click(kA + 35); }, nothing, nothing, true, 1},
    {"AtTheStartOfAGame", nothing, nothing, nothing, nothing, false, 0},
    {"AfterAFive", fourInARowAgainstQueuedReplies, [](TestGame& t) { t.game.click(kA + 4); },
     nothing, nothing, false, 0},
    {"AfterANewSheet",
     [](TestGame& t) {
         t.options.chooseOpponent(Opponent::Human);
         t.game.click(kA);
     },
     [](TestGame& t) { t.game.menuNewSheet(); }, nothing, nothing, false, 0},
    {"AfterAForfeit", [](TestGame& t) { t.game.click(kA); },
     [](TestGame& t) {
         t.host.answers = {Answer::Yes};
         t.game.menuNewSheet();
         ASSERT_EQ(t.game.state().gamesPlayer2, 1);
     },
     nothing, nothing, false, 0},
    {"AfterANewMatch",
     [](TestGame& t) {
         fourInARowAgainstQueuedReplies(t);
         t.state().setsPlayer1 = 2;
         t.state().gamesPlayer1 = 4;
         t.state().setBlockVisible = true;
     },
     [](TestGame& t) {
         t.host.answers = {Answer::Ok, Answer::Yes};
         t.game.click(kA + 4);
         ASSERT_EQ(t.game.state().setsPlayer1, 0);
     },
     nothing, nothing, false, 0},
    {"AfterAResizeThatPutTheLastPointOffTheSheet",
     [](TestGame& t) {
         t.resize(kLargestOuterSize);
         t.game.click(kA);
     },
     [](TestGame& t) { clickFree(t, {kFar}); },
     [](TestGame& t) {
         t.resize(kDesignOuterSize);
         ASSERT_TRUE(t.game.board().isOffSheet(kFar));
         ASSERT_TRUE(t.game.board().hasPoint(kFar));
     },
     [](TestGame& t) {
         EXPECT_FALSE(t.game.board().hasPoint(kFar));
         t.resize(kLargestOuterSize);
     },
     true, 2},
};

class TakeBack : public testing::TestWithParam<TakeBackCase> {};

TEST_P(TakeBack, RestoresTheStateBeforeTheMoveOrChangesNothing) {
    const TakeBackCase& c = GetParam();
    TestGame t;
    GameAccess::checkConsistencyAfterEvents(t.game, true);
    c.setUp(t);
    const Model before = modelOf(t);
    c.move(t);
    c.afterMove(t);
    const Model after = modelOf(t);
    EXPECT_EQ(t.game.canTakeBack(), c.takesBack);

    int pointsBefore = 0;
    for (int i = 0; i < kSlotCount; ++i) {
        pointsBefore += t.game.board().hasPoint(i) ? 1 : 0;
    }
    t.host.shown.clear();
    t.game.menuTakeBack();
    EXPECT_TRUE(t.host.shown.empty());
    expectConsistent(t);
    int pointsAfter = 0;
    for (int i = 0; i < kSlotCount; ++i) {
        pointsAfter += t.game.board().hasPoint(i) ? 1 : 0;
    }
    EXPECT_EQ(pointsBefore - pointsAfter, c.pointsTakenBack);
    // The die is not rewound.
    EXPECT_EQ(t.die.drawn(), after.rollsDrawn);
    c.beforeComparing(t);
    if (c.takesBack) {
        expectSameModel(modelOf(t), before, false);
    } else {
        expectSameModel(modelOf(t), after);
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, TakeBack, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<TakeBackCase>& row) {
                             return std::string(row.param.name);
                         });

TEST(TakeBackRepeated, GoesBackMoveByMoveToTheStartOfTheGameAndNoFurther) {
    TestGame t;
    GameAccess::checkConsistencyAfterEvents(t.game, true);
    t.game.keyDown(Key::Down);
    std::vector<Model> before;
    for (const int cell : {kA, kA + 1, kA - 35, kA + 36, kA + 3, kA + 105, kA - 3}) {
        if (t.game.board().hasPoint(cell) || before.size() == 4) {
            continue;
        }
        before.push_back(modelOf(t));
        t.game.click(cell);
        t.game.keyDown(Key::Right);  // the sight moves on: taking back brings it back
        t.game.mouseOver(cell + 2);
    }
    ASSERT_EQ(before.size(), 4U);
    while (!before.empty()) {
        ASSERT_TRUE(t.game.canTakeBack());
        t.game.menuTakeBack();
        expectSameModel(modelOf(t), before.back(), false);
        before.pop_back();
    }
    EXPECT_FALSE(t.game.canTakeBack());
    const Model start = modelOf(t);
    t.game.menuTakeBack();
    expectSameModel(modelOf(t), start);
    // The computer has not played in this game any more: a new sheet asks nothing.
    t.game.menuNewSheet();
    EXPECT_TRUE(t.host.shown.empty());
}

TEST(TakeBackRepeated, TwoPlayersGiveTheTurnBackToWhoeverPlacedThePoint) {
    TestGame t;
    t.options.chooseOpponent(Opponent::Human);
    t.game.click(kA);
    t.game.click(kA + 1);
    ASSERT_EQ(t.game.state().turn, PointColour::Green);
    t.game.menuTakeBack();
    EXPECT_EQ(t.game.state().turn, PointColour::Red);
    EXPECT_EQ(t.game.state().status, t.game.state().turnCaption2);
    EXPECT_FALSE(t.game.board().hasPoint(kA + 1));
    t.game.menuTakeBack();
    EXPECT_EQ(t.game.state().turn, PointColour::Green);
    EXPECT_FALSE(t.game.board().hasPoint(kA));
    EXPECT_FALSE(t.game.canTakeBack());
}

TEST(TakeBackRepeated, AGameWonAfterATakeBackIsScoredOnce) {
    TestGame t;
    GameAccess::checkConsistencyAfterEvents(t.game, true);
    fourInARowAgainstQueuedReplies(t);
    auto& queued = t.useQueuedComputer();
    queued.replies = {kA + 107};
    t.game.click(kA + 140);
    ASSERT_TRUE(t.game.board().hasPoint(kA + 107));
    t.game.menuTakeBack();
    ASSERT_FALSE(t.game.board().hasPoint(kA + 140));
    t.game.click(kA + 4);
    EXPECT_EQ(t.game.state().gamesPlayer1, 1);
    EXPECT_FALSE(t.game.canTakeBack());
}

// --- The hint.

TEST(Hint, MovesTheSightToTheEnginesChoiceAndChangesNothingElse) {
    TestGame t;
    GameAccess::checkConsistencyAfterEvents(t.game, true);
    t.options.chooseOpponent(Opponent::Human);
    // Green has four in a row, open at both ends; red is to move and must block one end.
    for (const int cell : {kA, kA + 70, kA + 1, kA + 72, kA + 2, kA + 74, kA + 3}) {
        t.game.click(cell);
    }
    ASSERT_EQ(t.game.state().turn, PointColour::Red);
    ASSERT_TRUE(t.game.canHint());
    const Model before = modelOf(t);
    const int hinted = t.game.menuHint();
    EXPECT_TRUE(hinted == kA - 1 || hinted == kA + 4) << hinted;
    EXPECT_EQ(t.game.state().sightIndex, hinted);
    Model expected = before;
    expected.state.sightIndex = hinted;
    expectSameModel(modelOf(t), expected);
    // Enter then plays it.
    t.game.keyDown(Key::Enter);
    EXPECT_EQ(t.game.board().colour(hinted), PointColour::Red);
}

TEST(Hint, FindsTheWinForPlayer1AtEveryLevel) {
    for (const LevelOption level : {LevelOption::Initiation, LevelOption::Level2}) {
        TestGame t;
        t.options.chooseLevel(level);
        fourInARowAgainstQueuedReplies(t);
        const std::size_t rolls = t.die.drawn();
        const int hinted = t.game.menuHint();
        EXPECT_TRUE(hinted == kA - 1 || hinted == kA + 4) << hinted;
        EXPECT_EQ(t.die.drawn(), rolls);
        EXPECT_EQ(t.game.state().humanMoves.size(), 4);
    }
}

TEST(Hint, IsGreyedOutWhenNoHumanIsToMoveOrTheProgramHasEnded) {
    TestGame t;
    EXPECT_TRUE(t.game.canHint());
    // After switching from two players with the disc red, a click only makes the computer move.
    t.options.chooseOpponent(Opponent::Human);
    t.game.click(kA);
    t.options.chooseOpponent(Opponent::Computer);
    EXPECT_FALSE(t.game.canHint());
    EXPECT_EQ(t.game.menuHint(), -1);
    EXPECT_EQ(t.game.state().sightIndex, 520);
    t.options.chooseOpponent(Opponent::Human);
    EXPECT_TRUE(t.game.canHint());
    t.game.menuQuit();
    EXPECT_FALSE(t.game.canHint());
    EXPECT_FALSE(t.game.canTakeBack());
}

}  // namespace
}  // namespace cinq
