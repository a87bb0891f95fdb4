// The seeded driver: a bounded run passes and plays whole matches, its script replays it, and
// the driver finds the faults it is there for when they are planted in the computer.
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <ostream>
#include <sstream>

#include "fuzz/replay_run.h"
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
// through the real point placement, with a fault planted after its move. Its choice does not
// depend on the computer's searches, which change as they are written.
class FaultyComputer : public ComputerOpponent {
public:
    FaultyComputer(TestGame& t, std::function<void(Game&, int)> fault)
        : game_(t.game), fault_(std::move(fault)) {}
    void chooseComputerMove(int humanCount) override {
        const int h = game_.state().humanMoves(humanCount);
        for (int d : {1, -1, 35, -35, 36, -36, 34, -34}) {
            if (humanCount > 0) {
                placement_.playComputerPoint(h + d);
            }
        }
        for (int i = indexOf(2, 2); i < kSlotCount; ++i) {
            placement_.playComputerPoint(i);
        }
        fault_(game_, humanCount);
    }
    void playComputerPoint(int cell) override { placement_.playComputerPoint(cell); }

private:
    Game& game_;
    ScriptedDie die_;
    Computer placement_{game_, die_};
    std::function<void(Game&, int)> fault_;
};

// Plays a line on the test game: the moves, the new sheet and the answers; other commands
// change nothing that these faults need.
void play(TestGame& t, const std::string& line) {
    std::istringstream in(line);
    std::string command, argument;
    in >> command >> argument;
    if (command == "click") {
        t.game.click(std::stoi(argument));
    } else if (command == "key") {
        static const std::map<std::string, Key> kKeys{{"left", Key::Left},
                                                      {"right", Key::Right},
                                                      {"up", Key::Up},
                                                      {"down", Key::Down},
                                                      {"enter", Key::Enter}};
        t.game.keyDown(kKeys.contains(argument) ? kKeys.at(argument) : Key::Other);
    } else if (command == "menu" && argument == "nouvelle") {
        t.game.menuNewSheet();
    } else if (command == "answer") {
        for (std::string a = argument; !a.empty(); a.clear(), in >> a) {
            t.host.answers.push_back(a == "ok"    ? Answer::Ok
                                     : a == "oui" ? Answer::Yes
                                                  : Answer::No);
        }
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
                 g.board().placePoint(p + d, PointColour::Red);
                 g.updateExtent(p + d);
                 return;
             }
         }
     },
     "red points"},
    {"CountsAPointTwice",
     [](Game& g, int) {
         if (g.state().computerHasPlayed && g.state().computerMoveCount == 3) {
             ++g.state().computerMoveCount;
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
         std::vector<Shape>& drawing = g.state().drawing;
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
    t.game.setComputer(&computer);
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
