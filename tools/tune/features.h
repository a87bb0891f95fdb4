#pragma once

#include <array>
#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

#include "engine/evaluation.h"
#include "engine/position.h"

// What the evaluation is linear in. evaluate() is the sum over the empty cells of each side's
// cell scores, ours less theirs, plus one bonus of the position; a cell's score adds a weight per
// line pattern and one per threat. So the evaluation is the dot product of the weights with the
// counts below, taken from the side to move's view.
namespace tune {

struct Features {
    // [0] the side to move, [1] the opponent: over every empty cell, how many of its four lines
    // make each pattern, and how many cells make each threat.
    std::array<std::array<int, engine::kPatternCount>, 2> patterns{};
    std::array<std::array<int, engine::kThreatCount>, 2> threats{};
    // 1 for the bonus the position earns, if any.
    std::array<int, engine::kPositionBonusCount> bonuses{};
};

Features featuresOf(const engine::Position& position);

// The weights of the data file, as compiled into the engine, times the features: evaluate() short
// of its clamp to the range of scores that are not wins.
long long weighted(const Features& features);

// The columns of a data set's row, as written by writeFeatures(): "us.pattern.Dead" …
// "them.threat.Five", then "position.FourThree" …, named after the data file's weights.
std::vector<std::string> featureNames();
void writeFeatures(std::ostream& out, const Features& features);

// A position whose evaluation means something for its game's result: no five to make or to
// block, and no open four for the side to move (it has won).
bool isQuiet(const engine::Position& position);

}  // namespace tune
