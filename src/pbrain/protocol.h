#pragma once

#include <cstdint>
#include <iosfwd>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// The Gomocup ("pbrain") protocol, line by line: a manager sends commands on standard input and
// reads the answers on standard output. The protocol keeps the board; a Player chooses the moves.
namespace pbrain {

// The board as the protocol knows it: x across from 0, y down from 0.
struct Board {
    enum Cell : std::uint8_t { Empty = 0, Own = 1, Opponent = 2, Wall = 3 };

    int width = 0;
    int height = 0;
    std::vector<Cell> cells;
    // The stones in the order they came, as (x, y); TAKEBACK takes back the last one.
    std::vector<std::pair<int, int>> moves;

    void reset(int w, int h);
    bool contains(int x, int y) const { return x >= 0 && y >= 0 && x < width && y < height; }
    Cell at(int x, int y) const { return cells[offset(x, y)]; }
    void set(int x, int y, Cell cell) { cells[offset(x, y)] = cell; }

private:
    std::size_t offset(int x, int y) const {
        return static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
               static_cast<std::size_t>(x);
    }
};

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
    enum class Mode { Command, Board, Block, Unblock };

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
