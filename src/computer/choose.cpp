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
    std::array<Gate, 3> atLevel;  // level settings 0, 1 and 2
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

// The values the extent indices take when a game is reset; no point has set them yet.
constexpr int kUnsetTopLeftIndex = 9000;
constexpr int kUnsetBottomRightIndex = 0;

// The index a probe starts from, or none while the extent it reads still holds its reset value.
std::optional<int> probeOrigin(From from, int newestHumanPoint, const Extent& extent) {
    const auto set = [](int index, int unset) {
        return index == unset ? std::nullopt : std::optional(index);
    };
    switch (from) {
        case From::NewestHumanPoint: return newestHumanPoint;
        case From::ExtentRight: return set(extent.rightIndex, kUnsetBottomRightIndex);
        case From::ExtentLeft: return set(extent.leftIndex, kUnsetTopLeftIndex);
        case From::ExtentBottom: return set(extent.bottomIndex, kUnsetBottomRightIndex);
        case From::ExtentTop: return set(extent.topIndex, kUnsetTopLeftIndex);
    }
    return std::nullopt;
}

bool passes(const Board& board, int cell, Test test) {
    return isFree(board, cell) && (test == Test::Free || board.isPlayable(cell));
}

// Only the level settings 1 and 2 are told apart; any other value plays as 0.
std::size_t levelColumn(int levelSetting) {
    return levelSetting == 1 || levelSetting == 2 ? static_cast<std::size_t>(levelSetting) : 0;
}

bool gateOpen(Gate gate, const GameState& state) {
    switch (gate) {
        case Gate::Never: return false;
        case Gate::Always: return true;
        // The count and the list agree, so each test amounts to "at least that many points".
        case Gate::SixPoints: return state.computerMoveCount >= 6 && state.computerMoves(6) != 0;
        case Gate::EightPoints: return state.computerMoveCount >= 6 && state.computerMoves(8) != 0;
    }
    return false;
}

}  // namespace

void Computer::chooseComputerMove(int humanCount) {
    const std::size_t level = levelColumn(game_.levelSetting());
    for (const Step& step : kSteps) {
        if (!gateOpen(step.atLevel[level], game_.state())) {
            continue;
        }
        switch (step.search) {
            case Search::ExtendOwn: extendFromEachComputerPoint(step.length); break;
            case Search::BlockHuman: blockFromEachHumanPoint(humanCount, step.length); break;
            case Search::ClosedThree: extendClosedThree(humanCount); break;
            case Search::Fallback: playFallback(humanCount); break;
        }
        if (hasPlayed()) {
            return;
        }
    }
}

void Computer::extendFromEachComputerPoint(int n) {
    const MoveList& moves = game_.state().computerMoves;
    for (int k = moves.size(); k >= 1; --k) {
        extendAlignment(moves(k), n);
        if (hasPlayed()) {
            return;
        }
    }
}

void Computer::blockFromEachHumanPoint(int humanCount, int n) {
    const MoveList& moves = game_.state().humanMoves;
    for (int k = humanCount; k >= 1; --k) {
        blockAlignment(moves(k), n);
        if (hasPlayed()) {
            return;
        }
    }
}

void Computer::playFallback(int humanCount) {
    if (humanCount < 1) {
        return;
    }
    const GameState& state = game_.state();
    const Board& board = game_.board();
    const int h = state.humanMoves(humanCount);
    for (const Probe& probe : kFallbackProbes) {
        const std::optional<int> origin = probeOrigin(probe.from, h, state.extent);
        // An extent that no point has set gives no intersection: the probe fails.
        if (!origin || !isSlot(*origin + probe.offset)) {
            continue;
        }
        const int cell = *origin + probe.offset;
        if (passes(board, cell, probe.test)) {
            playComputerPoint(cell);
            return;
        }
    }
}

}  // namespace cinq
