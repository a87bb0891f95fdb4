// The model's consistency check: quiet on every game that play makes, loud on a planted fault,
// and run after every user event by builds with assertions.
#include "board/consistency.h"

#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <string>

#include "support/test_game.h"

namespace cinq {
namespace {

using test::TestGame;

constexpr int c = indexOf(7, 10);

std::string joined(const ConsistencyReport& report) {
    std::string out;
    for (const std::string& fault : report.faults) {
        out += fault + '\n';
    }
    return out;
}

TEST(Consistency, HoldsForAGameWonAndTheNextOneOpened) {
    TestGame t;
    GameAccess::checkConsistencyAfterEvents(t.game, true);
    EXPECT_EQ(joined(checkConsistency(t.game.board(), t.game.state())), "");
    auto& computer = t.useQueuedComputer();
    computer.replies = {c + 35, c + 36, c + 37, c + 38};
    for (int k = 0; k < 5; ++k) {
        t.game.click(c + k);
        const ConsistencyReport report = checkConsistency(t.game.board(), t.game.state());
        EXPECT_EQ(joined(report), "") << "after move " << k;
        EXPECT_GT(report.checks, kSlotCount);
    }
    EXPECT_EQ(t.game.state().gamesPlayer1, 1);
    EXPECT_EQ(t.game.state().computerMoveCount, 1);  // the opening point of the next game
}

struct Fault {
    const char* name;
    std::function<void(TestGame&)> plant;
    const char* expected;
};

void PrintTo(const Fault& row, std::ostream* out) {
    *out << row.name;
}

const Fault kFaults[] = {
    {"PointOfNeutralColour", [](TestGame& t) { t.board().placePoint(c, {}); }, "neutral colour"},
    {"ClosedWithoutFrame", [](TestGame& t) { t.board().close(c); }, "closed slots but no frame"},
    {"SheetNotARectangle", [](TestGame& t) { t.board().applySheetRectangle(15, 25); },
     "lies off the sheet but is playable"},
    {"ComputerPointNotListed",
     [](TestGame& t) {
         t.board().placePoint(c, PointColour::Red);
         t.state().computerMoves.append(c);
     },
     "ComputerMoveCount is 0 but ComputerMoves holds 1"},
    {"ListedTwice",
     [](TestGame& t) {
         t.board().placePoint(c, PointColour::Green);
         t.state().extent.update(c);
         t.state().humanMoves.append(c);
         t.state().humanMoves.append(c);
     },
     "listed twice"},
    {"LastColumnOfNoBand",
     [](TestGame& t) {
         t.state().lastColumn = 19;
         t.board().applySheetRectangle(15, 19);
     },
     "last column 19"},
    {"StatusOfTheOtherPlayer", [](TestGame& t) { t.state().turn = PointColour::Red; },
     "does not name the player to move"},
};

class ConsistencyFault : public testing::TestWithParam<Fault> {};

TEST_P(ConsistencyFault, IsNamed) {
    TestGame t;
    GetParam().plant(t);
    const std::string faults = joined(checkConsistency(t.game.board(), t.game.state()));
    EXPECT_NE(faults.find(GetParam().expected), std::string::npos) << faults;
}

INSTANTIATE_TEST_SUITE_P(Consistency, ConsistencyFault, testing::ValuesIn(kFaults),
                         [](const testing::TestParamInfo<Fault>& row) {
                             return std::string(row.param.name);
                         });

TEST(ConsistencyDeathTest, AUserEventOnAnInconsistentModelStopsABuildWithAssertions) {
#ifdef NDEBUG
    GTEST_SKIP() << "an optimised build does not check the model after its events";
#else
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    TestGame t;
    GameAccess::checkConsistencyAfterEvents(t.game, true);
    t.game.keyDown(Key::Other);  // a sound model: nothing happens
    t.board().close(c);
    EXPECT_DEATH(t.game.keyDown(Key::Other), "closed slots but no frame");
#endif
}

}  // namespace
}  // namespace cinq
