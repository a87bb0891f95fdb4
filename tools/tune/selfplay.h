#pragma once

#include <cstdint>
#include <ostream>

// Positions for fitting the evaluation, from games of the engine against itself under a fixed
// node count. Every game starts from an opening drawn from the seed and the game's number, so the
// same options always give the same data set, on any machine.
namespace tune {

struct SelfPlayOptions {
    int games = 100;
    std::uint64_t nodes = 2000;
    std::uint64_t seed = 1;
    int side = 20;
    // The share of the quiet positions kept, in percent.
    int samplePercent = 100;
};

// Plays the games and writes the data set to `out`: comment lines ('#'), a line of column names
// ("game ply result" then featureNames()), and one row per position kept, its result 1, 0.5 or 0
// for the side to move. Reports each finished game to `progress` when given.
void selfPlay(const SelfPlayOptions& options, std::ostream& out, std::ostream* progress = nullptr);

}  // namespace tune
