#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

#include "board/computer_turn.h"

namespace engine {
class Search;
}

namespace cinq {

// How long the engine may think over one turn at setting 3: a clock, or a node limit instead,
// under which the same sheet always gives the same point.
struct EngineBudget {
    int milliseconds = 100;
    std::uint64_t nodes = 0;  // when not 0, the limit, and the clock is not read

    static constexpr EngineBudget clock(int milliseconds) { return {milliseconds, 0}; }
    static constexpr EngineBudget nodeLimit(std::uint64_t nodes) { return {0, nodes}; }
};

// The game's budget: a tenth of a second leaves room for the paint within the reply time allowed,
// on a loaded machine too. The scripted tools' node limit searches about as deep (depth 6) in a
// fraction of that time.
inline constexpr EngineBudget kGameBudget = EngineBudget::clock(100);
inline constexpr EngineBudget kScriptedBudget = EngineBudget::nodeLimit(20000);

// The computer's choice at setting 3: the engine searches the sheet as it stands, with player 1's
// points and its own points of the current game as stones, and every intersection that is not
// playable (closed, off the sheet, or holding a finished game's point) as a wall. Its table is
// allocated at its first turn and kept until it is destroyed; it is cleared when stones have gone
// (a new game, a new sheet).
class EnginePlayer {
public:
    explicit EnginePlayer(EngineBudget budget);
    ~EnginePlayer();
    EnginePlayer(const EnginePlayer&) = delete;
    EnginePlayer& operator=(const EnginePlayer&) = delete;

    // The intersection the engine plays for the computer, or -1 when no intersection is free.
    int choose(const ComputerTurn& turn);
    // The intersection the engine plays for the side of `colour` (green is player 1) on the
    // sheet as it stands, the same reading of it, or -1 when no intersection is free.
    int choose(const Board& board, PointColour colour);

    // Whether the engine's table has been allocated (the first turn at setting 3 has come).
    bool allocated() const { return search_ != nullptr; }

    // The engine's board: the largest sheet, column 2 and row 2 of the sheet at its origin.
    static constexpr int kWidth = 28;
    static constexpr int kHeight = 20;
    static constexpr std::size_t kCellCount = std::size_t{kWidth} * std::size_t{kHeight};
    // The size of the engine's transposition table.
    static constexpr std::size_t kTableBytes = std::size_t{16} << 20U;

private:
    EngineBudget budget_;
    std::unique_ptr<engine::Search> search_;
    int stones_ = 0;  // the number of stones of the last search
};

}  // namespace cinq
