// Extending the computer's own lines: from one of its points, the tables of patterns of red
// points, empty cells and green points that lengthen a line of n to n + 1.
#include "computer/computer.h"

namespace cinq {

namespace {

// n = 4, row 1: a four open at both ends; the die picks the end, but only when both ends can be
// played.
std::optional<int> openFour(const Line& line, int roll) {
    return dieIfBothPlayable(line, roll, 4, -1);
}

// n = 3, row 1: three open at both ends. The cells one beyond the ends decide: when both are
// playable the die picks the end, otherwise the end away from the one that is not.
std::optional<int> openThreeAhead(const Line& line, int roll) {
    if (line.playable(4) && line.playable(-2)) {
        return roll >= 4 ? 3 : -1;
    }
    if (!line.playable(4)) {
        return -1;
    }
    return 3;
}

// n = 3, row 2: three ending at p, open at both ends. The ends and the two other red points must
// all be playable; then the die picks the end.
std::optional<int> openThreeBehind(const Line& line, int roll) {
    if (!line.playable(-2) || !line.playable(-1)) {
        return std::nullopt;
    }
    return dieIfBothPlayable(line, roll, -3, 1);
}

// n = 2, row 1: red at p and +2 with the gap free; the other red point must be playable.
std::optional<int> splitTwo(const Line& line, int /*roll*/) {
    if (!line.playable(2)) {
        return std::nullopt;
    }
    return 1;
}

// n = 2, row 2: two open at both ends. Only when both cells one beyond the ends are empty and
// playable does the die pick the end.
std::optional<int> openTwo(const Line& line, int roll) {
    const bool beyondOpen =
        line.empty(-2) && line.empty(3) && line.playable(-2) && line.playable(3);
    if (!beyondOpen) {
        return std::nullopt;
    }
    return roll >= 4 ? 2 : -1;
}

// n = 1: the die picks a side.
std::optional<int> loneOne(const Line& /*line*/, int roll) {
    return roll >= 4 ? 1 : -1;
}

// Four red points, p included: play the fifth.
// clang-format off
constexpr LineRow kExtendFour[] = {
    /*  1 */ {.red = {1, 2, 3}, .empty = {4, -1},                         .action = openFour},
    /*  2 */ {.red = {1, 2, 3}, .green = {-1}, .empty = {4},              .action = play<4>},
    /*  3 */ {.red = {1, 2, 3}, .green = {4}, .empty = {-1},              .action = play<-1>},
    /*  4 */ {.red = {-1, -2, -3}, .empty = {1}, .notPlayable = {-4},     .action = play<1>},
    /*  5 */ {.red = {-1, -2, -3}, .green = {-4}, .empty = {1},           .action = play<1>},
    /*  6 */ {.red = {-1, -2, -3}, .empty = {-4}, .notPlayable = {1},     .action = play<-4>},
    /*  7 */ {.red = {-1, -2, -3}, .green = {1}, .empty = {-4},           .action = play<-4>},
    /*  8 */ {.red = {1, 2, 4}, .empty = {3}, .rolls = kFourToSix,        .action = play<3>},
    /*  9 */ {.red = {-1, -2, -4}, .empty = {-3}, .rolls = kFourToSix,    .action = play<-3>},
    /* 10 */ {.red = {-2, -3, -4}, .empty = {-1}, .rolls = kFourToSix,    .action = play<-1>},
    /* 11 */ {.red = {1, 3, 4}, .empty = {2}, .rolls = kFourToSix,        .action = play<2>},
};

// Three red points, p included: play the fourth.
constexpr LineRow kExtendThree[] = {
    /* 1 */ {.red = {1, 2}, .empty = {3, -1},                            .action = openThreeAhead},
    /* 2 */ {.red = {-1, -2}, .empty = {-3, 1},                          .action = openThreeBehind},
    /* 3 */ {.red = {1, 3}, .empty = {2, -1, 4}, .rolls = kFourToSix,    .action = play<2>},
    /* 4 */ {.red = {-1, -3}, .empty = {-2, 1, -4}, .rolls = kFourToSix, .action = play<-2>},
    /* 5 */ {.red = {-2, -3}, .empty = {-1, -4, 1}, .rolls = kFourToSix, .action = play<-1>},
    /* 6 */ {.red = {2, 3}, .empty = {1, 4, -1}, .rolls = kFourToSix,    .action = play<1>},
};

// Two red points, p included: play the third.
constexpr LineRow kExtendTwo[] = {
    /* 1 */ {.red = {2}, .empty = {1, 3, -1},                            .action = splitTwo},
    /* 2 */ {.red = {1}, .empty = {2, -1}, .emptyAtLeastOne = {3, -2},   .action = openTwo},
};

// A lone red point: play a second beside it.
constexpr LineRow kExtendOne[] = {
    /* 1 */ {.empty = {1, -1, 2, -2},                                    .action = loneOne},
};
// clang-format on

}  // namespace

void Computer::extendAlignment(ComputerTurn& turn, int p, int n) {
    const int roll = die_.roll();
    switch (n) {
        case 4: lookAround(turn, p, roll, kExtendFour); break;
        case 3: lookAround(turn, p, roll, kExtendThree); break;
        case 2: lookAround(turn, p, roll, kExtendTwo); break;
        case 1: lookAround(turn, p, roll, kExtendOne); break;
        default: break;
    }
}

}  // namespace cinq
