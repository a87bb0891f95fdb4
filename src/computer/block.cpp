// Blocking the human's lines: from one of the human's points, the tables of patterns of green
// points, empty cells and red points that the computer blocks before they reach five.
#include "computer/computer.h"

namespace cinq {

namespace {

// n = 4, row 1: a four open at both ends. The die picks the end to block; when that end cannot
// be played, the other one is.
std::optional<int> openFour(const Line& line, int roll) {
    if (roll >= 4) {
        return line.playable(4) ? 4 : -1;
    }
    return line.playable(-1) ? -1 : 4;
}

// n = 4, row 2: a four whose near end is already shut (a red point, a closed intersection or the
// edge of the sheet): block the far end. With the near end open, nothing.
std::optional<int> fourShutBehind(const Line& line, int /*roll*/) {
    if (line.red(-1) || line.closed(-1) || !line.playable(-1)) {
        return 4;
    }
    return std::nullopt;
}

// n = 3, row 1: three starting at p, open at both ends; when both ends can be played the die
// picks one.
std::optional<int> openThreeAhead(const Line& line, int roll) {
    return dieIfBothPlayable(line, roll, 3, -1);
}

// n = 3, row 3: three ending at p, open at both ends; when both ends can be played the die picks
// one.
std::optional<int> openThreeBehind(const Line& line, int roll) {
    return dieIfBothPlayable(line, roll, -3, 1);
}

// Four green points, p included: take the fifth.
// clang-format off
constexpr LineRow kBlockFour[] = {
    /* 1 */ {.green = {1, 2, 3}, .empty = {4, -1},                       .action = openFour},
    /* 2 */ {.green = {1, 2, 3}, .empty = {4},                           .action = fourShutBehind},
    /* 3 */ {.red = {4}, .green = {1, 2, 3}, .empty = {-1},              .action = play<-1>},
    /* 4 */ {.green = {1, 2, 3}, .empty = {-1}, .notPlayable = {4},      .action = play<-1>},
    /* 5 */ {.green = {1, 2, 4}, .empty = {3}, .rolls = kThreeToSix,     .action = play<3>},
    /* 6 */ {.green = {-1, -2, -4}, .empty = {-3}, .rolls = kThreeToSix, .action = play<-3>},
    /* 7 */ {.green = {1, 3, 4}, .empty = {2}, .rolls = kOneToThree,     .action = play<2>},
};

// Three green points, p included: block an end of an open three or the gap of a split one.
constexpr LineRow kBlockThree[] = {
    /* 1 */ {.green = {1, 2}, .empty = {-1, 3},                          .action = openThreeAhead},
    /* 2 */ {.green = {1, 3}, .empty = {2, -1, 4}, .rolls = kThreeToSix, .action = play<2>},
    /* 3 */ {.green = {-1, -2}, .empty = {1, -3, -4, 2},                 .action = openThreeBehind},
    /* 4 */ {.green = {-1, -3}, .empty = {-2, 1, -4},                    .action = play<-2>},
};
// clang-format on

}  // namespace

void Computer::blockAlignment(ComputerTurn& turn, int p, int n) {
    const int roll = die_.roll();
    switch (n) {
        case 4: lookAround(turn, p, roll, kBlockFour); break;
        case 3: lookAround(turn, p, roll, kBlockThree); break;
        default: break;
    }
}

}  // namespace cinq
