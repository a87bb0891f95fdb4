#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "board/computer_turn.h"
#include "board/game.h"
#include "board/game_access.h"
#include "computer/computer.h"
#include "computer/die.h"
#include "dialogs/level.h"
#include "dialogs/options_model.h"
#include "dialogs/statistics.h"

// Recorded positions for the benchmarks. A position is a replay script (docs/replay.md) that
// ends with a `rolls` line and then the click that gives the computer its turn; the position is
// the game as the computer finds it at the start of that turn, and the die gives those rolls
// from the first one on. Replaying the whole script with cinquevole-replay shows the reply.
namespace cinq::bench {

// A host that answers every message box with its first button and records nothing, so that a
// benchmark can run the same event again and again without growing a log.
class QuietHost : public Host {
public:
    Answer ask(const Message& message) override {
        ++asked;
        return message.buttons == Buttons::Ok ? Answer::Ok : Answer::Yes;
    }
    void showOptions() override {}
    void showStatistics() override {}
    void showHelp() override {}
    WindowState windowState() const override { return state; }
    OuterSize outerSize() const override { return size; }
    void showNormalAtLargest() override {
        state = WindowState::Normal;
        size = kLargestOuterSize;
    }
    void endProgram() override {}

    OuterSize size = kDesignOuterSize;
    WindowState state = WindowState::Normal;
    long asked = 0;  // message boxes shown
};

// A die that gives its rolls in order from the first again after each rewind.
class RewoundDie : public Die {
public:
    explicit RewoundDie(std::vector<int> rolls = {1, 2, 3, 4, 5, 6}) : rolls_(std::move(rolls)) {}
    int roll() override {
        ++drawn_;
        const int value = rolls_[next_];
        next_ = next_ + 1 == rolls_.size() ? 0 : next_ + 1;
        return value;
    }
    void rewind() { next_ = 0; }
    // Rolls drawn since the die was made: one per look-around of the computer.
    long drawn() const { return drawn_; }
    void setRolls(std::vector<int> rolls) {
        rolls_ = std::move(rolls);
        next_ = 0;
    }

private:
    std::vector<int> rolls_;
    std::size_t next_ = 0;
    long drawn_ = 0;
};

struct Position {
    std::string name;
    Board board;
    GameState state;
    int humanCount = 0;  // player 1's points in the game, as the computer's turn has it
    Level level = Level::Initiation;
    std::vector<int> rolls;
    OuterSize size = kDesignOuterSize;
    WindowState windowState = WindowState::Normal;
    // The game after the computer's turn, as the replay tool leaves it at the end of the script.
    Board boardAfter;
    GameState stateAfter;
};

// Reads a position script; throws std::runtime_error when the script is not a position.
Position loadPosition(const std::filesystem::path& script);

// The committed positions (bench/positions), from the early game to the fallback.
std::vector<Position> loadPositions();
// The position of that name among them.
const Position& positionNamed(const std::vector<Position>& positions, const std::string& name);

// A game wired as the program wires it, with a quiet host and a rewound die, into which a
// position can be put again before each run of the measured work.
class BenchGame {
public:
    BenchGame() = default;
    explicit BenchGame(const Position& position) { load(position); }

    // Takes the position's level, window and rolls, then restores it.
    void load(const Position& position);
    // Puts the board, the state, the window and the die back as the position has them.
    void restore(const Position& position) {
        GameAccess::board(game) = position.board;
        GameAccess::state(game) = position.state;
        host.size = position.size;
        host.state = position.windowState;
        die.rewind();
    }

    LevelSetting level;
    OptionsModel options{level};
    Statistics statistics;
    QuietHost host;
    RewoundDie die;
    Computer computer{die};
    Game game{host, options, statistics, computer};

    // The computer's turn on the game as it stands.
    void computerTurn(int humanCount) {
        ComputerTurn turn = GameAccess::computerTurn(game, humanCount);
        computer.chooseComputerMove(turn);
    }
};

}  // namespace cinq::bench
