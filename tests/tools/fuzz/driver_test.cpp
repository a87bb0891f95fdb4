// The seeded driver: a bounded run passes and plays whole matches, its script replays it, and
// the driver finds the faults it is there for when they are planted in the computer.
#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <ostream>
#include <sstream>
#include <variant>

#include "fuzz/replay_run.h"
#include "replay/script_reader.h"
#include "support/test_game.h"

namespace cinq::fuzz {
namespace {

using test::TestGame;

TEST(Driver, ABoundedRunPassesAndPlaysWholeMatches) {
    RunSettings settings;
    settings.seed = 11;
    settings.events = 6'000;
    const RunResult run = runSeed(settings);
    ASSERT_FALSE(run.failure) << *run.failure;
    EXPECT_EQ(run.tally.events, 6'000);
    EXPECT_GE(run.tally.games, 100);
    EXPECT_GE(run.tally.sets, 10);
    EXPECT_GE(run.tally.matches, 2);
}

TEST(Driver, TheScriptOfARunReplaysIt) {
    SeededChoices choices(sessionSeed(3, 0));
    InvariantChecker live;
    const SessionResult session = runSession(choices, live, {3'000, 10'000});
    ASSERT_TRUE(session.failures.empty()) << session.failures.front();

    std::ostringstream script;
    for (const std::string& line : session.script) {
        script << line << '\n';
    }
    std::istringstream in(script.str());
    InvariantChecker replayed;
    const SessionResult again = checkScript(in, replayed);
    ASSERT_TRUE(again.failures.empty()) << again.failures.front();
    EXPECT_EQ(replayed.tally().games, live.tally().games);
    EXPECT_EQ(replayed.tally().sets, live.tally().sets);
    EXPECT_GT(live.tally().games, 0);
}

// A computer that plays next to the human's newest point (or on the first free intersection),
// proposing its cells to the game, with a fault planted in the game after its move. Its choice
// does not depend on the computer's searches, which change as they are written.
class FaultyComputer : public ComputerOpponent {
public:
    FaultyComputer(TestGame& t, std::function<void(Game&, int)> fault)
        : game_(t.game), fault_(std::move(fault)) {}
    void chooseComputerMove(ComputerTurn& turn) override {
        const int humanCount = turn.humanCount();
        const int h = turn.humanMoves()(humanCount);
        for (int d : {1, -1, 35, -35, 36, -36, 34, -34}) {
            if (humanCount > 0) {
                turn.propose(h + d);
            }
        }
        for (int i = indexOf(2, 2); i < kSlotCount; ++i) {
            turn.propose(i);
        }
        fault_(game_, humanCount);
    }

private:
    Game& game_;
    std::function<void(Game&, int)> fault_;
};

// Plays a line on the test game: the moves, the new sheet and the answers; other commands
// change nothing that these faults need.
void play(TestGame& t, const std::string& line) {
    const std::optional<replay::ScriptEvent> event = replay::readScriptLine(line);
    if (!event) {
        return;
    }
    if (const auto* click = std::get_if<replay::event::Click>(&*event)) {
        t.game.click(click->cell);
    } else if (const auto* press = std::get_if<replay::event::Press>(&*event)) {
        t.game.keyDown(press->key);
    } else if (const auto* menu = std::get_if<replay::event::ChooseMenu>(&*event)) {
        if (menu->command == replay::MenuCommand::NewSheet) {
            t.game.menuNewSheet();
        }
    } else if (const auto* answers = std::get_if<replay::event::QueueAnswers>(&*event)) {
        t.host.answers.insert(t.host.answers.end(), answers->answers.begin(),
                              answers->answers.end());
    }
}

struct PlantedFault {
    const char* name;
    std::function<void(Game&, int)> fault;
    const char* expected;
};

// gtest names the cases by this, and CTest by gtest's names.
void PrintTo(const PlantedFault& row, std::ostream* out) {
    *out << row.name;
}

const PlantedFault kPlantedFaults[] = {
    {"ASecondPointPerTurn",
     [](Game& g, int) {
         // Also plays the first free neighbour of its point, bypassing the placement.
         const int p = g.state().lastComputerPoint;
         for (int d : kDirections) {
             if (g.state().computerHasPlayed && g.board().isPlayable(p + d) &&
                 !g.board().hasPoint(p + d)) {
                 GameAccess::board(g).placePoint(p + d, PointColour::Red);
                 GameAccess::state(g).extent.update(p + d);
                 return;
             }
         }
     },
     "red points"},
    {"CountsAPointTwice",
     [](Game& g, int) {
         if (g.state().computerHasPlayed && g.state().computerMoveCount == 3) {
             ++GameAccess::state(g).computerMoveCount;
         }
     },
     "ComputerMoveCount"},
    {"ReadsAroundAnEmptyEntry",
     [](Game& g, int humanCount) {
         // Looks around the entry after the human's last: 0, whose neighbours are no slots.
         (void)g.board().colour(g.state().humanMoves(humanCount + 1) - 36);
     },
     "outside slots 0-1511"},
    {"DropsTheFrameOfAGame",
     [](Game& g, int) {
         std::vector<Shape>& drawing = GameAccess::state(g).drawing;
         if (!drawing.empty() && drawing.back().kind == Shape::Kind::Rectangle) {
             drawing.pop_back();
         }
     },
     "shapes"},
};

class PlantedFaultIsFound : public testing::TestWithParam<PlantedFault> {};

TEST_P(PlantedFaultIsFound, WithinAFewThousandEvents) {
    TestGame t;
    FaultyComputer computer(t, GetParam().fault);
    t.opponent.use(computer);
    SeededChoices choices(42);
    ScriptGenerator generator(choices);
    InvariantChecker checker;
    std::string found;
    for (int k = 0; k < 5'000 && found.empty() && !t.game.ended(); ++k) {
        const Event event = generator.next(t.game);
        for (const std::string& line : event.lines) {
            play(t, line);
        }
        for (const std::string& failure : checker.check(t.game, event)) {
            found += failure + '\n';
        }
    }
    EXPECT_NE(found.find(GetParam().expected), std::string::npos) << found;
}

INSTANTIATE_TEST_SUITE_P(Driver, PlantedFaultIsFound, testing::ValuesIn(kPlantedFaults),
                         [](const testing::TestParamInfo<PlantedFault>& row) {
                             return std::string(row.param.name);
                         });

}  // namespace
}  // namespace cinq::fuzz
