#include "engine/evaluation.h"

#include <algorithm>

#include "engine/eval_weights.h"

namespace engine {

static_assert(weights::kPosition.size() == kPositionBonusCount, "one weight per bonus");

PositionBonus positionBonus(const Position& position) {
    const Side us = position.toMove();
    if (position.threatCount(opponent(us), Threat::Four) > 0)
        return PositionBonus::None;
    if (position.threatCount(us, Threat::FourThree) > 0)
        return PositionBonus::FourThree;
    if (position.threatCount(us, Threat::ThreeThree) > 0)
        return PositionBonus::ThreeThree;
    return PositionBonus::None;
}

int evaluate(const Position& position) {
    const Side us = position.toMove();
    int score = position.scoreSum(us) - position.scoreSum(opponent(us));
    if (const PositionBonus bonus = positionBonus(position); bonus != PositionBonus::None)
        score += weights::kPosition[static_cast<std::size_t>(bonus)];
    return std::clamp(score, -kWinThreshold + 1, kWinThreshold - 1);
}

}  // namespace engine
