// Whole games of a random human against the computer, at each level setting and on windows of
// random sizes, checking the computer's promises after every click.
#include <algorithm>
#include <array>
#include <ostream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "scene.h"

namespace cinq {

// gtest names the level of each case by this.
void PrintTo(Level level, std::ostream* out) {
    *out << "level " << levelNumber(level);
}

namespace test {
namespace {

constexpr std::array<int, 8> kNeighbourSteps{1, -1, 35, -35, 36, -36, 34, -34};

// Passes the turn flow's calls on to the real computer and checks, on each of its turns, that
// it places a point whenever a neighbour of the human's newest point is free and playable.
class WatchedComputer : public ComputerOpponent {
public:
    explicit WatchedComputer(Computer& computer) : computer_(computer) {}

    void chooseComputerMove(ComputerTurn& turn) override {
        bool neighbourFree = false;
        const int humanCount = turn.humanCount();
        if (humanCount >= 1) {
            const Board& board = turn.board();
            const int h = turn.humanMoves()(humanCount);
            neighbourFree = std::ranges::any_of(kNeighbourSteps, [&](int d) {
                return board.isPlayable(h + d) && !board.hasPoint(h + d);
            });
        }
        computer_.chooseComputerMove(turn);
        if (neighbourFree && !turn.hasPlayed()) {
            ++missedReplies;
        }
    }

    int missedReplies = 0;

private:
    Computer& computer_;
};

bool contains(const MoveList& list, int cell) {
    for (int k = 1; list(k) != 0; ++k) {
        if (list(k) == cell) {
            return true;
        }
    }
    return false;
}

// Every point of the current game is in its side's list and every entry holds such a point.
std::string listMismatch(const Game& game) {
    const Board& board = game.board();
    const GameState& state = game.state();
    for (int i = kFirstGridSlot; i < kSlotCount; ++i) {
        // The points of finished games are closed; off the sheet only a resize can put them.
        const Slot& slot = board.at(i);
        if (!slot.playable || !slot.hasPoint) {
            continue;
        }
        const bool red = slot.colour == PointColour::Red;
        if (!contains(red ? state.computerMoves : state.humanMoves, i)) {
            return "point " + std::to_string(i) + " missing from its list";
        }
    }
    for (const auto& [list, colour] : {std::pair{&state.humanMoves, PointColour::Green},
                                       std::pair{&state.computerMoves, PointColour::Red}}) {
        for (int k = 1; (*list)(k) != 0; ++k) {
            if (!board.hasPoint((*list)(k)) || board.colour((*list)(k)) != colour) {
                return "entry " + std::to_string((*list)(k)) + " holds no point of its side";
            }
        }
    }
    return "";
}

// The human plays anywhere, or near its newest point, so that its lines grow and get blocked.
int humanChoice(const Game& game, std::mt19937& rng) {
    const Board& board = game.board();
    std::vector<int> free;
    for (int i = kFirstGridSlot; i < kSlotCount; ++i) {
        const Slot& slot = board.at(i);
        if (slot.playable && !slot.hasPoint) {
            free.push_back(i);
        }
    }
    if (free.empty()) {
        return -1;
    }
    const GameState& state = game.state();
    const int newest = state.humanMoves(state.humanMoves.size());
    if (newest != 0 && rng() % 3 != 0) {
        std::vector<int> near;
        for (const int i : free) {
            if (std::abs(rowOf(i) - rowOf(newest)) <= 2 &&
                std::abs(columnOf(i) - columnOf(newest)) <= 2) {
                near.push_back(i);
            }
        }
        if (!near.empty()) {
            return near[rng() % near.size()];
        }
    }
    return free[rng() % free.size()];
}

OuterSize randomSize(std::mt19937& rng) {
    // From the design size to a little beyond the largest, which the game clamps.
    std::uniform_int_distribution<int> width(kDesignOuterSize.width, 12400);
    std::uniform_int_distribution<int> height(kDesignOuterSize.height, 8900);
    return {width(rng), height(rng)};
}

class Simulation : public testing::TestWithParam<Level> {};

TEST_P(Simulation, RandomHumanAgainstTheComputer) {
    const int level = levelNumber(GetParam());
    // The engine searches each turn of setting 3: fewer games, on a small node limit.
    const bool engine = GetParam() == Level::Three;
    const int gameCount = engine ? 40 : 2000;
    const unsigned seed = 20240611u + static_cast<unsigned>(level);
    SCOPED_TRACE("seed " + std::to_string(seed) + ", level setting " + std::to_string(level));
    std::mt19937 rng(seed);
    TestGame t;
    t.level.value = GetParam();
    // A fair die in place of the scripted one, and the watch between the game and the computer.
    RandomDie die(seed);
    Computer computer(die, engine ? EngineBudget::nodeLimit(2000) : kGameBudget);
    WatchedComputer watched(computer);
    t.opponent.use(watched);
    Game& game = t.game;
    const GameState& state = game.state();

    int games = 0;
    for (int click = 0; games < gameCount; ++click) {
        if (rng() % 40 == 0) {
            t.resize(randomSize(rng));
        }
        const int cell = humanChoice(game, rng);
        if (cell < 0) {
            game.menuNewSheet();
            ++games;
            continue;
        }
        const std::size_t placedBefore = t.host.placedComputerPoints.size();
        const int humanBefore = state.humanMoves.size();
        game.click(cell);
        ASSERT_FALSE(game.ended());
        const std::string where = "click " + std::to_string(click) + " at " + std::to_string(cell);

        ASSERT_LE(t.host.placedComputerPoints.size(), placedBefore + 1) << where;
        ASSERT_EQ(state.computerMoveCount, state.computerMoves.size()) << where;
        ASSERT_EQ(listMismatch(game), "") << where;
        ASSERT_EQ(watched.missedReplies, 0) << where;
        ASSERT_EQ(game.board().strayReads(), 0) << where;
        // A game ended in this click when the human's list did not simply grow by one.
        if (state.humanMoves.size() != humanBefore + 1) {
            ++games;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(ComputerOpponent, Simulation, testing::ValuesIn(kLevels));

}  // namespace
}  // namespace test
}  // namespace cinq
