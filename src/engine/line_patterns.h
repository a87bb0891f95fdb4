#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <limits>
#include <vector>

#include "engine/eval_weights.h"
#include "engine/types.h"

// The shape of a line through a point, looked up from the ten cells around it.
//
// A line key holds the five cells on each side of a point along one direction, two bits a cell
// (the Stone codes), nearest first: bits 0-9 the cells before the point (farthest in bits 8-9),
// bits 10-19 the cells after it (nearest in bits 10-11). A wall and the other side's stone block
// a line alike.
namespace engine {

constexpr int kLineReach = 5;
constexpr int kKeyBits = 4 * kLineReach;
constexpr std::uint32_t kKeyCount = 1U << kKeyBits;

// The bit offset in a key of the cell `distance` steps away (negative: before the point).
constexpr int keyShift(int distance) {
    return distance < 0 ? 2 * (kLineReach + distance) : 2 * (kLineReach - 1 + distance);
}

// The pattern per side of every key, for one rule. Built once per rule and shared, and freed when
// the program ends.
class LineTable {
public:
    static const LineTable& get(Rule rule);

    Pattern pattern(std::uint32_t key, Side side) const {
        const unsigned both = patterns(key);
        return static_cast<Pattern>(side == Side::Black ? (both & 0xFU) : (both >> 4U));
    }
    // Both sides' patterns at once: black in the low four bits, white in the high four.
    unsigned patterns(std::uint32_t key) const { return cells_[(key >> shift_) & mask_]; }

private:
    explicit LineTable(Rule rule);
    // Five or more needs only the four nearest cells on each side: a table 16 times smaller,
    // which stays in the cache.
    std::uint32_t shift_;
    std::uint32_t mask_;
    std::vector<std::uint8_t> cells_;
};

// The largest magnitude among some weights.
constexpr int largestWeight(const auto& weights) {
    int most = 0;
    for (const int w : weights)
        most = std::max(most, w < 0 ? -w : w);
    return most;
}

// What a point threatens and is worth to one side, from its four patterns.
struct CellValue {
    Threat threat = Threat::None;
    std::int16_t score = 0;
};

// The value of every combination of four patterns, indexed by patternsKey().
class ThreatTable {
public:
    static const ThreatTable& get();

    static unsigned patternsKey(Pattern a, Pattern b, Pattern c, Pattern d) {
        return static_cast<unsigned>(a) | static_cast<unsigned>(b) << 4U |
               static_cast<unsigned>(c) << 8U | static_cast<unsigned>(d) << 12U;
    }
    CellValue value(unsigned key) const {
        const auto threat = static_cast<Threat>(threats_[key]);
        const int score = kPatternScores[key & 0xFU] + kPatternScores[(key >> 4U) & 0xFU] +
                          kPatternScores[(key >> 8U) & 0xFU] + kPatternScores[key >> 12U] +
                          weights::kThreat[static_cast<std::size_t>(threat)];
        return {threat, static_cast<std::int16_t>(score)};
    }

    // What a pattern is worth on one line (eval_weights.txt), for every value of a key's nibble:
    // the search's move order and evaluation.
    static constexpr std::array<int, 16> kPatternScores = [] {
        std::array<int, 16> scores{};
        for (std::size_t p = 0; p < weights::kPattern.size(); ++p)
            scores[p] = weights::kPattern[p];
        return scores;
    }();
    static_assert(weights::kPattern.size() == kPatternCount, "one weight per pattern");
    static_assert(weights::kThreat.size() == kThreatCount, "one bonus per threat");
    // A cell's score is kept in 16 bits.
    static_assert(4 * largestWeight(weights::kPattern) + largestWeight(weights::kThreat) <=
                      std::numeric_limits<std::int16_t>::max(),
                  "the weights overflow a cell's score");

private:
    ThreatTable();
    // The threat of every key, a byte each: the table stays in the cache; scores are summed.
    std::vector<std::uint8_t> threats_;
};

// The shape that a point of one side makes on one line, computed from first principles: the
// reference that the tables are built from and tested against. `line` holds 2 * kLineReach + 1
// cells, the point in the middle: 0 empty, 1 own stone, 2 blocked.
Pattern classifyLine(const std::uint8_t* line, Rule rule);

}  // namespace engine
