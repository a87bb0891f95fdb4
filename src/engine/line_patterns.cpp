#include "engine/line_patterns.h"

#include <algorithm>
#include <array>

namespace engine {
namespace {

constexpr int kLength = 2 * kLineReach + 1;
constexpr int kMiddle = kLineReach;
constexpr std::uint8_t kEmpty = 0;
constexpr std::uint8_t kOwn = 1;
constexpr std::uint8_t kBlocked = 2;

// Whether the own stones through the middle make a winning row.
bool fiveThroughMiddle(const std::uint8_t* line, Rule rule) {
    int run = 1;
    for (int i = kMiddle - 1; i >= 0 && line[i] == kOwn; --i)
        ++run;
    for (int i = kMiddle + 1; i < kLength && line[i] == kOwn; ++i)
        ++run;
    return rule == Rule::Freestyle ? run >= 5 : run == 5;
}

// One point more turns a shape into the next one up; this is the step back down.
Pattern weaker(Pattern reached) {
    switch (reached) {
        case Pattern::OpenFour: return Pattern::OpenThree;
        case Pattern::Four: return Pattern::Three;
        case Pattern::OpenThree: return Pattern::OpenTwo;
        case Pattern::Three: return Pattern::Two;
        case Pattern::OpenTwo: return Pattern::OpenOne;
        case Pattern::Two: return Pattern::One;
        default: return Pattern::Dead;
    }
}

// The shape of a line whose middle holds an own stone: five; a four (one empty cell makes five
// through the middle) or an open four (two or more do); otherwise one step below the best shape
// that one more own stone can reach. Memoised over the line's content when `memo` is given.
class Classifier {
public:
    Classifier(Rule rule, bool memoise) : rule_(rule) {
        if (memoise)
            memo_.assign(kStates, kUnknown);
    }

    Pattern shape(std::uint8_t* line) {
        int code = 0;
        if (!memo_.empty()) {
            for (int i = 0; i < kLength; ++i)
                code = code * 3 + line[i];
            if (memo_[static_cast<std::size_t>(code)] != kUnknown)
                return static_cast<Pattern>(memo_[static_cast<std::size_t>(code)]);
        }
        const Pattern result = compute(line);
        if (!memo_.empty())
            memo_[static_cast<std::size_t>(code)] = static_cast<std::int8_t>(result);
        return result;
    }

private:
    static constexpr int kStates = 177147;  // 3^11
    static constexpr std::int8_t kUnknown = -1;

    Pattern compute(std::uint8_t* line) {
        if (fiveThroughMiddle(line, rule_))
            return Pattern::Five;
        int fivePoints = 0;
        for (int e = 1; e < kLength - 1; ++e) {
            if (line[e] != kEmpty)
                continue;
            line[e] = kOwn;
            if (fiveThroughMiddle(line, rule_))
                ++fivePoints;
            line[e] = kEmpty;
        }
        if (fivePoints >= 2)
            return Pattern::OpenFour;
        if (fivePoints == 1)
            return Pattern::Four;
        Pattern best = Pattern::Dead;
        for (int e = 1; e < kLength - 1; ++e) {
            if (line[e] != kEmpty)
                continue;
            line[e] = kOwn;
            best = std::max(best, shape(line));
            line[e] = kEmpty;
        }
        return weaker(best);
    }

    Rule rule_;
    std::vector<std::int8_t> memo_;
};

Threat threatOf(const std::array<Pattern, 4>& patterns) {
    int fours = 0;
    int openThrees = 0;
    for (const Pattern p : patterns) {
        if (p == Pattern::Five)
            return Threat::Five;
        if (p == Pattern::OpenFour)
            fours += 2;
        if (p == Pattern::Four)
            ++fours;
        if (p == Pattern::OpenThree)
            ++openThrees;
    }
    if (fours >= 2)
        return Threat::OpenFour;
    if (fours == 1)
        return openThrees > 0 ? Threat::FourThree : Threat::Four;
    if (openThrees >= 2)
        return Threat::ThreeThree;
    return openThrees == 1 ? Threat::Three : Threat::None;
}

}  // namespace

Pattern classifyLine(const std::uint8_t* line, Rule rule) {
    std::array<std::uint8_t, kLength> copy{};
    std::copy(line, line + kLength, copy.begin());
    copy[kMiddle] = kOwn;
    return Classifier(rule, false).shape(copy.data());
}

LineTable::LineTable(Rule rule)
    : shift_(rule == Rule::Freestyle ? 2 : 0),
      mask_(rule == Rule::Freestyle ? 0xFFFFU : kKeyCount - 1),
      cells_(mask_ + 1) {
    Classifier classifier(rule, true);
    std::array<std::uint8_t, kLength> line{};
    for (std::uint32_t index = 0; index <= mask_; ++index) {
        const std::uint32_t key = index << shift_;
        std::uint8_t both = 0;
        for (const Side side : {Side::Black, Side::White}) {
            const auto own = static_cast<std::uint32_t>(stoneOf(side));
            for (int d = -kLineReach; d <= kLineReach; ++d) {
                if (d == 0)
                    continue;
                const std::uint32_t code = (key >> keyShift(d)) & 3U;
                const int slot = kMiddle + d;
                line[static_cast<std::size_t>(slot)] =
                    code == 0 ? kEmpty : (code == own ? kOwn : kBlocked);
            }
            line[kMiddle] = kOwn;
            const auto pattern = static_cast<std::uint8_t>(classifier.shape(line.data()));
            both =
                static_cast<std::uint8_t>(both | (side == Side::Black ? pattern : pattern << 4U));
        }
        cells_[index] = both;
    }
}

const LineTable& LineTable::get(Rule rule) {
    // Built on first use, only for the rules that are played.
    if (rule == Rule::Freestyle) {
        static const LineTable freestyle(Rule::Freestyle);
        return freestyle;
    }
    static const LineTable exactFive(Rule::ExactFive);
    return exactFive;
}

ThreatTable::ThreatTable() : threats_(1U << 16U) {
    for (unsigned key = 0; key < threats_.size(); ++key) {
        std::array<Pattern, 4> patterns{};
        for (unsigned d = 0; d < 4; ++d) {
            const unsigned p = (key >> (4 * d)) & 0xFU;
            patterns[d] = static_cast<Pattern>(std::min(p, unsigned{kPatternCount - 1}));
        }
        threats_[key] = static_cast<std::uint8_t>(threatOf(patterns));
    }
}

const ThreatTable& ThreatTable::get() {
    static const ThreatTable table;
    return table;
}

}  // namespace engine
