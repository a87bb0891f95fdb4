// The closed three: three red points in a line that a green point closes at one end. The
// computer plays the fourth point at the open end.
#include <algorithm>
#include <array>

#include "computer/computer.h"

namespace cinq {

namespace {

// One pattern around an anchor x; every offset is added to x as it stands. It matches when its
// red, free and green cells hold and, where given, the cell `playableToMatch` is playable. A
// matching pattern plays its cell `plays` only when the cell `further`, where given, is playable
// and not green.
struct ClosedThree {
    Offsets red;
    Offsets free;
    Offsets green;
    std::optional<int> playableToMatch;
    std::optional<int> further;
    int plays = 0;

    bool matches(const Board& board, int x) const {
        const auto all = [&](const Offsets& cells, bool (*test)(const Board&, int)) {
            return std::ranges::all_of(cells, [&](int k) { return test(board, x + k); });
        };
        return all(red, isRed) && all(free, isFree) && all(green, isGreen) &&
               (!playableToMatch || board.isPlayable(x + *playableToMatch));
    }
    bool furtherHolds(const Board& board, int x) const {
        return !further || (board.isPlayable(x + *further) && !isGreen(board, x + *further));
    }
};

// The patterns in the order they are tried; the first that matches decides for its anchor.
// clang-format off
constexpr std::array<ClosedThree, 15> kClosedThrees{{
    //        red at            free at         green at  playable  further  plays
    /*  1 */ {{0, 1, 2},       {-1, -2},       {3},      {},       -2,      -1},    // row
    /*  2 */ {{0, -1, -2},     {1, 2},         {-3},     {},       2,       1},
    /*  3 */ {{0, -1, -2},     {-3},           {1},      -4,       {},      -3},
    /*  4 */ {{0, 35, 70},     {-35, -70},     {105},    {},       -70,     -35},   // column
    /*  5 */ {{0, 35, 70},     {105},          {-35},    140,      {},      105},
    /*  6 */ {{0, -35, -70},   {35, 70},       {-105},   {},       70,      35},
    /*  7 */ {{0, -35, -70},   {-105},         {35},     -140,     {},      -105},
    /*  8 */ {{0, 36, 72},     {-36, -72},     {108},    {},       -72,     -36},   // diagonal 36
    /*  9 */ {{0, 36, 72},     {108},          {-36},    {},       144,     108},
    /* 10 */ {{0, -36, -72},   {36, 72},       {-108},   {},       72,      36},
    /* 11 */ {{0, -36, -72},   {-108},         {36},     {},       -144,    -108},
    /* 12 */ {{0, 34, 68},     {-34, -68},     {102},    {},       -68,     -34},   // diagonal 34
    /* 13 */ {{0, 34, 68},     {102, 136},     {-34},    {},       136,     102},
    /* 14 */ {{0, -34, -68},   {34, 68},       {-102},   {},       68,      34},
    /* 15 */ {{0, -34, -68},   {-102, -136},   {34},     {},       -136,    -102},
}};
// clang-format on

// The computer's third point: with fewer, there is no three to extend.
constexpr int kThirdPoint = 3;

}  // namespace

void Computer::extendClosedThree(ComputerTurn& turn) {
    const MoveList& computerMoves = turn.computerMoves();
    const Board& board = turn.board();
    if (computerMoves(kThirdPoint) == 0) {
        return;
    }
    // The anchors start one entry below the human's count: in a game the computer opened, its
    // newest point is not an anchor.
    for (int k = turn.humanCount() - 1; k >= 1; --k) {
        const int x = computerMoves(k);
        // An empty entry is no point; offsets from it would leave the board.
        if (x == 0) {
            continue;
        }
        const auto* const pattern = std::ranges::find_if(
            kClosedThrees, [&](const ClosedThree& p) { return p.matches(board, x); });
        // A failed further condition drops the anchor: no later pattern is tried for it.
        if (pattern == kClosedThrees.end() || !pattern->furtherHolds(board, x)) {
            continue;
        }
        turn.propose(x + pattern->plays);
        if (turn.hasPlayed()) {
            return;
        }
    }
}

}  // namespace cinq
