#include "engine/position.h"

#include <algorithm>
#include <cassert>

namespace engine {
namespace {

std::size_t ix(int i) {
    return static_cast<std::size_t>(i);
}

// Fixed random numbers per cell and side (splitmix64 from a fixed seed), one for the side to
// move and one per cell for a wall, so that hashes are the same on every run. The walls' numbers
// come last: a board without walls hashes as it did before walls had numbers.
struct Zobrist {
    std::array<std::array<std::uint64_t, kCells>, 2> stones{};
    std::uint64_t whiteToMove = 0;
    std::array<std::uint64_t, kCells> walls{};

    Zobrist() {
        std::uint64_t state = 0x243F6A8885A308D3ULL;
        const auto next = [&state] {
            std::uint64_t z = (state += 0x9E3779B97F4A7C15ULL);
            z = (z ^ (z >> 30U)) * 0xBF58476D1CE4E5B9ULL;
            z = (z ^ (z >> 27U)) * 0x94D049BB133111EBULL;
            return z ^ (z >> 31U);
        };
        for (auto& side : stones) {
            for (auto& value : side)
                value = next();
        }
        whiteToMove = next();
        for (auto& value : walls)
            value = next();
    }
};

const Zobrist& zobrist() {
    static const Zobrist table;
    return table;
}

}  // namespace

Position::Position(int width, int height, Rule rule)
    : width_(std::clamp(width, 1, kMaxSide)),
      height_(std::clamp(height, 1, kMaxSide)),
      rule_(rule),
      lines_(&LineTable::get(rule)),
      reach_(rule == Rule::Freestyle ? kLineReach - 1 : kLineReach),
      threats_(&ThreatTable::get()) {
    stones_.fill(Stone::Wall);
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x)
            stones_[ix(cell(x, y))] = Stone::Empty;
    }
    for (int c = 0; c < kCells; ++c) {
        for (std::size_t d = 0; d < 4; ++d) {
            std::uint32_t key = 0;
            for (int distance = -kLineReach; distance <= kLineReach; ++distance) {
                if (distance == 0)
                    continue;
                const int n = c + distance * kDirections[d];
                const auto stone = n >= 0 && n < kCells ? stones_[ix(n)] : Stone::Wall;
                key |= static_cast<std::uint32_t>(stone) << keyShift(distance);
            }
            keys_[d][ix(c)] = key;
        }
    }
    for (int c = 0; c < kCells; ++c) {
        if (isEmpty(c))
            refresh(c);
    }
    boxes_.push_back({0, 0, -1, -1});
}

int Position::threatCount(Side side, Threat threat) const {
    const auto& counts = threatCounts_[ix(index(side))];
    int total = 0;
    for (auto t = static_cast<std::size_t>(threat); t < counts.size(); ++t)
        total += counts[t];
    return total;
}

int Position::fivePoint(Side side) const {
    if (threatCounts_[ix(index(side))][static_cast<std::size_t>(Threat::Five)] == 0)
        return kNoCell;
    int found = kNoCell;
    forEachThreat(side, [&](int c) {
        if (found == kNoCell && threat(side, c) == Threat::Five)
            found = c;
    });
    return found;
}

void Position::setValue(Side side, int cell, CellValue value) {
    const auto s = ix(index(side));
    CellValue& old = values_[s][ix(cell)];
    --threatCounts_[s][static_cast<std::size_t>(old.threat)];
    ++threatCounts_[s][static_cast<std::size_t>(value.threat)];
    scoreSums_[s] += value.score - old.score;
    auto& word = threatBits_[s][ix(cell) / 64];
    const std::uint64_t bit = 1ULL << (ix(cell) % 64);
    if (value.threat >= Threat::Three) {
        word |= bit;
    } else {
        word &= ~bit;
    }
    old = value;
}

void Position::refresh(int cell) {
    for (const Side side : {Side::Black, Side::White}) {
        const auto p = [&](std::size_t d) { return lines_->pattern(keys_[d][ix(cell)], side); };
        const auto key =
            static_cast<std::uint16_t>(ThreatTable::patternsKey(p(0), p(1), p(2), p(3)));
        patterns_[ix(index(side))][ix(cell)] = key;
        setValue(side, cell, threats_->value(key));
    }
}

void Position::refreshDirection(int cell, std::size_t direction) {
    const unsigned shift = 4 * static_cast<unsigned>(direction);
    const unsigned both = lines_->patterns(keys_[direction][ix(cell)]);
    for (std::size_t side = 0; side < 2; ++side) {
        auto& key = patterns_[side][ix(cell)];
        const unsigned pattern = side == 0 ? (both & 0xFU) : (both >> 4U);
        const auto updated =
            static_cast<std::uint16_t>((key & ~(0xFU << shift)) | pattern << shift);
        if (updated == key)
            continue;
        key = updated;
        setValue(side == 0 ? Side::Black : Side::White, cell, threats_->value(key));
    }
}

void Position::forget(int cell) {
    setValue(Side::Black, cell, {});
    setValue(Side::White, cell, {});
}

void Position::setStone(int cell, Stone stone) {
    assert(cell >= 0 && cell < kCells);
    const Stone before = stones_[ix(cell)];
    stones_[ix(cell)] = stone;
    if (stone != Stone::Empty) {
        forget(cell);
    }
    for (std::size_t d = 0; d < 4; ++d) {
        for (int distance = 1; distance <= reach_; ++distance) {
            for (const int sign : {-1, 1}) {
                const int n = cell + sign * distance * kDirections[d];
                // The cell lies -sign * distance steps from n.
                const int shift = keyShift(-sign * distance);
                auto& key = keys_[d][ix(n)];
                key = (key & ~(3U << shift)) | static_cast<std::uint32_t>(stone) << shift;
                if (isEmpty(n))
                    refreshDirection(n, d);
            }
        }
    }
    if (stone == Stone::Empty)
        refresh(cell);
    const bool stoneBefore = before == Stone::Black || before == Stone::White;
    const bool stoneAfter = stone == Stone::Black || stone == Stone::White;
    if (stoneBefore != stoneAfter) {
        const int step = stoneAfter ? 1 : -1;
        for (int dy = -2; dy <= 2; ++dy) {
            for (int dx = -2; dx <= 2; ++dx) {
                auto& n = near_[ix(cell + dy * kStride + dx)];
                n = static_cast<std::uint8_t>(n + step);
            }
        }
    }
}

void Position::setWall(int cell) {
    if (!isEmpty(cell))
        return;
    setStone(cell, Stone::Wall);
    hash_ ^= zobrist().walls[ix(cell)];
}

void Position::clearWall(int cell) {
    const int x = xOf(cell);
    const int y = yOf(cell);
    if (at(cell) != Stone::Wall || !contains(x, y))
        return;
    setStone(cell, Stone::Empty);
    hash_ ^= zobrist().walls[ix(cell)];
}

void Position::place(int cell, Side side) {
    assert(isEmpty(cell));
    setStone(cell, stoneOf(side));
    hash_ ^= zobrist().stones[ix(index(side))][ix(cell)];
    moves_.push_back({cell, side, toMove_});
    Box box = boxes_.back();
    const int x = xOf(cell);
    const int y = yOf(cell);
    if (box.left > box.right)
        box = {x, y, x, y};
    box = {std::max(0, std::min(box.left, x - 2)), std::max(0, std::min(box.top, y - 2)),
           std::min(width_ - 1, std::max(box.right, x + 2)),
           std::min(height_ - 1, std::max(box.bottom, y + 2))};
    boxes_.push_back(box);
}

void Position::play(int cell) {
    const Side mover = toMove_;
    place(cell, mover);
    setToMove(opponent(mover));
}

void Position::undo() {
    assert(!moves_.empty());
    const Move last = moves_.back();
    moves_.pop_back();
    boxes_.pop_back();
    setStone(last.cell, Stone::Empty);
    hash_ ^= zobrist().stones[ix(index(last.side))][ix(last.cell)];
    setToMove(last.toMoveBefore);
}

void Position::setToMove(Side side) {
    if (side != toMove_)
        hash_ ^= zobrist().whiteToMove;
    toMove_ = side;
}

// Where a cell lies from another along a line: its direction and signed distance, for the
// cells within kLineReach steps; direction -1 for every other cell.
struct LineOffset {
    int direction = -1;
    int distance = 0;
};

const std::array<LineOffset, 2 * kLineReach * kStride + 2 * kLineReach + 1>& lineOffsets() {
    static const auto table = [] {
        std::array<LineOffset, 2 * kLineReach * kStride + 2 * kLineReach + 1> offsets{};
        for (std::size_t d = 0; d < 4; ++d) {
            for (int distance = -kLineReach; distance <= kLineReach; ++distance) {
                if (distance == 0)
                    continue;
                const int delta = distance * kDirections[d];
                offsets[ix(delta + kLineReach * kStride + kLineReach)] = {static_cast<int>(d),
                                                                          distance};
            }
        }
        return offsets;
    }();
    return table;
}

bool Position::stillOpenFour(Side attacker, int point, int stone) const {
    if (point == stone)
        return false;
    const int delta = stone - point;
    const int biased = delta + kLineReach * kStride + kLineReach;
    if (biased < 0 || biased >= static_cast<int>(lineOffsets().size()))
        return true;
    const LineOffset offset = lineOffsets()[ix(biased)];
    if (offset.direction < 0)
        return true;
    const auto d = ix(offset.direction);
    const int shift = keyShift(offset.distance);
    const std::uint32_t key = (keys_[d][ix(point)] & ~(3U << shift)) |
                              static_cast<std::uint32_t>(stoneOf(opponent(attacker))) << shift;
    const unsigned nibble = 4 * static_cast<unsigned>(d);
    const unsigned patterns = (patterns_[ix(index(attacker))][ix(point)] & ~(0xFU << nibble)) |
                              static_cast<unsigned>(lines_->pattern(key, attacker)) << nibble;
    return threats_->value(patterns).threat >= Threat::OpenFour;
}

void Position::defences(Side attacker, std::vector<int>& out) const {
    out.clear();
    std::array<int, 64> points{};
    std::size_t count = 0;
    forEachThreat(attacker, [&](int c) {
        if (count < points.size() && threat(attacker, c) >= Threat::OpenFour)
            points[count++] = c;
    });
    if (count == 0)
        return;
    // Every defence lies on a line of the first point where it makes a four, or is that point.
    const int first = points[0];
    const auto stops = [&](int stone) {
        for (std::size_t i = 0; i < count; ++i) {
            if (stillOpenFour(attacker, points[i], stone))
                return false;
        }
        return true;
    };
    if (stops(first))
        out.push_back(first);
    for (std::size_t d = 0; d < 4; ++d) {
        if (pattern(attacker, first, static_cast<int>(d)) < Pattern::Four)
            continue;
        for (int distance = -kLineReach; distance <= kLineReach; ++distance) {
            const int n = first + distance * kDirections[d];
            if (distance != 0 && isEmpty(n) && stops(n))
                out.push_back(n);
        }
    }
}

}  // namespace engine
