#pragma once

#include <memory>

#include "computer/die.h"
#include "dialogs/level.h"
#include "pbrain/protocol.h"

namespace pbrain {

// The game's own computer at one of its levels, as a protocol player: the protocol's board is
// laid out on the game's sheet at the largest window (x to column 2 + x, y to row 2 + y), the
// engine's stones as the computer's red points, the opponent's as green ones, walls as closed
// intersections, and the computer takes its turn there as in the game.
class LevelPlayer final : public Player {
public:
    // The sheet at the largest window.
    static constexpr int kWidth = 28;
    static constexpr int kHeight = 20;
    // On an empty board the computer opens where the game opens after the player loses.
    static constexpr std::pair<int, int> kOpening{5, 5};

    explicit LevelPlayer(cinq::Level level, unsigned seed);

    std::string refuseSize(int width, int height) const override;
    void newGame() override {}
    void configure(const Settings&) override {}
    std::pair<int, int> choose(const Board& board, const Settings& settings) override;
    std::string report() const override { return {}; }

private:
    cinq::Level level_;
    cinq::RandomDie die_;
};

}  // namespace pbrain
