#pragma once

#include <cstdint>
#include <iosfwd>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "engine/cell_board.h"

// The Gomocup ("pbrain") protocol, line by line: a manager sends commands on standard input and
// reads the answers on standard output. The protocol keeps the board; a Player chooses the moves.
namespace pbrain {

// The board as the protocol knows it: own, opponent's and wall cells and the stones' order.
using Board = engine::CellBoard;

// What the manager said about time, memory and rules.
struct Settings {
    int turnMs = 0;           // 0: not given
    int matchMs = 0;          // 0: no match limit
    long long leftMs = -1;    // -1: not given
    long long maxMemory = 0;  // bytes, 0: not given
    long long maxNodes = 0;   // 0: none
    bool exactFive = false;
};

// Chooses the moves. The board handed over always has a free cell.
class Player {
public:
    virtual ~Player() = default;
    // Why a board of this size cannot be played, or an empty string.
    virtual std::string refuseSize(int width, int height) const = 0;
    virtual void newGame() = 0;
    virtual void configure(const Settings& settings) = 0;
    // The move for "Own" on this board, as (x, y); the protocol checks it.
    virtual std::pair<int, int> choose(const Board& board, const Settings& settings) = 0;
    // One line about the last choice (depth, score, nodes, time), or empty.
    virtual std::string report() const = 0;
};

class Protocol {
public:
    Protocol(Player& player, std::ostream& out, std::string about);

    // Handles one input line (without its end of line; a CR at its end is ignored). Returns false
    // when the manager said END.
    bool handle(std::string_view line);

private:
    // What the next line is: a command, or a line of BOARD, YXBLOCK or YXBLOCKUNDO before DONE.
    enum class Mode { Command, BoardLines, Block, Unblock };

    void command(std::string_view name, std::string_view rest);
    void start(int width, int height);
    void answerMove();
    void finishBoard();
    void finishBlock(bool add);
    void info(std::string_view rest);
    void applyWalls();

    Player& player_;
    std::ostream& out_;
    std::string about_;
    Mode mode_ = Mode::Command;
    Board board_;
    Settings settings_;
    // The blocked cells, kept across RESTART and START until YXBLOCKRESET.
    std::vector<std::pair<int, int>> walls_;
    // The lines of a BOARD or YXBLOCK command not yet ended by DONE, and the first error in them.
    std::vector<std::pair<std::pair<int, int>, int>> pending_;
    std::string pendingError_;
};

}  // namespace pbrain
