// The computer's turn: a fixed order of searches, from the most urgent to the least, each run
// only at the levels that allow it, until one places a point; then the fallback.
#include <array>

#include "computer/computer.h"

namespace cinq {

namespace {

enum class Search { ExtendOwn, BlockHuman, ClosedThree, Fallback };

// Whether a step runs at a level setting. The point counts are those of the computer in the
// current game.
enum class Gate { Never, Always, SixPoints, EightPoints };

struct Step {
    Search search;
    int length;                   // for the look-arounds
    std::array<Gate, 3> atLevel;  // by tableColumn()
};

constexpr Gate kNo = Gate::Never;
constexpr Gate kYes = Gate::Always;
constexpr Gate kSix = Gate::SixPoints;
constexpr Gate kEight = Gate::EightPoints;

// Complete five before blocking the human's four, extend three before blocking the human's
// three; the stronger levels try the closed three earlier.
// clang-format off
constexpr std::array<Step, 10> kSteps{{
    //                                    level 0  level 1  level 2
    /*  1 */ {Search::ExtendOwn,   4,    {kYes,    kYes,    kYes}},
    /*  2 */ {Search::BlockHuman,  4,    {kYes,    kYes,    kYes}},
    /*  3 */ {Search::ExtendOwn,   3,    {kYes,    kYes,    kYes}},
    /*  4 */ {Search::ClosedThree, 0,    {kNo,     kNo,     kEight}},
    /*  5 */ {Search::BlockHuman,  3,    {kYes,    kYes,    kYes}},
    /*  6 */ {Search::ExtendOwn,   2,    {kYes,    kYes,    kYes}},
    /*  7 */ {Search::ClosedThree, 0,    {kNo,     kSix,    kSix}},
    /*  8 */ {Search::ExtendOwn,   1,    {kYes,    kYes,    kYes}},
    /*  9 */ {Search::ClosedThree, 0,    {kYes,    kYes,    kYes}},
    /* 10 */ {Search::Fallback,    0,    {kYes,    kYes,    kYes}},
}};
// clang-format on

// Where a fallback probe starts from.
enum class From { NewestHumanPoint, ExtentRight, ExtentLeft, ExtentBottom, ExtentTop };
// What a probe's cell must be for the probe to play it.
enum class Test { FreeAndPlayable, Free };

struct Probe {
    From from;
    int offset;
    Test test;
};

// The fallback probes in order: the eight neighbours of the human's newest point, then one step
// beyond each extent of the game. The first probe whose test holds is played, accepted or not.
// clang-format off
constexpr std::array<Probe, 12> kFallbackProbes{{
    /*  1 */ {From::NewestHumanPoint, +1,  Test::FreeAndPlayable},
    /*  2 */ {From::NewestHumanPoint, -1,  Test::FreeAndPlayable},
    /*  3 */ {From::NewestHumanPoint, -35, Test::FreeAndPlayable},
    /*  4 */ {From::NewestHumanPoint, +35, Test::FreeAndPlayable},
    /*  5 */ {From::NewestHumanPoint, -36, Test::FreeAndPlayable},
    /*  6 */ {From::NewestHumanPoint, +36, Test::FreeAndPlayable},
    /*  7 */ {From::NewestHumanPoint, +34, Test::FreeAndPlayable},
    /*  8 */ {From::NewestHumanPoint, -34, Test::FreeAndPlayable},
    /*  9 */ {From::ExtentRight,      +1,  Test::FreeAndPlayable},
    /* 10 */ {From::ExtentLeft,       -1,  Test::Free},
    /* 11 */ {From::ExtentBottom,     +35, Test::Free},
    /* 12 */ {From::ExtentTop,        -35, Test::Free},
}};
// clang-format on

// The index a probe starts from, or none while the extent it reads still holds its reset value.
std::optional<int> probeOrigin(From from, int newestHumanPoint, const Extent& extent) {
    switch (from) {
        case From::NewestHumanPoint: return newestHumanPoint;
        case From::ExtentRight: return extent.rightPoint();
        case From::ExtentLeft: return extent.leftPoint();
        case From::ExtentBottom: return extent.bottomPoint();
        case From::ExtentTop: return extent.topPoint();
    }
    return std::nullopt;
}

bool passes(const Board& board, int cell, Test test) {
    return isFree(board, cell) && (test == Test::Free || board.isPlayable(cell));
}

// The column of the step table that a level plays; setting 3 plays that of setting 2 when the
// engine's cell is refused.
std::size_t tableColumn(Level level) {
    switch (level) {
        case Level::Initiation: return 0;
        case Level::One: return 1;
        case Level::Two:
        case Level::Three: return 2;
    }
    return 0;
}

bool gateOpen(Gate gate, const ComputerTurn& turn) {
    const MoveList& moves = turn.computerMoves();
    switch (gate) {
        case Gate::Never: return false;
        case Gate::Always: return true;
        // The count and the list agree, so each test amounts to "at least that many points".
        case Gate::SixPoints: return turn.computerMoveCount() >= 6 && moves(6) != 0;
        case Gate::EightPoints: return turn.computerMoveCount() >= 6 && moves(8) != 0;
    }
    return false;
}

}  // namespace

void Computer::chooseComputerMove(ComputerTurn& turn) {
    if (turn.level() == Level::Three) {
        const int cell = engine_.choose(turn);
        if (cell >= 0 && turn.propose(cell)) {
            return;
        }
    }
    const std::size_t column = tableColumn(turn.level());
    for (const Step& step : kSteps) {
        // A point already placed this turn (a new match opened inside the human's click) ends
        // the turn before any search runs, so no die is drawn for it.
        if (turn.hasPlayed()) {
            return;
        }
        if (!gateOpen(step.atLevel[column], turn)) {
            continue;
        }
        switch (step.search) {
            case Search::ExtendOwn: extendFromEachComputerPoint(turn, step.length); break;
            case Search::BlockHuman: blockFromEachHumanPoint(turn, step.length); break;
            case Search::ClosedThree: extendClosedThree(turn); break;
            case Search::Fallback: playFallback(turn); break;
        }
    }
}

void Computer::extendFromEachComputerPoint(ComputerTurn& turn, int n) {
    const MoveList& moves = turn.computerMoves();
    for (int k = moves.size(); k >= 1; --k) {
        extendAlignment(turn, moves(k), n);
        if (turn.hasPlayed()) {
            return;
        }
    }
}

void Computer::blockFromEachHumanPoint(ComputerTurn& turn, int n) {
    const MoveList& moves = turn.humanMoves();
    for (int k = turn.humanCount(); k >= 1; --k) {
        blockAlignment(turn, moves(k), n);
        if (turn.hasPlayed()) {
            return;
        }
    }
}

void Computer::playFallback(ComputerTurn& turn) {
    const int humanCount = turn.humanCount();
    if (humanCount < 1) {
        return;
    }
    const Board& board = turn.board();
    const int h = turn.humanMoves()(humanCount);
    for (const Probe& probe : kFallbackProbes) {
        const std::optional<int> origin = probeOrigin(probe.from, h, turn.extent());
        // An extent that no point has set gives no intersection: the probe fails.
        if (!origin || !isSlot(*origin + probe.offset)) {
            continue;
        }
        const int cell = *origin + probe.offset;
        if (passes(board, cell, probe.test)) {
            turn.propose(cell);
            return;
        }
    }
}

}  // namespace cinq
