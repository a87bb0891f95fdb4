#pragma once

#include <deque>
#include <initializer_list>

#include "board/game.h"
#include "computer/computer.h"
#include "computer/die.h"
#include "dialogs/level_setting.h"
#include "dialogs/options_model.h"
#include "dialogs/statistics.h"
#include "support/scripted_host.h"

namespace cinq::test {

// A computer whose moves are chosen by the test: each turn it proposes the next queued cell to
// the real point placement (which may refuse it). With nothing queued it places nothing.
class QueuedComputer : public ComputerOpponent {
public:
    QueuedComputer(Game& game, Die& die) : placement_(game, die) {}
    std::deque<int> replies;
    int turns = 0;
    std::vector<int> humanCounts;

    void chooseComputerMove(int humanCount) override {
        ++turns;
        humanCounts.push_back(humanCount);
        if (!replies.empty()) {
            const int cell = replies.front();
            replies.pop_front();
            placement_.playComputerPoint(cell);
        }
    }
    void playComputerPoint(int cell) override { placement_.playComputerPoint(cell); }

private:
    Computer placement_;
};

// The game with its models and a scripted host and die, wired as the program wires them. By
// default the real computer plays; `useQueuedComputer` hands its choices to the test.
struct TestGame {
    LevelSetting level;
    OptionsModel options{level};
    Statistics statistics;
    ScriptedHost host;
    ScriptedDie die;
    Game game{host, options, statistics};
    Computer computer{game, die};
    QueuedComputer queued{game, die};

    TestGame() { game.setComputer(&computer); }
    QueuedComputer& useQueuedComputer() {
        game.setComputer(&queued);
        return queued;
    }
    // Puts points straight on the sheet, outside any turn.
    void put(std::initializer_list<int> cells, PointColour colour) {
        for (int cell : cells) {
            game.board().placePoint(cell, colour);
        }
    }
    // Puts points on the sheet as points of the current game: they widen its extent.
    void putInGame(std::initializer_list<int> cells, PointColour colour) {
        for (int cell : cells) {
            game.board().placePoint(cell, colour);
            game.updateExtent(cell);
        }
    }
    void resize(OuterSize size) {
        host.size = size;
        game.windowResized();
    }
};

}  // namespace cinq::test
