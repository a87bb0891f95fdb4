#include "engine/line_patterns.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace engine {
namespace {

// A line written as eleven characters around the point in the middle: '.' empty, 'x' own stone,
// 'o' the other side's stone, '#' a wall. The middle character is the point itself ('+').
std::uint32_t keyOf(const std::string& line, Side side) {
    std::uint32_t key = 0;
    for (int d = -kLineReach; d <= kLineReach; ++d) {
        if (d == 0)
            continue;
        const int slot = kLineReach + d;
        const char c = line[static_cast<std::size_t>(slot)];
        Stone stone = Stone::Empty;
        if (c == 'x')
            stone = stoneOf(side);
        if (c == 'o')
            stone = stoneOf(opponent(side));
        if (c == '#')
            stone = Stone::Wall;
        key |= static_cast<std::uint32_t>(stone) << keyShift(d);
    }
    return key;
}

struct Shape {
    const char* line;
    Pattern freestyle;
    Pattern exactFive;
};

TEST(LinePatterns, ShapesOfKnownLines) {
    const Shape shapes[] = {
        {"...xx+xx...", Pattern::Five, Pattern::Five},
        {"..xxx+xx...", Pattern::Five, Pattern::Dead},  // six in a row
        {"..xxx+x....", Pattern::Five, Pattern::Five},
        {"...xx+x....", Pattern::OpenFour, Pattern::OpenFour},
        {"..oxx+x....", Pattern::Four, Pattern::Four},
        {"..#xx+x....", Pattern::Four, Pattern::Four},          // a wall blocks like a stone
        {"...x.+xx...", Pattern::Four, Pattern::Four},          // broken four
        {".x.xx+.x...", Pattern::OpenFour, Pattern::OpenFour},  // two fours in one line
        {".x.xx+x....", Pattern::OpenFour, Pattern::Four},      // one of them would be six
        {".xxx.+xx...", Pattern::Four, Pattern::Three},
        {"....x+x....", Pattern::OpenThree, Pattern::OpenThree},
        {"...ox+x....", Pattern::Three, Pattern::Three},
        {"..o.x+x.o..", Pattern::Three, Pattern::Three},  // no room to open it
        {"...x.+x....", Pattern::OpenThree, Pattern::OpenThree},
        {".....+x....", Pattern::OpenTwo, Pattern::OpenTwo},
        {".....+.....", Pattern::OpenOne, Pattern::OpenOne},
        {"..o..+.o...", Pattern::Dead, Pattern::Dead},  // four cells: no five fits
        {"....#+#....", Pattern::Dead, Pattern::Dead},
        {".x.xx+.....", Pattern::Four, Pattern::Four},
    };
    for (const Shape& shape : shapes) {
        for (const Side side : {Side::Black, Side::White}) {
            const std::uint32_t key = keyOf(shape.line, side);
            EXPECT_EQ(LineTable::get(Rule::Freestyle).pattern(key, side), shape.freestyle)
                << shape.line;
            EXPECT_EQ(LineTable::get(Rule::ExactFive).pattern(key, side), shape.exactFive)
                << shape.line;
        }
    }
}

// The tables, built with memoisation, against the shape computed afresh for random lines.
TEST(LinePatterns, TablesAgreeWithTheShapeComputedAfresh) {
    std::mt19937 random(12345);
    for (int i = 0; i < 3000; ++i) {
        const std::uint32_t key = random() & (kKeyCount - 1);
        for (const Rule rule : {Rule::Freestyle, Rule::ExactFive}) {
            for (const Side side : {Side::Black, Side::White}) {
                std::uint8_t line[2 * kLineReach + 1] = {};
                for (int d = -kLineReach; d <= kLineReach; ++d) {
                    if (d == 0)
                        continue;
                    const auto code = (key >> keyShift(d)) & 3U;
                    // Five or more never looks past four cells: the table leaves the fifth out.
                    const bool seen =
                        rule == Rule::ExactFive || (d != -kLineReach && d != kLineReach);
                    line[kLineReach + d] =
                        !seen || code == 0 ? 0
                                           : (code == static_cast<unsigned>(stoneOf(side)) ? 1 : 2);
                }
                EXPECT_EQ(LineTable::get(rule).pattern(key, side), classifyLine(line, rule))
                    << "key " << key;
            }
        }
    }
}

struct Combination {
    Pattern a, b, c, d;
    Threat threat;
};

TEST(LinePatterns, ThreatsOfFourLines) {
    using P = Pattern;
    const Combination combinations[] = {
        {P::Five, P::Dead, P::Dead, P::Dead, Threat::Five},
        {P::OpenFour, P::Dead, P::Dead, P::Dead, Threat::OpenFour},
        {P::Four, P::Four, P::Dead, P::Dead, Threat::OpenFour},
        {P::Four, P::OpenThree, P::Dead, P::Dead, Threat::FourThree},
        {P::Four, P::Three, P::Dead, P::Dead, Threat::Four},
        {P::OpenThree, P::OpenThree, P::Dead, P::Dead, Threat::ThreeThree},
        {P::OpenThree, P::Three, P::OpenTwo, P::Dead, Threat::Three},
        {P::Three, P::Three, P::OpenTwo, P::OpenTwo, Threat::None},
    };
    for (const Combination& c : combinations) {
        const auto key = ThreatTable::patternsKey(c.a, c.b, c.c, c.d);
        EXPECT_EQ(ThreatTable::get().value(key).threat, c.threat);
        EXPECT_EQ(ThreatTable::get().value(ThreatTable::patternsKey(c.d, c.c, c.b, c.a)).threat,
                  c.threat);
    }
}

}  // namespace
}  // namespace engine
