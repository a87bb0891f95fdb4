// Move input and the turn flow: refusals, the sight, whose point is placed and who moves next.
#include <gtest/gtest.h>

#include "support/test_game.h"

namespace cinq {
namespace {

using test::TestGame;

constexpr int kFree = 652;  // row 7, column 7: on the sheet at the design size

TEST(MoveInput, TakenIntersectionIsRefusedWithAMessage) {
    TestGame t;
    t.options.chooseOpponent(Opponent::Human);
    t.game.click(kFree);
    ASSERT_EQ(t.state().turn, PointColour::Red);
    for (const auto& play : {+[](Game& g) { g.click(kFree); },
                             +[](Game& g) {
                                 GameAccess::state(g).sightIndex = kFree;
                                 g.keyDown(Key::Enter);
                             }}) {
        t.host.shown.clear();
        play(t.game);
        ASSERT_EQ(t.host.shown.size(), 1U);
        EXPECT_EQ(t.host.shown[0].message.text, "Vous ne pouvez plus jouer ici");
        EXPECT_EQ(t.host.shown[0].message.title, "ATTENTION !!!");
        EXPECT_EQ(t.host.shown[0].message.buttons, Buttons::Ok);
        EXPECT_EQ(t.state().turn, PointColour::Red);
        EXPECT_EQ(t.board().colour(kFree), PointColour::Green);
    }
}

TEST(MoveInput, ClosedIntersectionRefusesEnterAndTakesNoClick) {
    TestGame t;
    t.board().close(kFree);
    t.game.click(kFree);
    EXPECT_TRUE(t.host.shown.empty());
    t.state().sightIndex = kFree;
    t.game.keyDown(Key::Enter);
    ASSERT_EQ(t.host.messageTexts(), std::vector<std::string>{"Vous ne pouvez plus jouer ici"});
}

TEST(MoveInput, EnterOnAnIntersectionPutOffTheSheetDoesNothing) {
    TestGame t;
    t.resize(kLargestOuterSize);
    const int farCell = indexOf(20, 28);
    t.state().sightIndex = farCell;
    t.resize(kDesignOuterSize);
    t.game.keyDown(Key::Enter);
    EXPECT_FALSE(t.board().hasPoint(farCell));
    EXPECT_TRUE(t.host.shown.empty());
    EXPECT_EQ(t.state().turn, PointColour::Green);
}

struct SightCase {
    const char* name;
    int from;
    Key key;
    int expected;
};

class SightMoves : public ::testing::TestWithParam<SightCase> {};

TEST_P(SightMoves, StayOnTheSheet) {
    TestGame t;  // design size: rows 2 to 15, columns 2 to 20
    t.board().close(indexOf(9, 9));
    t.put({indexOf(9, 11)}, PointColour::Red);
    t.state().sightIndex = GetParam().from;
    t.game.keyDown(GetParam().key);
    EXPECT_EQ(t.state().sightIndex, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Edges, SightMoves,
    ::testing::Values(SightCase{"StartUp", 520, Key::Up, 485},
                      SightCase{"TopRowUp", indexOf(2, 10), Key::Up, indexOf(2, 10)},
                      SightCase{"FirstColumnLeft", indexOf(5, 2), Key::Left, indexOf(5, 2)},
                      SightCase{"LastColumnRight", indexOf(5, 20), Key::Right, indexOf(5, 20)},
                      SightCase{"LastRowDown", indexOf(15, 8), Key::Down, indexOf(15, 8)},
                      SightCase{"Right", indexOf(5, 19), Key::Right, indexOf(5, 20)},
                      SightCase{"Down", indexOf(14, 8), Key::Down, indexOf(15, 8)},
                      SightCase{"OntoClosed", indexOf(9, 8), Key::Right, indexOf(9, 9)},
                      SightCase{"OntoPoint", indexOf(9, 12), Key::Left, indexOf(9, 11)},
                      SightCase{"OtherKey", 520, Key::Other, 520}),
    [](const auto& p) { return p.param.name; });

TEST(MoveInput, EnterPlaysLikeAClickAndLeavesTheSight) {
    TestGame t;
    auto& computer = t.useQueuedComputer();
    computer.replies = {kFree + 1};
    t.state().sightIndex = kFree;
    t.game.keyDown(Key::Enter);
    EXPECT_EQ(t.board().colour(kFree), PointColour::Green);
    EXPECT_EQ(t.board().colour(kFree + 1), PointColour::Red);
    EXPECT_EQ(t.state().sightIndex, kFree);
}

TEST(TwoPlayers, TurnAlternatesAndNothingIsRecorded) {
    TestGame named;  // the turn prompts are built from the names as the window opens
    named.options.nameChanged(0, "Ana");
    named.options.chooseOpponent(Opponent::Human);
    Game game(named.host, named.options, named.statistics, named.opponent);
    EXPECT_EQ(game.state().status, "Ana A vous de jouer     ");
    game.click(kFree);
    EXPECT_EQ(game.board().colour(kFree), PointColour::Green);
    EXPECT_EQ(game.state().turn, PointColour::Red);
    EXPECT_EQ(game.state().status, "Joueur 2 A vous de jouer     ");
    game.click(kFree + 1);
    EXPECT_EQ(game.board().colour(kFree + 1), PointColour::Red);
    EXPECT_EQ(game.state().turn, PointColour::Green);
    EXPECT_EQ(game.state().status, "Ana A vous de jouer     ");
    EXPECT_EQ(game.state().humanMoves.size(), 0);
}

TEST(AgainstComputer, ClickPlacesGreenAndTheComputerAnswersInTheSameClick) {
    TestGame t;
    auto& computer = t.useQueuedComputer();
    computer.replies = {kFree + 1, 0};
    t.game.click(kFree);
    EXPECT_EQ(t.state().humanMoves(1), kFree);
    EXPECT_EQ(t.state().computerMoves(1), kFree + 1);
    EXPECT_EQ(t.state().turn, PointColour::Green);
    EXPECT_EQ(t.state().status, "Joueur 1 A vous de jouer     ");
    EXPECT_FALSE(t.state().computerHasPlayed);
    // A turn in which the computer finds nothing still hands the move back to player 1.
    t.game.click(kFree + 35);
    EXPECT_EQ(computer.humanCounts, (std::vector<int>{1, 2}));
    EXPECT_EQ(t.state().turn, PointColour::Green);
    EXPECT_EQ(t.state().computerMoveCount, 1);
}

TEST(AgainstComputer, RedDiscAfterSwitchingMakesTheComputerMoveOnly) {
    TestGame t;
    auto& computer = t.useQueuedComputer();
    t.options.chooseOpponent(Opponent::Human);
    t.game.click(kFree);
    t.options.chooseOpponent(Opponent::Computer);
    computer.replies = {kFree + 2};
    t.game.click(kFree + 1);
    EXPECT_FALSE(t.board().hasPoint(kFree + 1));
    EXPECT_EQ(t.board().colour(kFree + 2), PointColour::Red);
    EXPECT_EQ(computer.humanCounts, std::vector<int>{0});
    EXPECT_EQ(t.state().turn, PointColour::Green);
}

TEST(AgainstComputer, GameWonBetweenTwoPlayersTakesTheAfterWinBranch) {
    TestGame t;
    auto& computer = t.useQueuedComputer();
    t.options.chooseOpponent(Opponent::Human);
    t.put({kFree, kFree + 1, kFree + 2, kFree + 3}, PointColour::Green);
    t.game.click(kFree + 4);  // green five
    ASSERT_TRUE(t.state().gameOver);
    t.options.chooseOpponent(Opponent::Computer);
    t.game.click(indexOf(12, 15));  // disc is red: places nothing, then the after-win branch
    EXPECT_FALSE(t.board().hasPoint(indexOf(12, 15)));
    EXPECT_EQ(computer.turns, 0);
    EXPECT_FALSE(t.state().gameOver);
    EXPECT_EQ(t.state().turn, PointColour::Green);
    EXPECT_EQ(t.state().computerMoveCount, 1);  // the opening point of the next game
}

TEST(Extent, StrictComparisonsKeepTheFirstPointOnATie) {
    TestGame t;
    t.useQueuedComputer();
    const int a = indexOf(5, 8);
    const int b = indexOf(5, 12);  // same row: the top stays with a
    const int c = indexOf(9, 8);   // same column: the left stays with a
    for (int i : {a, b, c}) {
        t.game.click(i);
    }
    const Extent& e = t.state().extent;
    EXPECT_EQ(e.topIndex, a);
    EXPECT_EQ(e.leftIndex, a);
    EXPECT_EQ(e.rightIndex, b);
    EXPECT_EQ(e.bottomIndex, c);
    EXPECT_EQ(e.top, 5 * 360 - 140);
    EXPECT_EQ(e.left, 8 * 360 - 140);
    EXPECT_EQ(e.bottom, 9 * 360 - 140);
    EXPECT_EQ(e.right, 12 * 360 - 140);
}

TEST(Extent, PointsRightOfTheStartValueNeverSetTheLeft) {
    TestGame t;
    t.resize(kLargestOuterSize);
    t.useQueuedComputer();
    t.game.click(indexOf(4, 27));
    t.game.click(indexOf(6, 26));
    EXPECT_EQ(t.state().extent.left, 9000);
    EXPECT_EQ(t.state().extent.leftIndex, 9000);
    EXPECT_EQ(t.state().extent.right, 27 * 360 - 140);
}

}  // namespace
}  // namespace cinq
