#include "tune/features.h"

#include "engine/eval_weights.h"

namespace tune {
namespace {

using engine::Side;

std::size_t at(int i) {
    return static_cast<std::size_t>(i);
}

// Calls f(prefix, counts, weights, names) for each side's group of counts, in column order.
template <typename F>
void forEachSideGroup(const Features& features, F&& f) {
    const std::array<const char*, 2> sides{"us.", "them."};
    for (std::size_t s = 0; s < 2; ++s) {
        f(std::string(sides[s]) + "pattern.", features.patterns[s], engine::weights::kPattern,
          engine::weights::kPatternNames, s == 0 ? 1 : -1);
        f(std::string(sides[s]) + "threat.", features.threats[s], engine::weights::kThreat,
          engine::weights::kThreatNames, s == 0 ? 1 : -1);
    }
}

}  // namespace

Features featuresOf(const engine::Position& position) {
    Features features;
    const std::array<Side, 2> sides{position.toMove(), engine::opponent(position.toMove())};
    for (int y = 0; y < position.height(); ++y) {
        for (int x = 0; x < position.width(); ++x) {
            const int c = engine::Position::cell(x, y);
            if (!position.isEmpty(c))
                continue;
            for (std::size_t s = 0; s < 2; ++s) {
                for (int d = 0; d < 4; ++d)
                    ++features.patterns[s][at(static_cast<int>(position.pattern(sides[s], c, d)))];
                ++features.threats[s][at(static_cast<int>(position.threat(sides[s], c)))];
            }
        }
    }
    if (const auto bonus = engine::positionBonus(position); bonus != engine::PositionBonus::None)
        features.bonuses[at(static_cast<int>(bonus))] = 1;
    return features;
}

long long weighted(const Features& features) {
    long long sum = 0;
    forEachSideGroup(features, [&](const std::string&, const auto& counts, const auto& weights,
                                   const auto&, int sign) {
        for (std::size_t i = 0; i < counts.size(); ++i)
            sum += sign * static_cast<long long>(counts[i]) * weights[i];
    });
    for (std::size_t i = 0; i < features.bonuses.size(); ++i)
        sum += static_cast<long long>(features.bonuses[i]) * engine::weights::kPosition[i];
    return sum;
}

std::vector<std::string> featureNames() {
    std::vector<std::string> names;
    forEachSideGroup(Features{}, [&](const std::string& prefix, const auto&, const auto&,
                                     const auto& groupNames, int) {
        for (const auto name : groupNames)
            names.push_back(prefix + std::string(name));
    });
    for (const auto name : engine::weights::kPositionNames)
        names.push_back("position." + std::string(name));
    return names;
}

void writeFeatures(std::ostream& out, const Features& features) {
    const char* separator = "";
    forEachSideGroup(features,
                     [&](const std::string&, const auto& counts, const auto&, const auto&, int) {
                         for (const int count : counts) {
                             out << separator << count;
                             separator = " ";
                         }
                     });
    for (const int bonus : features.bonuses)
        out << separator << bonus;
}

bool isQuiet(const engine::Position& position) {
    const Side us = position.toMove();
    return position.threatCount(us, engine::Threat::OpenFour) == 0 &&
           position.threatCount(engine::opponent(us), engine::Threat::Five) == 0;
}

}  // namespace tune
