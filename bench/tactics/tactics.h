#pragma once

#include <string>
#include <vector>

#include "engine/position.h"

// The tactical suite (bench/strength/tactics/vcf.txt): positions from played games where the side
// to move wins by continuous fours, each with every first move that does. Read by the engine's
// tests and by its benchmark.
namespace tactics {

struct Tactic {
    std::string name;
    engine::Side toMove = engine::Side::Black;
    // The stones in game order, black first, and the first moves that win by fours, as cells.
    std::vector<int> stones;
    std::vector<int> winningMoves;

    // The position after the stones, on the suite's board (20 x 20, five or more).
    engine::Position position() const;
    bool wins(int move) const;
};

// The suite's file, as the build knows it.
const char* suiteFile();

// Lines "name | side to move | plies | winning moves | stones", moves as x,y separated by spaces;
// '#' starts a comment. Throws std::runtime_error on a line of another form or a file that cannot
// be read.
std::vector<Tactic> load(const std::string& path);

}  // namespace tactics
