#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "engine/line_patterns.h"
#include "engine/types.h"

// A board of up to 32 x 32 cells, each empty, black, white or a wall, with what every empty cell
// would make for each side kept up to date on every move: the four line patterns, the threat and
// the score. Cells are indices into a padded array (cell()), so that neighbours five steps past
// the edge are walls and need no bounds test.
namespace engine {

class Position {
public:
    Position(int width, int height, Rule rule = Rule::Freestyle);

    int width() const { return width_; }
    int height() const { return height_; }
    Rule rule() const { return rule_; }

    static constexpr int cell(int x, int y) { return (y + kPad) * kStride + x + kPad; }
    static constexpr int xOf(int cell) { return cell % kStride - kPad; }
    static constexpr int yOf(int cell) { return cell / kStride - kPad; }
    bool contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }

    Stone at(int cell) const { return stones_[static_cast<std::size_t>(cell)]; }
    bool isEmpty(int cell) const { return at(cell) == Stone::Empty; }

    // Set-up: a wall on an empty cell, or taken away again; a stone of either side. A stone placed
    // this way is a move like any other for undo(), but the side to move stays as it is. The
    // hash holds the walls, the stones and the side to move.
    void setWall(int cell);
    void clearWall(int cell);
    void place(int cell, Side side);

    // A stone of the side to move, which then passes to the other side; undo() takes back the last
    // stone, played or placed.
    void play(int cell);
    void undo();

    Side toMove() const { return toMove_; }
    void setToMove(Side side);
    int stoneCount() const { return static_cast<int>(moves_.size()); }
    int lastMove() const { return moves_.empty() ? kNoCell : moves_.back().cell; }
    std::uint64_t hash() const { return hash_; }

    Pattern pattern(Side side, int cell, int direction) const {
        return lines_->pattern(
            keys_[static_cast<std::size_t>(direction)][static_cast<std::size_t>(cell)], side);
    }
    Threat threat(Side side, int cell) const { return value(side, cell).threat; }
    int score(Side side, int cell) const { return value(side, cell).score; }
    // The sum of the scores of every empty cell, for one side.
    int scoreSum(Side side) const { return scoreSums_[static_cast<std::size_t>(index(side))]; }
    // How many empty cells make at least `threat` for `side`.
    int threatCount(Side side, Threat threat) const;
    // An empty cell where `side` makes five, or kNoCell.
    int fivePoint(Side side) const;

    // Calls f(cell) for every empty cell where `side` makes at least an open three.
    template <typename F>
    void forEachThreat(Side side, F&& f) const {
        const auto& bits = threatBits_[static_cast<std::size_t>(index(side))];
        for (std::size_t word = 0; word < bits.size(); ++word) {
            for (std::uint64_t w = bits[word]; w != 0; w &= w - 1)
                f(static_cast<int>(word * 64 + static_cast<std::size_t>(__builtin_ctzll(w))));
        }
    }

    // Calls f(cell) for every empty cell within two cells of a stone (in a 5 x 5 square).
    template <typename F>
    void forEachNearCell(F&& f) const {
        const Box& box = boxes_.back();
        for (int y = box.top; y <= box.bottom; ++y) {
            for (int c = cell(box.left, y); c <= cell(box.right, y); ++c) {
                if (near_[static_cast<std::size_t>(c)] != 0 && isEmpty(c))
                    f(c);
            }
        }
    }

    // The empty cells where `defender` can stop the open fours that `attacker` could make: each
    // cell such that, with a defender's stone on it, the attacker has no open-four point left.
    void defences(Side attacker, std::vector<int>& out) const;

private:
    struct Move {
        int cell;
        Side side;
        Side toMoveBefore;
    };
    struct Box {
        int left, top, right, bottom;
    };

    const CellValue& value(Side side, int cell) const {
        return values_[static_cast<std::size_t>(index(side))][static_cast<std::size_t>(cell)];
    }
    void setStone(int cell, Stone stone);
    void refresh(int cell);
    // Whether `point` still makes an open four for `attacker` with a defender's stone on `stone`.
    bool stillOpenFour(Side attacker, int point, int stone) const;
    void refreshDirection(int cell, std::size_t direction);
    void forget(int cell);
    void setValue(Side side, int cell, CellValue value);

    int width_;
    int height_;
    Rule rule_;
    const LineTable* lines_;
    // How far a stone changes the patterns along a line: five or more never looks past the
    // fourth cell, exactly five looks one further for a sixth stone.
    int reach_;
    const ThreatTable* threats_;
    Side toMove_ = Side::Black;
    std::uint64_t hash_ = 0;
    std::array<Stone, kCells> stones_{};
    std::array<std::array<std::uint32_t, kCells>, 4> keys_{};
    std::array<std::array<CellValue, kCells>, 2> values_{};
    // The four patterns of every empty cell per side, as ThreatTable::patternsKey().
    std::array<std::array<std::uint16_t, kCells>, 2> patterns_{};
    std::array<std::array<std::uint64_t, (kCells + 63) / 64>, 2> threatBits_{};
    std::array<std::array<int, kThreatCount>, 2> threatCounts_{};
    std::array<int, 2> scoreSums_{};
    std::array<std::uint8_t, kCells> near_{};
    std::vector<Move> moves_;
    std::vector<Box> boxes_;
};

}  // namespace engine
