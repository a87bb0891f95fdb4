// The invariant checker catches each kind of fault it is there for: a state that cannot occur,
// or a change from one event to the next that no event makes. Each row plants one fault in a
// sound game and names what the checker must say.
#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <string_view>

#include "fuzz/invariants.h"
#include "support/test_game.h"

namespace cinq::fuzz {
namespace {

using test::TestGame;

constexpr int c = indexOf(7, 10);  // on the sheet at the design size

struct FaultCase {
    const char* name;
    std::function<void(TestGame&)> plant;  // between the two checks
    const char* event;                     // the event the second check is told about
    const char* expected;                  // part of the failure message
};

// gtest names the cases by this, and CTest by gtest's names.
void PrintTo(const FaultCase& row, std::ostream* out) {
    *out << row.name;
}

std::string joined(const std::vector<std::string>& failures) {
    std::string out;
    for (const std::string& f : failures) {
        out += f + '\n';
    }
    return out;
}

// A game in progress against the computer: a green and a red point, listed, in the extent.
void playSomeMoves(TestGame& t) {
    auto& computer = t.useQueuedComputer();
    computer.replies = {c + 1};
    t.game.click(c);
}

const FaultCase kStateFaults[] = {
    {"PointOfNeutralColour", [](TestGame& t) { t.board().placePoint(c + 35, {}); }, "click 1",
     "neutral colour"},
    {"PointOutsideTheLargestSheet",
     [](TestGame& t) { t.board().placePoint(indexOf(1, 10), PointColour::Green); }, "click 1",
     "outside the largest sheet"},
    {"StrayRead", [](TestGame& t) { (void)t.board().at(-36); }, "key other",
     "outside slots 0-1511"},
    {"ComputerCountOff", [](TestGame& t) { ++t.state().computerMoveCount; }, "key other",
     "ComputerMoveCount is 2"},
    {"ListedCellWithoutItsPoint", [](TestGame& t) { t.state().humanMoves.append(c + 70); },
     "key other", "not a green point"},
    {"ListedPointOutsideTheExtent",
     [](TestGame& t) {
         t.board().placePoint(c + 140, PointColour::Red);
         t.state().computerMoves.append(c + 140);
         ++t.state().computerMoveCount;
         t.state().lastComputerPoint = c + 140;
     },
     "click 1", "outside the game's extent"},
    {"LastComputerPointStale", [](TestGame& t) { t.state().lastComputerPoint = c; }, "key other",
     "LastComputerPoint"},
    {"GamesOutOfRange", [](TestGame& t) { t.state().gamesPlayer1 = 5; }, "key other", "games 5 0"},
    {"SetsOutOfRange", [](TestGame& t) { t.state().setsPlayer2 = 3; }, "key other", "sets 0 3"},
    {"StatisticsWithoutScore",
     [](TestGame& t) { t.statistics.countWin(Side::Player1, Level::Initiation); }, "key other",
     "statistics hold 1 games"},
    {"SightOffTheLargestSheet", [](TestGame& t) { t.state().sightIndex = indexOf(0, 3); },
     "key other", "outside the largest sheet"},
    {"StatusOfTheWrongPlayer", [](TestGame& t) { t.state().turn = PointColour::Red; }, "key other",
     "does not name the player to move"},
    {"ClosedWithoutFrame", [](TestGame& t) { t.board().close(c + 70); }, "click 1",
     "closed slots but no frame"},
    {"SheetNotARectangle", [](TestGame& t) { t.board().applySheetRectangle(15, 25); },
     "size 9000 6540", "lies off the sheet but is playable"},
};

const FaultCase kTransitionFaults[] = {
    {"PointsLostWithoutNewSheet",
     [](TestGame& t) {
         t.board().clear();
         GameAccess::applyWindowSize(t.game);
         GameAccess::resetGame(t.game);
     },
     "key other", "without a new sheet"},
    {"PointAddedByAKey",
     [](TestGame& t) {
         t.board().placePoint(c + 35, PointColour::Green);
         t.state().extent.update(c + 35);
     },
     "key other", "is not a move but added points"},
    {"TwoRedPointsInOneClick",
     [](TestGame& t) {
         for (int cell : {c + 35, c + 36}) {
             t.board().placePoint(cell, PointColour::Red);
             t.state().extent.update(cell);
         }
     },
     "click 700", "added 0 green and 2 red points"},
    {"GameScoredTwice",
     [](TestGame& t) {
         t.statistics.countWin(Side::Player2, Level::Initiation);
         t.statistics.countWin(Side::Player2, Level::Initiation);
         t.state().gamesPlayer2 = 2;
     },
     "click 700", "no single scored game explains"},
    {"ScoreNotCounted",
     [](TestGame& t) { t.statistics.countWin(Side::Player1, Level::Initiation); }, "click 700",
     "expected games 1-0"},
    {"ScoreAtTheWrongLevel",
     [](TestGame& t) {
         t.statistics.countWin(Side::Player2, Level::Two);
         t.state().gamesPlayer2 = 1;
     },
     "click 700", "counted at level setting 2"},
    {"ScoredByAResize",
     [](TestGame& t) {
         t.statistics.countWin(Side::Player2, Level::Initiation);
         t.state().gamesPlayer2 = 1;
     },
     "size 9000 6540", "scored a game"},
    {"SightJumped", [](TestGame& t) { t.state().sightIndex += 2; }, "key right", "moved the sight"},
    {"TakeBackThatTookNothing", [](TestGame&) {}, "undo", "\"Annuler le coup\" is active"},
    {"HintThatPlacedAPoint",
     [](TestGame& t) {
         t.board().placePoint(c + 35, PointColour::Green);
         t.state().extent.update(c + 35);
     },
     "hint", "is not a move but added points"},
    {"HintOntoATakenIntersection", [](TestGame& t) { t.state().sightIndex = c; }, "hint",
     "which is not free"},
    {"TurnChangedByAMenu",
     [](TestGame& t) {
         t.state().turn = PointColour::Red;
         t.state().status = t.state().turnCaption2;
     },
     "menu statistique", "is not a move but changed the game's state"},
    {"TurnNotPassedBetweenTwoPlayers",
     [](TestGame& t) {
         t.options.chooseOpponent(Opponent::Human);
         t.board().placePoint(c + 35, PointColour::Green);
         t.state().extent.update(c + 35);
     },
     "click 690", "the turn did not pass"},
};

class StateFault : public testing::TestWithParam<FaultCase> {};
class TransitionFault : public testing::TestWithParam<FaultCase> {};

void expectCaught(const FaultCase& fault) {
    TestGame t;
    playSomeMoves(t);
    InvariantChecker checker;
    ASSERT_EQ(joined(checker.check(t.game, {{"click " + std::to_string(c)}})), "");
    fault.plant(t);
    const std::string failures = joined(checker.check(t.game, {{fault.event}}));
    EXPECT_NE(failures.find(fault.expected), std::string::npos)
        << "expected \"" << fault.expected << "\" in:\n"
        << failures;
}

TEST_P(StateFault, IsCaught) {
    expectCaught(GetParam());
}
TEST_P(TransitionFault, IsCaught) {
    expectCaught(GetParam());
}

const auto kName = [](const testing::TestParamInfo<FaultCase>& row) {
    return std::string(row.param.name);
};
INSTANTIATE_TEST_SUITE_P(Invariants, StateFault, testing::ValuesIn(kStateFaults), kName);
INSTANTIATE_TEST_SUITE_P(Invariants, TransitionFault, testing::ValuesIn(kTransitionFaults), kName);

// The die's rolls an event reports: only a move against the computer that leaves the computer
// a turn may roll it.
struct RollCase {
    const char* name;
    std::function<void(TestGame&)> event;  // what the user does
    const char* action;
    std::size_t rolls;
    const char* expected;  // part of the failure message, empty when none
};

void PrintTo(const RollCase& row, std::ostream* out) {
    *out << row.name;
}

// Four green points in a row (c to c + 3) and the computer's replies below them.
void playFourInARow(TestGame& t) {
    auto& computer = t.useQueuedComputer();
    computer.replies = {c + 35, c + 36, c + 37, c + 38};
    for (int k = 0; k < 4; ++k) {
        t.game.click(c + k);
    }
}

const RollCase kRollCases[] = {
    {"ComputerReplyRolls", [](TestGame& t) { t.game.click(c + 4); }, "click", 3, ""},
    {"NoMoveRolls", [](TestGame&) {}, "key other", 1, "is not a move but rolled the die 1 times"},
    {"TwoPlayerMoveRolls",
     [](TestGame& t) {
         t.options.chooseOpponent(Opponent::Human);
         t.game.click(c + 4);
     },
     "click", 1, "between two players but rolled"},
    {"Player1WinRolls", [](TestGame& t) { t.game.click(c + 4); }, "click", 1,
     "won a game for player 1 and rolled"},
    {"Player1WinRollsNothing", [](TestGame& t) { t.game.click(c + 4); }, "click", 0, ""},
};

class RollAccounting : public testing::TestWithParam<RollCase> {};

TEST_P(RollAccounting, IsChecked) {
    const RollCase& row = GetParam();
    TestGame t;
    const bool win = std::string_view(row.name).starts_with("Player1Win");
    if (win) {
        playFourInARow(t);
    } else {
        playSomeMoves(t);
        t.useQueuedComputer().replies = {c + 40};
    }
    InvariantChecker checker;
    ASSERT_EQ(joined(checker.check(t.game, {{"start"}})), "");
    row.event(t);
    const std::string action = row.action == std::string_view("click")
                                   ? "click " + std::to_string(c + 4)
                                   : std::string(row.action);
    const std::string failures = joined(checker.check(t.game, {{action}}, row.rolls));
    if (*row.expected == '\0') {
        EXPECT_EQ(failures, "");
    } else {
        EXPECT_NE(failures.find(row.expected), std::string::npos)
            << "expected \"" << row.expected << "\" in:\n"
            << failures;
    }
}

INSTANTIATE_TEST_SUITE_P(Invariants, RollAccounting, testing::ValuesIn(kRollCases),
                         [](const testing::TestParamInfo<RollCase>& row) {
                             return std::string(row.param.name);
                         });

// A take-back must bring back the whole state before the move it takes back, the sight too.
TEST(Invariants, ATakeBackMustRestoreTheStateBeforeTheMove) {
    for (const bool sound : {true, false}) {
        TestGame t;
        auto& computer = t.useQueuedComputer();
        computer.replies = {c + 1, c + 3};
        t.game.click(c);
        InvariantChecker checker;
        ASSERT_EQ(joined(checker.check(t.game, {{"click " + std::to_string(c)}})), "");
        t.game.keyDown(Key::Down);
        ASSERT_EQ(joined(checker.check(t.game, {{"key down"}})), "");
        t.game.click(c + 2);
        ASSERT_EQ(joined(checker.check(t.game, {{"click " + std::to_string(c + 2)}})), "");
        t.game.keyDown(Key::Right);
        ASSERT_EQ(joined(checker.check(t.game, {{"key right"}})), "");
        t.game.menuTakeBack();
        if (!sound) {
            ++t.state().sightIndex;
        }
        const std::string failures = joined(checker.check(t.game, {{"undo"}}));
        if (sound) {
            EXPECT_EQ(failures, "");
        } else {
            EXPECT_NE(failures.find("'undo' left the sight"), std::string::npos) << failures;
        }
    }
}

TEST(Invariants, AMoveThatCompletesFiveMustBeScored) {
    TestGame t;
    playSomeMoves(t);
    InvariantChecker checker;
    checker.check(t.game, {{"start"}});
    Event event{{"click 700"}};
    event.expectedWinner = Side::Player1;
    EXPECT_NE(joined(checker.check(t.game, event)).find("no game was scored"), std::string::npos);
}

TEST(Invariants, AWholeGameWonAndScoredPassesAndIsTallied) {
    TestGame t;
    auto& computer = t.useQueuedComputer();
    InvariantChecker checker;
    EXPECT_EQ(joined(checker.check(t.game, {{"start"}})), "");
    computer.replies = {c + 35, c + 36, c + 37, c + 38};
    for (int k = 0; k < 5; ++k) {
        Event event{{"click " + std::to_string(c + k)}};
        if (k == 4) {
            event.expectedWinner = Side::Player1;
        }
        t.game.click(c + k);
        EXPECT_EQ(joined(checker.check(t.game, event)), "") << "move " << k;
    }
    EXPECT_EQ(checker.tally().games, 1);
    EXPECT_EQ(checker.tally().events, 6);
    EXPECT_GT(checker.tally().checks, 6 * kSlotCount);
}

TEST(Invariants, AGameWonByFiveMustCloseEveryPointPlayedInIt) {
    TestGame t;
    auto& computer = t.useQueuedComputer();
    InvariantChecker checker;
    EXPECT_EQ(joined(checker.check(t.game, {"start"})), "");
    const int far = c + 3 * kColumns;
    computer.replies = {far, far + 1, far + 2, far + 3};
    for (int k = 0; k < 4; ++k) {
        t.game.click(c + k);
        ASSERT_EQ(joined(checker.check(t.game, {"click " + std::to_string(c + k)})), "");
    }
    // A faulty win: the five are struck through, framed, closed and scored, but the frame
    // leaves out the computer's points of the same game.
    t.board().placePoint(c + 4, PointColour::Green);
    for (int k = 0; k <= 4; ++k) {
        t.board().close(c + k);
    }
    t.state().drawing = {{Shape::Kind::Line, 1, 1, 2, 2, kPaletteBlack},
                         {Shape::Kind::Rectangle, 1, 1, 2, 2, kPaletteDarkGreen}};
    t.statistics.countWin(Side::Player1, Level::Initiation);
    t.state().gamesPlayer1 = 1;
    GameAccess::resetGame(t.game);
    Event event{"click " + std::to_string(c + 4)};
    event.expectedWinner = Side::Player1;
    const std::string failures = joined(checker.check(t.game, event));
    EXPECT_NE(failures.find("are still open"), std::string::npos) << failures;
}

TEST(Invariants, ANewSheetForfeitIsScoredForPlayer2AndClearsTheSheet) {
    TestGame t;
    playSomeMoves(t);
    InvariantChecker checker;
    EXPECT_EQ(joined(checker.check(t.game, {{"start"}})), "");
    t.host.answers = {Answer::Yes};
    t.game.menuNewSheet();
    Event event{"answer oui", "menu nouvelle"};
    event.expectedWinner = Side::Player2;
    EXPECT_EQ(joined(checker.check(t.game, event)), "");
    EXPECT_EQ(checker.tally().forfeits, 1);
}

}  // namespace
}  // namespace cinq::fuzz
