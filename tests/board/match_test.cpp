// Games make sets and sets make a match; the sheet commands and the computer's opening point.
// These paths are re-entrant: a win inside a turn can end the match, start a new sheet and place
// an opening point before the turn goes on.
#include <gtest/gtest.h>

#include "replay/state_dump.h"
#include "support/test_game.h"

namespace cinq {
namespace {

using replay::Shown;
using test::TestGame;

constexpr int c = indexOf(9, 12);  // outside the first opening block's centre (652)

// What the user sees at the moment a window or message box opens.
struct Moment {
    std::string what;
    int games1, games2, sets1, sets2;
};

struct Watcher {
    std::vector<Moment> moments;
    explicit Watcher(TestGame& t) {
        t.host.onShow = [this, &t](const Shown& shown) {
            const GameState& s = t.state();
            moments.push_back({replay::shownLine(shown), s.gamesPlayer1, s.gamesPlayer2,
                               s.setsPlayer1, s.setsPlayer2});
        };
    }
};

void setScores(TestGame& t, int games1, int games2, int sets1, int sets2) {
    GameState& s = t.state();
    s.gamesPlayer1 = games1;
    s.gamesPlayer2 = games2;
    s.setsPlayer1 = sets1;
    s.setsPlayer2 = sets2;
}

int pointsOnSheet(const Board& board) {
    int n = 0;
    for (int i = 0; i < kSlotCount; ++i) {
        n += board.hasPoint(i) ? 1 : 0;
    }
    return n;
}

// Player 1 completes a horizontal five at c with a click, against the queued computer.
void player1WinsByClick(TestGame& t) {
    t.putInGame({c - 4, c - 3, c - 2, c - 1}, PointColour::Green);
    t.game.click(c);
}

TEST(Match, WonByPlayer1sClickStartsTheNextMatchWithTheOpeningPoint) {
    TestGame t;
    auto& computer = t.useQueuedComputer();
    computer.replies = {c + 35};
    setScores(t, 4, 2, 2, 1);
    Watcher watcher(t);
    player1WinsByClick(t);

    const std::string message =
        R"(message OK "Cinquevole" "Joueur 1 remporte le match. Bravo!" -> ok)";
    const std::vector<Moment> expected{
        {message, 5, 2, 3, 1},
        {"window statistique", 0, 0, 3, 1},
        {R"(message YESNO "Cinquevole" "Voulez vous rejouer" -> oui)", 0, 0, 3, 1},
    };
    ASSERT_EQ(watcher.moments.size(), expected.size());
    for (std::size_t k = 0; k < expected.size(); ++k) {
        EXPECT_EQ(watcher.moments[k].what, expected[k].what);
        EXPECT_EQ(watcher.moments[k].games1, expected[k].games1) << k;
        EXPECT_EQ(watcher.moments[k].games2, expected[k].games2) << k;
        EXPECT_EQ(watcher.moments[k].sets1, expected[k].sets1) << k;
        EXPECT_EQ(watcher.moments[k].sets2, expected[k].sets2) << k;
    }
    const GameState& s = t.state();
    EXPECT_EQ(s.setsPlayer1, 0);
    EXPECT_TRUE(s.setBlockVisible);
    EXPECT_TRUE(s.drawing.empty());
    // One red opening point on the fresh sheet; the queued reply was refused.
    EXPECT_EQ(pointsOnSheet(t.board()), 1);
    EXPECT_EQ(t.board().colour(652), PointColour::Red);
    EXPECT_EQ(s.computerMoves(1), 652);
    EXPECT_EQ(s.turn, PointColour::Green);
    EXPECT_FALSE(s.computerHasPlayed);
    EXPECT_FALSE(s.gameOver);
}

TEST(Match, WonByTheComputersPointLeavesAnEmptySheetForPlayer1) {
    TestGame t;
    auto& computer = t.useQueuedComputer();
    t.putInGame({c + 1, c + 2, c + 3, c + 4}, PointColour::Red);
    computer.replies = {c + 5};
    setScores(t, 1, 4, 0, 2);
    t.game.click(c + 70);
    EXPECT_EQ(
        t.host.messageTexts(),
        (std::vector<std::string>{"Ordinateur remporte le match. La revenche quand vous voulez",
                                  "Voulez vous rejouer"}));
    EXPECT_EQ(pointsOnSheet(t.board()), 0);
    EXPECT_EQ(t.state().computerMoveCount, 0);
    EXPECT_EQ(t.state().turn, PointColour::Green);
    EXPECT_FALSE(t.state().computerHasPlayed);
}

TEST(Match, NoToPlayAgainEndsTheProgramAfterTheHelpWindowAndNothingElseRuns) {
    TestGame t;
    auto& computer = t.useQueuedComputer();
    computer.replies = {c + 35};
    setScores(t, 4, 0, 2, 0);
    t.host.answers = {Answer::Ok, Answer::No};
    player1WinsByClick(t);
    ASSERT_FALSE(t.host.shown.empty());
    EXPECT_EQ(t.host.shown.back().kind, Shown::Kind::Help);
    EXPECT_TRUE(t.host.ended);
    EXPECT_TRUE(t.game.ended());
    // The turn stopped where the program ended: no opening point, no reply, the disc still red.
    EXPECT_EQ(computer.turns, 0);
    EXPECT_EQ(t.state().computerMoveCount, 0);
    EXPECT_EQ(t.state().turn, PointColour::Red);
    // Later events do nothing.
    const std::size_t shownBefore = t.host.shown.size();
    t.game.menuHelp();
    t.game.click(c + 70);
    EXPECT_EQ(t.host.shown.size(), shownBefore);
    EXPECT_FALSE(t.board().hasPoint(c + 70));
}

// A game against the computer under way: one point each.
void gameUnderWay(TestGame& t) {
    t.useQueuedComputer().replies = {c + 1};
    t.game.click(c);
    ASSERT_FALSE(t.state().noComputerPointYet);
}

const std::string kForfeitQuestion =
    "Si vous changez de feuille alors que la partie n'est pas terminée le point ira à "
    "Ordinateur. Voulez vous tout de même changer de feuille?";

TEST(NewSheet, ForfeitCompletingPlayer2sThirdSetThenPlayAgain) {
    TestGame t;
    gameUnderWay(t);
    setScores(t, 3, 4, 1, 2);
    t.game.menuNewSheet();
    EXPECT_EQ(t.host.messageTexts(),
              (std::vector<std::string>{
                  kForfeitQuestion, "Ordinateur remporte le match. La revenche quand vous voulez",
                  "Voulez vous rejouer"}));
    // The new match's opening point was placed, then cleared by the rest of the command.
    EXPECT_EQ(t.host.placedComputerPoints, (std::vector<int>{c + 1, 652}));
    EXPECT_EQ(pointsOnSheet(t.board()), 0);
    EXPECT_EQ(t.state().computerMoveCount, 0);
    EXPECT_EQ(t.state().turn, PointColour::Green);
    EXPECT_EQ(t.state().gamesPlayer2, 0);
    EXPECT_EQ(t.state().setsPlayer2, 0);
    EXPECT_EQ(t.statistics.wins(Side::Player2, Level::Initiation), 1);
}

TEST(NewSheet, ForfeitCompletingTheMatchThenNoEndsBeforeTheSheetIsCleared) {
    TestGame t;
    gameUnderWay(t);
    setScores(t, 0, 4, 0, 2);
    t.host.answers = {Answer::Yes, Answer::Ok, Answer::No};
    t.game.menuNewSheet();
    EXPECT_TRUE(t.game.ended());
    EXPECT_EQ(t.host.shown.back().kind, Shown::Kind::Help);
    EXPECT_EQ(pointsOnSheet(t.board()), 2);
}

struct ForfeitCase {
    const char* name;
    void (*setUp)(TestGame&);
    bool asked;
};

class ForfeitQuestion : public ::testing::TestWithParam<ForfeitCase> {};

TEST_P(ForfeitQuestion, AskedOnlyForAGameUnderWayWithAComputerPoint) {
    TestGame t;
    GetParam().setUp(t);
    const int games2 = t.state().gamesPlayer2;
    t.game.menuNewSheet();
    const bool asked =
        !t.host.messageTexts().empty() && t.host.messageTexts()[0] == kForfeitQuestion;
    EXPECT_EQ(asked, GetParam().asked);
    EXPECT_EQ(t.state().gamesPlayer2, games2 + (GetParam().asked ? 1 : 0));
    EXPECT_EQ(pointsOnSheet(t.board()), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Situations, ForfeitQuestion,
    ::testing::Values(ForfeitCase{"AtStart", [](TestGame&) {}, false},
                      ForfeitCase{"UnderWay", [](TestGame& g) { gameUnderWay(g); }, true},
                      ForfeitCase{"ComputerHasNoPointYet",
                                  [](TestGame& g) {
                                      g.useQueuedComputer();
                                      g.game.click(c);
                                  },
                                  false},
                      ForfeitCase{"AfterAGameScoredBetweenTwoPlayers",
                                  [](TestGame& g) {
                                      gameUnderWay(g);
                                      g.options.chooseOpponent(Opponent::Human);
                                      g.state().turn = PointColour::Green;
                                      g.putInGame({c - 4, c - 3, c - 2, c - 1}, PointColour::Green);
                                      g.game.click(c - 5);
                                  },
                                  false},
                      ForfeitCase{"NoUsableCellLeft",
                                  [](TestGame& g) {
                                      gameUnderWay(g);
                                      g.board().applySheetRectangle(1, 1);
                                  },
                                  false}),
    [](const auto& p) { return p.param.name; });

TEST(NewSheet, NoToTheForfeitChangesNothing) {
    TestGame t;
    gameUnderWay(t);
    const std::string before = replay::dumpState(t.game, {});
    t.host.answers = {Answer::No};
    t.game.menuNewSheet();
    EXPECT_EQ(replay::dumpState(t.game, {}), before);
}

TEST(NewSheet, ClearsDrawingPointsAndMarksAndKeepsTheTurn) {
    TestGame t;
    t.options.chooseOpponent(Opponent::Human);
    t.putInGame({c - 4, c - 3, c - 2, c - 1}, PointColour::Green);
    t.game.click(c);  // green five: framed and closed; red to move
    ASSERT_FALSE(t.state().drawing.empty());
    t.game.menuNewSheet();
    EXPECT_TRUE(t.state().drawing.empty());
    EXPECT_EQ(pointsOnSheet(t.board()), 0);
    EXPECT_FALSE(t.board().isClosed(c));
    EXPECT_TRUE(t.board().isPlayable(c));
    EXPECT_TRUE(t.board().isOffSheet(indexOf(16, 5)));  // the window's size applies again
    EXPECT_EQ(t.state().turn, PointColour::Red);
    EXPECT_FALSE(t.state().gameOver);
}

TEST(Scores, SetBlockAppearsWithTheFirstSetAndStaysThroughLaterMatches) {
    TestGame t;
    t.useQueuedComputer();
    EXPECT_FALSE(t.state().setBlockVisible);
    setScores(t, 4, 4, 0, 0);
    t.putInGame({c + 1, c + 2, c + 3, c + 4, c + 5}, PointColour::Red);
    GameAccess::checkFiveInRow(t.game, c + 5);
    EXPECT_EQ(t.state().gamesPlayer1, 0);
    EXPECT_EQ(t.state().gamesPlayer2, 0);
    EXPECT_EQ(t.state().setsPlayer2, 1);
    EXPECT_TRUE(t.state().setBlockVisible);
    EXPECT_TRUE(t.host.shown.empty());  // nothing is announced between sets
    setScores(t, 4, 0, 2, 0);
    GameAccess::resetGame(t.game);
    player1WinsByClick(t);  // ends the match; Yes starts the next one
    EXPECT_EQ(t.state().setsPlayer1, 0);
    EXPECT_TRUE(t.state().setBlockVisible);
}

TEST(Scores, StatisticsCountTheLevelInForceAndClearAtTheFirstGameOfAMatch) {
    TestGame t;
    t.options.chooseOpponent(Opponent::Human);
    const int rows[] = {4, 7, 10, 13};
    const LevelOption levels[] = {LevelOption::Level1, LevelOption::Level3, LevelOption::Level2,
                                  LevelOption::Initiation};
    for (int k = 0; k < 4; ++k) {
        t.options.chooseLevel(levels[k]);
        const int start = indexOf(rows[k], 3);
        t.state().turn = PointColour::Green;
        t.putInGame({start, start + 1, start + 2, start + 3}, PointColour::Green);
        t.game.click(start + 4);
    }
    // Each option counts at the setting of its own number, player 1's counter only.
    for (const auto& [level, wins] : {std::pair{Level::Initiation, 1}, std::pair{Level::One, 1},
                                      std::pair{Level::Two, 1}, std::pair{Level::Three, 1}}) {
        EXPECT_EQ(t.statistics.wins(Side::Player1, level), wins) << levelNumber(level);
        EXPECT_EQ(t.statistics.wins(Side::Player2, level), 0) << levelNumber(level);
    }
    // A new match: its first game clears the counts before counting itself.
    setScores(t, 0, 0, 0, 0);
    t.state().turn = PointColour::Red;
    t.putInGame({c - 4 + 70, c - 3 + 70, c - 2 + 70, c - 1 + 70}, PointColour::Red);
    t.game.click(c + 70);
    for (int k = 1; k <= Statistics::kCounters; ++k) {
        EXPECT_EQ(t.statistics.count(k), k == 2 ? 1 : 0) << k;
    }
}

TEST(Scores, MatchMessageUsesTheNamesAsTheyStandNow) {
    TestGame t;
    t.useQueuedComputer();
    t.options.nameChanged(0, "<b>Zoé</b>");
    setScores(t, 4, 0, 2, 0);
    player1WinsByClick(t);
    ASSERT_FALSE(t.host.messageTexts().empty());
    EXPECT_EQ(t.host.messageTexts()[0], "<b>Zoé</b> remporte le match. Bravo!");
    EXPECT_EQ(t.state().status, "Joueur 1 A vous de jouer     ");  // built at load
}

TEST(TwoPlayerMatch, OpeningPointIsPlacedOnceUntilAComputerTurnClearsTheFlag) {
    TestGame t;
    t.useQueuedComputer();
    t.options.chooseOpponent(Opponent::Human);
    for (int match = 0; match < 2; ++match) {
        setScores(t, 0, 4, 0, 2);
        t.state().turn = PointColour::Red;
        t.putInGame({c - 4, c - 3, c - 2, c - 1}, PointColour::Red);
        t.game.click(c);
        // The new match's opening point (first time only); the turn still passes after the test.
        EXPECT_EQ(pointsOnSheet(t.board()), match == 0 ? 1 : 0) << match;
        EXPECT_TRUE(t.state().computerHasPlayed);
        EXPECT_EQ(t.state().turn, PointColour::Red);
    }
}

TEST(OpeningPoint, FirstFreeBlockOnAnEmptySheetOpensAt652) {
    TestGame t;
    t.useQueuedComputer();
    GameAccess::placeOpeningPoint(t.game);
    EXPECT_EQ(t.state().computerMoves(1), 652);
    EXPECT_EQ(t.state().turn, PointColour::Green);
    EXPECT_EQ(t.state().status, t.state().turnCaption1);
}

struct BlockCase {
    const char* name;
    void (*spoil)(TestGame&);
    int expected;
};

class BlockSearch : public ::testing::TestWithParam<BlockCase> {};

TEST_P(BlockSearch, FirstFreeBlockInBandOrder) {
    TestGame t;
    t.useQueuedComputer();
    GetParam().spoil(t);
    GameAccess::placeOpeningPoint(t.game);
    EXPECT_EQ(t.state().computerMoves(1), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Sheets, BlockSearch,
    ::testing::Values(
        // The next candidate is one column further right.
        BlockCase{"PointAtTopLeft", [](TestGame& g) { g.put({472}, PointColour::Green); }, 653},
        // Blocks with their lefts in columns 2 to 5 hold it; the block at column 6 is free.
        BlockCase{"ClosedCellInColumn5", [](TestGame& g) { g.board().close(indexOf(7, 5)); }, 656},
        BlockCase{"WholeFirstBandSpoiledNextBandAfterMaximise",
                  [](TestGame& g) {
                      for (int column = 2; column <= 29; ++column) {
                          g.board().close(indexOf(2, column));
                      }
                  },
                  652 + 35}),
    [](const auto& p) { return p.param.name; });

TEST(OpeningPoint, MaximiseOnlyANormalWindowAndOnlyWhenTheFirstBandFails) {
    struct Case {
        WindowState state;
        int expectedCalls;
    };
    for (const Case k : {Case{WindowState::Normal, 1}, Case{WindowState::Maximised, 0},
                         Case{WindowState::Minimised, 0}}) {
        TestGame t;
        t.useQueuedComputer();
        for (int column = 2; column <= 29; ++column) {
            t.board().close(indexOf(2, column));
        }
        t.host.state = k.state;
        GameAccess::placeOpeningPoint(t.game);
        EXPECT_EQ(t.host.normalAtLargestCalls, k.expectedCalls);
        // With the window left at the design size, rows 3 to 14 and columns 2 to 13 are free.
        EXPECT_EQ(t.state().computerMoves(1), 652 + 35);
    }
    TestGame fits;  // the first band succeeds: the window is left alone
    fits.useQueuedComputer();
    GameAccess::placeOpeningPoint(fits.game);
    EXPECT_EQ(fits.host.normalAtLargestCalls, 0);
}

TEST(OpeningPoint, SheetTooSmallChangesTheSheetAndOpensAt652) {
    TestGame t;
    t.useQueuedComputer();
    // Every block of 12 columns holds column 8 or column 20, or runs off the sheet.
    for (int row = 2; row <= 21; ++row) {
        t.board().close(indexOf(row, 8));
        t.board().close(indexOf(row, 20));
    }
    t.state().drawing.push_back({Shape::Kind::Line, 0, 0, 1, 1, 0});
    GameAccess::placeOpeningPoint(t.game);
    EXPECT_EQ(t.host.messageTexts(),
              std::vector<std::string>{"Ordinateur constate que l'espace de jeu est devenu trop "
                                       "petit. Il va donc changer de feuille"});
    EXPECT_TRUE(t.state().drawing.empty());
    EXPECT_FALSE(t.board().isClosed(indexOf(9, 8)));
    EXPECT_EQ(t.state().computerMoves(1), 652);
    EXPECT_EQ(t.state().turn, PointColour::Green);
}

TEST(Leaving, QuitAndCloseShowHelpThenEnd) {
    for (auto leave : {&Game::menuQuit, &Game::closeWindow}) {
        TestGame t;
        (t.game.*leave)();
        ASSERT_EQ(t.host.shown.size(), 1U);
        EXPECT_EQ(t.host.shown[0].kind, Shown::Kind::Help);
        EXPECT_TRUE(t.host.ended);
    }
}

}  // namespace
}  // namespace cinq
