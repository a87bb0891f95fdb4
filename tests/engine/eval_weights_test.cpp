#include <gtest/gtest.h>

#include <fstream>
#include <span>
#include <sstream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "engine/eval_weights.h"
#include "engine/evaluation.h"
#include "engine/line_patterns.h"

namespace engine {
namespace {

// The lines "group.name value" of the data file, in order, comments and blank lines left out.
struct Weight {
    std::string group;
    std::string name;
    int value = 0;
};

std::vector<Weight> readWeights(const std::string& path) {
    std::ifstream in(path);
    EXPECT_TRUE(in) << path;
    std::vector<Weight> weights;
    std::string line;
    while (std::getline(in, line)) {
        line = line.substr(0, line.find('#'));
        std::istringstream fields(line);
        std::string key;
        if (!(fields >> key))
            continue;
        Weight w;
        const auto dot = key.find('.');
        EXPECT_NE(dot, std::string::npos) << line;
        w.group = key.substr(0, dot);
        w.name = key.substr(dot + 1);
        EXPECT_TRUE(fields >> w.value) << line;
        std::string extra;
        EXPECT_FALSE(fields >> extra) << line;
        weights.push_back(w);
    }
    return weights;
}

// A group of the file, what the build compiled from it, and the engine's order of its names.
struct Group {
    std::string_view group;
    std::span<const int> compiled;
    std::span<const std::string_view> compiledNames;
    std::vector<std::string_view> engineOrder;
};

void PrintTo(const Group& g, std::ostream* out) {
    *out << g.group;
}

class EvalWeightsFile : public testing::TestWithParam<Group> {};

TEST_P(EvalWeightsFile, CompiledTableMatchesTheDataFile) {
    const Group& g = GetParam();
    std::vector<std::pair<std::string, int>> inFile;
    for (const Weight& w : readWeights(CINQUEVOLE_EVAL_WEIGHTS)) {
        if (w.group == g.group)
            inFile.emplace_back(w.name, w.value);
    }
    ASSERT_EQ(inFile.size(), g.compiled.size());
    ASSERT_EQ(inFile.size(), g.engineOrder.size());
    for (std::size_t i = 0; i < inFile.size(); ++i) {
        EXPECT_EQ(inFile[i].first, g.engineOrder[i]) << "entry " << i;
        EXPECT_EQ(inFile[i].first, g.compiledNames[i]) << "entry " << i;
        EXPECT_EQ(inFile[i].second, g.compiled[i]) << inFile[i].first;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Groups, EvalWeightsFile,
    testing::Values(Group{"pattern",
                          weights::kPattern,
                          weights::kPatternNames,
                          {"Dead", "One", "OpenOne", "Two", "OpenTwo", "Three", "OpenThree", "Four",
                           "OpenFour", "Five"}},
                    Group{"threat",
                          weights::kThreat,
                          weights::kThreatNames,
                          {"None", "Three", "ThreeThree", "Four", "FourThree", "OpenFour", "Five"}},
                    Group{"position",
                          weights::kPosition,
                          weights::kPositionNames,
                          {"FourThree", "ThreeThree"}}),
    [](const testing::TestParamInfo<Group>& row) { return std::string(row.param.group); });

TEST(EvalWeightsFile, HoldsOnlyTheKnownGroups) {
    for (const Weight& w : readWeights(CINQUEVOLE_EVAL_WEIGHTS))
        EXPECT_TRUE(w.group == "pattern" || w.group == "threat" || w.group == "position")
            << w.group;
}

// The table the positions read scores every combination of patterns from those weights.
TEST(EvalWeightsFile, ThreatTableScoresWithTheWeights) {
    const ThreatTable& table = ThreatTable::get();
    for (int a = 0; a < kPatternCount; ++a) {
        for (int b = 0; b < kPatternCount; b += 3) {
            const auto key = ThreatTable::patternsKey(
                static_cast<Pattern>(a), static_cast<Pattern>(b), Pattern::One, Pattern::Dead);
            const CellValue value = table.value(key);
            EXPECT_EQ(value.score, weights::kPattern[static_cast<std::size_t>(a)] +
                                       weights::kPattern[static_cast<std::size_t>(b)] +
                                       weights::kPattern[1] + weights::kPattern[0] +
                                       weights::kThreat[static_cast<std::size_t>(value.threat)]);
        }
    }
}

}  // namespace
}  // namespace engine
