#pragma once

#include "engine/position.h"

// The static evaluation: what the search scores a position at its leaves, from the side to
// move's view. It is linear in its weights (eval_weights.txt): the sum of the scores of every
// empty cell, ours less theirs, and one bonus of the position (positionBonus()).
namespace engine {

// The bonus the side to move earns when the opponent has no four to make: for a four-three point
// of its own, or else for a double three. The bonuses in the order of their weights.
enum class PositionBonus { FourThree, ThreeThree, None };
constexpr int kPositionBonusCount = 2;

PositionBonus positionBonus(const Position& position);

int evaluate(const Position& position);

}  // namespace engine
