#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "engine/evaluation.h"
#include "tune/features.h"
#include "tune/selfplay.h"

namespace tune {
namespace {

using engine::Position;
using engine::Side;
using Stones = std::vector<std::pair<int, int>>;

struct Case {
    const char* name;
    Stones black, white, walls;
    Side toMove;
    engine::PositionBonus bonus;
    bool quiet;
};

void PrintTo(const Case& c, std::ostream* out) {
    *out << c.name;
}

Position board(const Case& c) {
    Position position(15, 15);
    for (const auto& [x, y] : c.walls)
        position.setWall(Position::cell(x, y));
    for (const auto& [x, y] : c.black)
        position.place(Position::cell(x, y), Side::Black);
    for (const auto& [x, y] : c.white)
        position.place(Position::cell(x, y), Side::White);
    position.setToMove(c.toMove);
    return position;
}

using engine::PositionBonus;
const Case kCases[] = {
    {"empty", {}, {}, {}, Side::Black, PositionBonus::None, true},
    {"opening", {{7, 7}, {8, 8}}, {{8, 7}}, {}, Side::White, PositionBonus::None, true},
    {"walls",
     {{7, 7}, {7, 8}},
     {{6, 6}, {9, 9}},
     {{7, 5}, {7, 10}, {0, 0}},
     Side::Black,
     PositionBonus::None,
     true},
    // Black to move makes an open four with (8, 5): won, and a four-three point at least.
    {"open three to move",
     {{5, 5}, {6, 5}, {7, 5}},
     {{5, 6}, {6, 6}},
     {},
     Side::Black,
     PositionBonus::FourThree,
     false},
    // White must answer black's open three; black's double three point earns its bonus only
    // for black to move.
    {"their open three",
     {{5, 5}, {6, 5}, {7, 5}},
     {{5, 6}, {6, 7}},
     {},
     Side::White,
     PositionBonus::None,
     true},
    {"double three",
     {{5, 5}, {6, 5}, {8, 7}, {8, 8}},
     {{0, 0}, {14, 0}, {0, 14}, {14, 14}},
     {},
     Side::Black,
     PositionBonus::ThreeThree,
     true},
    {"four-three",
     {{5, 5}, {6, 5}, {7, 5}, {8, 7}, {8, 8}},
     {{4, 5}, {0, 0}, {14, 14}, {0, 14}, {14, 0}},
     {},
     Side::Black,
     PositionBonus::FourThree,
     true},
    // The same, but white has a four to make: no bonus.
    {"four-three against a four",
     {{5, 5}, {6, 5}, {7, 5}, {8, 7}, {8, 8}},
     {{4, 5}, {1, 1}, {2, 2}, {3, 3}, {14, 0}},
     {},
     Side::Black,
     PositionBonus::None,
     true},
    // White has four in a row to complete: black must block.
    {"their five",
     {{7, 7}, {0, 0}, {14, 14}, {0, 14}},
     {{3, 3}, {4, 4}, {5, 5}, {6, 6}},
     {},
     Side::Black,
     PositionBonus::None,
     false},
};

class Features : public testing::TestWithParam<Case> {};

// The tuner fits the weights of weights · features: that must be what the search evaluates.
TEST_P(Features, TimesTheWeightsAreTheEvaluation) {
    const Case& c = GetParam();
    const Position position = board(c);
    const tune::Features f = featuresOf(position);
    EXPECT_EQ(weighted(f), engine::evaluate(position));
    EXPECT_EQ(engine::positionBonus(position), c.bonus);
    EXPECT_EQ(isQuiet(position), c.quiet);
}

// Every empty cell counts once per side and line for the patterns, once per side for threats.
TEST_P(Features, CountEveryEmptyCell) {
    const Position position = board(GetParam());
    int empty = 0;
    for (int y = 0; y < position.height(); ++y) {
        for (int x = 0; x < position.width(); ++x)
            empty += position.isEmpty(Position::cell(x, y)) ? 1 : 0;
    }
    const tune::Features f = featuresOf(position);
    for (std::size_t s = 0; s < 2; ++s) {
        EXPECT_EQ(std::accumulate(f.patterns[s].begin(), f.patterns[s].end(), 0), 4 * empty);
        EXPECT_EQ(std::accumulate(f.threats[s].begin(), f.threats[s].end(), 0), empty);
    }
}

INSTANTIATE_TEST_SUITE_P(Positions, Features, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<Case>& row) {
                             std::string name = row.param.name;
                             std::replace_if(
                                 name.begin(), name.end(),
                                 [](char ch) { return !std::isalnum(ch); }, '_');
                             return name;
                         });

// A data set's lines: comments, the column names, then rows of as many numbers.
std::vector<std::vector<std::string>> rowsOf(const std::string& text) {
    std::vector<std::vector<std::string>> rows;
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#')
            continue;
        std::istringstream fields(line);
        std::vector<std::string> row;
        for (std::string field; fields >> field;)
            row.push_back(field);
        rows.push_back(row);
    }
    return rows;
}

std::string play(std::uint64_t seed) {
    SelfPlayOptions options;
    options.games = 3;
    options.nodes = 600;
    options.seed = seed;
    options.side = 15;
    std::ostringstream out;
    selfPlay(options, out);
    return out.str();
}

TEST(SelfPlay, TheSameSeedGivesTheSameDataSet) {
    const std::string first = play(5);
    EXPECT_EQ(first, play(5));
    EXPECT_NE(first, play(6));

    const auto rows = rowsOf(first);
    ASSERT_GE(rows.size(), 2U);
    std::vector<std::string> header{"game", "ply", "result"};
    for (const std::string& name : featureNames())
        header.push_back(name);
    EXPECT_EQ(rows[0], header);
    for (std::size_t i = 1; i < rows.size(); ++i) {
        ASSERT_EQ(rows[i].size(), header.size()) << "row " << i;
        EXPECT_TRUE(rows[i][2] == "0" || rows[i][2] == "0.5" || rows[i][2] == "1") << rows[i][2];
    }
}

}  // namespace
}  // namespace tune
