#pragma once

#include <deque>
#include <initializer_list>
#include <vector>

#include "board/computer_turn.h"
#include "board/game.h"
#include "board/game_access.h"
#include "computer/computer.h"
#include "computer/die.h"
#include "dialogs/level.h"
#include "dialogs/options_model.h"
#include "dialogs/statistics.h"
#include "replay/scripted_host.h"

namespace cinq::test {

using replay::ScriptedHost;
using replay::Shown;

// A computer whose moves are chosen by the test: each turn it proposes the next queued cell to
// the game (which may refuse it). With nothing queued it proposes nothing.
class QueuedComputer : public ComputerOpponent {
public:
    std::deque<int> replies;
    int turns = 0;
    std::vector<int> humanCounts;

    void chooseComputerMove(ComputerTurn& turn) override {
        ++turns;
        humanCounts.push_back(turn.humanCount());
        if (!replies.empty()) {
            const int cell = replies.front();
            replies.pop_front();
            turn.propose(cell);
        }
    }
};

// Stands between the game and its computer, so that a test can hand the computer's turns to
// another opponent.
class OpponentSwitch : public ComputerOpponent {
public:
    explicit OpponentSwitch(ComputerOpponent& opponent) : opponent_(&opponent) {}
    void use(ComputerOpponent& opponent) { opponent_ = &opponent; }
    void chooseComputerMove(ComputerTurn& turn) override { opponent_->chooseComputerMove(turn); }
    int adviseMove(const Board& board, PointColour colour) override {
        return opponent_->adviseMove(board, colour);
    }

private:
    ComputerOpponent* opponent_;
};

// The game with its models and a scripted host and die, wired as the program wires them. By
// default the real computer plays (the engine under the scripted tools' node limit, so that a test
// always sees the same point); `useQueuedComputer` hands its choices to the test.
//
// Tests lay out positions by hand (closed intersections without a frame, points in no move
// list), which no play makes: the consistency check that builds with assertions run after every
// user event is off for the test game. The replay tool, the drivers and the program keep it.
struct TestGame {
    TestGame() { GameAccess::checkConsistencyAfterEvents(game, false); }

    LevelSetting level;
    OptionsModel options{level};
    Statistics statistics;
    ScriptedHost host;
    ScriptedDie die;
    Computer computer{die, kScriptedBudget};
    QueuedComputer queued;
    OpponentSwitch opponent{computer};
    Game game{host, options, statistics, opponent};

    QueuedComputer& useQueuedComputer() {
        opponent.use(queued);
        return queued;
    }
    // The game's model, to lay out a position by hand.
    Board& board() { return GameAccess::board(game); }
    GameState& state() { return GameAccess::state(game); }
    // A turn of the computer on the game as it stands.
    ComputerTurn turn(int humanCount = 0) { return GameAccess::computerTurn(game, humanCount); }

    // Puts points straight on the sheet, outside any turn.
    void put(std::initializer_list<int> cells, PointColour colour) {
        for (int cell : cells) {
            board().placePoint(cell, colour);
        }
    }
    // Puts points on the sheet as points of the current game: they widen its extent.
    void putInGame(std::initializer_list<int> cells, PointColour colour) {
        for (int cell : cells) {
            board().placePoint(cell, colour);
            state().extent.update(cell);
        }
    }
    void resize(OuterSize size) {
        host.size = size;
        game.windowResized();
    }
};

}  // namespace cinq::test
