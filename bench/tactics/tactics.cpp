#include "tactics.h"

#include <algorithm>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <utility>

namespace tactics {
namespace {

constexpr int kSide = 20;

std::string trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// "x,y x,y ..." as cells of the suite's board.
std::vector<int> cellsOf(const std::string& text) {
    std::vector<int> cells;
    std::istringstream in(text);
    for (std::string word; in >> word;) {
        int x = -1;
        int y = -1;
        char comma = 0;
        std::istringstream point(word);
        if (!(point >> x >> comma >> y) || comma != ',' || x < 0 || y < 0 || x >= kSide ||
            y >= kSide)
            throw std::runtime_error("not a point of the board: " + word);
        cells.push_back(engine::Position::cell(x, y));
    }
    return cells;
}

}  // namespace

engine::Position Tactic::position() const {
    engine::Position position(kSide, kSide);
    for (const int c : stones)
        position.play(c);
    return position;
}

bool Tactic::wins(int move) const {
    return std::find(winningMoves.begin(), winningMoves.end(), move) != winningMoves.end();
}

const char* suiteFile() {
    return CINQUEVOLE_TACTICS_FILE;
}

std::vector<Tactic> load(const std::string& path) {
    std::ifstream in(path);
    if (!in)
        throw std::runtime_error("cannot read " + path);
    std::vector<Tactic> suite;
    int number = 0;
    for (std::string line; std::getline(in, line);) {
        ++number;
        line = trimmed(line.substr(0, line.find('#')));
        if (line.empty())
            continue;
        std::vector<std::string> fields;
        std::istringstream row(line);
        for (std::string field; std::getline(row, field, '|');)
            fields.push_back(trimmed(field));
        if (fields.size() != 5 || (fields[1] != "black" && fields[1] != "white"))
            throw std::runtime_error(path + ":" + std::to_string(number) +
                                     ": expected name | black/white | plies | wins | stones");
        Tactic tactic{fields[0], fields[1] == "black" ? engine::Side::Black : engine::Side::White,
                      cellsOf(fields[4]), cellsOf(fields[3])};
        if (tactic.winningMoves.empty() ||
            (tactic.stones.size() % 2 == 0) != (tactic.toMove == engine::Side::Black))
            throw std::runtime_error(path + ":" + std::to_string(number) +
                                     ": no winning move, or the other side to move");
        suite.push_back(std::move(tactic));
    }
    return suite;
}

}  // namespace tactics
