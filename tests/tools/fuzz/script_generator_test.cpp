// The generator covers everything a user can do, predicts the message boxes it answers, and a
// seed or a fuzzer's input names one run.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <ostream>

#include "fuzz/replay_run.h"
#include "fuzz/script_generator.h"
#include "support/test_game.h"

namespace cinq::fuzz {
namespace {

using test::TestGame;

constexpr int c = indexOf(7, 10);

struct WinnerCase {
    const char* name;
    Opponent opponent;
    PointColour turn;
    std::vector<int> green, red, closed;
    int cell;
    std::optional<Side> winner;
};

// gtest names the cases by this, and CTest by gtest's names.
void PrintTo(const WinnerCase& row, std::ostream* out) {
    *out << row.name;
}

const WinnerCase kWinnerCases[] = {
    {"FourGreenAndTheFifth",
     Opponent::Computer,
     PointColour::Green,
     {c, c + 1, c + 2, c + 3},
     {},
     {},
     c + 4,
     Side::Player1},
    {"FifthInTheMiddleOfADiagonal",
     Opponent::Computer,
     PointColour::Green,
     {c, c + 36, c + 108, c + 144},
     {},
     {},
     c + 72,
     Side::Player1},
    {"ThreeAreNotEnough",
     Opponent::Computer,
     PointColour::Green,
     {c, c + 1, c + 2},
     {},
     {},
     c + 3,
     std::nullopt},
    {"ComputerToMovePlacesNoGreenPoint",
     Opponent::Computer,
     PointColour::Red,
     {c, c + 1, c + 2, c + 3},
     {},
     {},
     c + 4,
     std::nullopt},
    {"SecondHumanCompletesRed",
     Opponent::Human,
     PointColour::Red,
     {},
     {c, c + 35, c + 70, c + 105},
     {},
     c + 140,
     Side::Player2},
    {"ARedPointBreaksTheLine",
     Opponent::Computer,
     PointColour::Green,
     {c, c + 1, c + 3, c + 4},
     {c + 2},
     {},
     c + 5,
     std::nullopt},
    {"TakenCellIsNoMove",
     Opponent::Computer,
     PointColour::Green,
     {c, c + 1, c + 2, c + 3, c + 4},
     {},
     {},
     c + 4,
     std::nullopt},
    {"ClosedPointsDoNotCount",
     Opponent::Computer,
     PointColour::Green,
     {c, c + 1, c + 2, c + 3},
     {},
     {c},
     c + 4,
     std::nullopt},
    {"AtTheSheetsEdge",
     Opponent::Computer,
     PointColour::Green,
     {indexOf(5, 17), indexOf(5, 18), indexOf(5, 19), indexOf(5, 20)},
     {},
     {},
     indexOf(5, 16),
     Side::Player1},
    {"OffTheSheet",
     Opponent::Computer,
     PointColour::Green,
     {indexOf(5, 17), indexOf(5, 18), indexOf(5, 19), indexOf(5, 20)},
     {},
     {},
     indexOf(5, 21),
     std::nullopt},
};

class WinnerOfMove : public testing::TestWithParam<WinnerCase> {};

TEST_P(WinnerOfMove, PredictsTheGamesOwnTest) {
    const WinnerCase& w = GetParam();
    TestGame t;
    t.options.chooseOpponent(w.opponent);
    t.state().turn = w.turn;
    for (int cell : w.green) {
        t.board().placePoint(cell, PointColour::Green);
    }
    for (int cell : w.red) {
        t.board().placePoint(cell, PointColour::Red);
    }
    for (int cell : w.closed) {
        t.board().close(cell);
    }
    EXPECT_EQ(winnerOfMove(t.game, w.cell), w.winner);
}

INSTANTIATE_TEST_SUITE_P(Generator, WinnerOfMove, testing::ValuesIn(kWinnerCases),
                         [](const testing::TestParamInfo<WinnerCase>& row) {
                             return std::string(row.param.name);
                         });

std::vector<std::string> scriptOf(std::uint64_t seed, long long events) {
    SeededChoices choices(seed);
    InvariantChecker checker;
    return runSession(choices, checker, {events, 10'000}).script;
}

TEST(Generator, ASeedNamesOneScript) {
    EXPECT_EQ(scriptOf(5, 800), scriptOf(5, 800));
    EXPECT_NE(scriptOf(5, 800), scriptOf(6, 800));
}

TEST(Generator, FuzzerBytesNameOneScriptAndRunOut) {
    std::vector<std::uint8_t> bytes(600);
    for (std::size_t k = 0; k < bytes.size(); ++k) {
        bytes[k] = static_cast<std::uint8_t>(k * 37 + 11);
    }
    const auto run = [&] {
        ByteChoices choices(bytes.data(), bytes.size());
        InvariantChecker checker;
        return runSession(choices, checker, fuzzSessionLimits());
    };
    const SessionResult first = run();
    EXPECT_TRUE(first.failures.empty()) << first.failures.front();
    EXPECT_EQ(first.script, run().script);
    EXPECT_GT(first.events, 10);
    EXPECT_LT(first.events, 600);

    ByteChoices none(nullptr, 0);
    InvariantChecker checker;
    EXPECT_EQ(runSession(none, checker, fuzzSessionLimits()).events, 0);
}

// What a run must contain, as a prefix of a script line, and how often at least.
struct Coverage {
    const char* prefix;
    int atLeast;
};

TEST(Generator, ARunCoversEveryCommandAndEveryAnswer) {
    std::map<std::string, int> seen;
    std::size_t longestName = 0;
    bool controlCharacter = false;
    int belowMinimum = 0;
    int aboveMaximum = 0;
    for (std::uint64_t seed = 1; seed <= 3; ++seed) {
        for (const std::string& line : scriptOf(seed, 3'000)) {
            for (std::size_t n = 1; n <= line.size() && n <= 20; ++n) {
                ++seen[line.substr(0, n)];
            }
            if (line.starts_with("name ")) {
                longestName = std::max(longestName, line.size() - 7);
                controlCharacter =
                    controlCharacter || std::any_of(line.begin(), line.end(), [](char ch) {
                        return static_cast<unsigned char>(ch) < 32;
                    });
            }
            int w = 0;
            int h = 0;
            if (std::sscanf(line.c_str(), "size %d %d", &w, &h) == 2) {
                belowMinimum += w < kDesignOuterSize.width || h < kDesignOuterSize.height;
                aboveMaximum += w > kLargestOuterSize.width || h > kLargestOuterSize.height;
            }
        }
    }
    const Coverage kCoverage[] = {
        {"click ", 1000},
        {"key left", 20},
        {"key right", 20},
        {"key up", 20},
        {"key down", 20},
        {"key enter", 20},
        {"key other", 3},
        {"menu nouvelle", 10},
        {"menu changer", 10},
        {"menu changer close", 2},
        {"menu statistique", 3},
        {"menu apropos", 3},
        {"opponent ordinateur", 5},
        {"opponent autres", 5},
        {"level initiation", 2},
        {"level 1", 2},
        {"level 2", 2},
        {"level 3", 2},
        {"name 1 ", 5},
        {"name 2 ", 5},
        {"name 1 <", 1},
        {"window maximised", 5},
        {"window minimised", 5},
        {"window normal", 5},
        {"rolls ", 5},
        {"answer ok", 20},
        {"answer oui", 3},
        {"answer non", 2},
        {"dump", 3},
        {"undo", 20},
        {"hint", 3},
    };
    for (const Coverage& coverage : kCoverage) {
        EXPECT_GE(seen[coverage.prefix], coverage.atLeast) << coverage.prefix;
    }
    EXPECT_GE(longestName, 10'000U);
    EXPECT_TRUE(controlCharacter);
    EXPECT_GT(belowMinimum, 0);
    EXPECT_GT(aboveMaximum, 0);
}

}  // namespace
}  // namespace cinq::fuzz
