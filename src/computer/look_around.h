#pragma once

#include <array>
#include <cstddef>
#include <initializer_list>
#include <optional>

#include "board/board.h"

// The shape that the computer's look-arounds share: the cells along one direction from a point,
// the tests made on them, and a table row that holds or not and then proposes one cell.
namespace cinq {

// The cell tests of the computer's searches. Each reads one attribute of the intersection and
// nothing else: a colour test does not ask whether a point stands there (a slot without a point
// has the neutral colour), and points of finished games keep their colours.
inline bool isRed(const Board& board, int i) {
    return board.colour(i) == PointColour::Red;
}
inline bool isGreen(const Board& board, int i) {
    return board.colour(i) == PointColour::Green;
}
inline bool isFree(const Board& board, int i) {
    return !board.hasPoint(i);
}

// The cells along one direction from a point p: cell k is p + k × step. The index is computed
// without any row or column check; the off-sheet columns at both ends of every row stop a line
// that runs over the end of a row, and every cell within four steps of the sheet is a slot.
class Line {
public:
    Line(const Board& board, int p, int step) : board_(board), p_(p), step_(step) {}

    int cell(int k) const { return p_ + k * step_; }
    bool red(int k) const { return isRed(board_, cell(k)); }
    bool green(int k) const { return isGreen(board_, cell(k)); }
    bool empty(int k) const { return isFree(board_, cell(k)); }
    bool playable(int k) const { return board_.isPlayable(cell(k)); }
    bool closed(int k) const { return board_.isClosed(cell(k)); }

private:
    const Board& board_;
    int p_;
    int step_;
};

// Up to four offsets of cells, written as a braced list in the tables.
class Offsets {
public:
    static constexpr std::size_t kCapacity = 4;

    constexpr Offsets() = default;
    constexpr Offsets(std::initializer_list<int> offsets) {
        for (const int k : offsets) {
            offsets_.at(size_++) = k;
        }
    }
    constexpr const int* begin() const { return offsets_.data(); }
    constexpr const int* end() const { return offsets_.data() + size_; }
    constexpr bool empty() const { return size_ == 0; }

private:
    std::array<int, kCapacity> offsets_{};
    std::size_t size_ = 0;
};

// The rolls of the die for which a row holds.
struct Rolls {
    int low = 1;
    int high = 6;
    constexpr bool admit(int roll) const { return roll >= low && roll <= high; }
};
inline constexpr Rolls kAnyRoll{1, 6};
inline constexpr Rolls kThreeToSix{3, 6};
inline constexpr Rolls kFourToSix{4, 6};
inline constexpr Rolls kOneToThree{1, 3};

// What a row does once it holds: the offset of the cell to propose, or nothing.
using RowAction = std::optional<int> (*)(const Line& line, int roll);

// A row that always proposes cell k.
template <int k>
std::optional<int> play(const Line& /*line*/, int /*roll*/) {
    return k;
}

// Proposes `onHigh` on a roll of 4 or more and `onLow` otherwise, but only when both cells are
// playable; otherwise nothing.
std::optional<int> dieIfBothPlayable(const Line& line, int roll, int onHigh, int onLow);

// One row of a look-around table. It holds when every cell test and the roll hold; the action
// then decides which cell, if any, is proposed.
struct LineRow {
    Offsets red{};
    Offsets green{};
    Offsets empty{};
    Offsets notPlayable{};
    Offsets emptyAtLeastOne{};  // at least one of these cells is empty
    Rolls rolls = kAnyRoll;
    RowAction action = nullptr;

    bool holds(const Line& line, int roll) const;
};

}  // namespace cinq
