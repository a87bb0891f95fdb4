// The engine's speed: making and unmaking moves, the search's nodes per second, and the time
// to solve each position of the tactical suite (bench/strength/tactics/vcf.txt) by fours alone.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <fstream>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "engine/search.h"

namespace {

using engine::Position;

// A middle game on 20 x 20 with no forced win for either side, from a match against AIWine:
// the whole budget goes to the principal variation search.
const std::vector<std::pair<int, int>> kMiddleGame{{10, 9}, {11, 8},  {8, 12}, {9, 8},
                                                   {9, 12}, {10, 12}, {9, 13}, {10, 8},
                                                   {8, 8},  {9, 11},  {8, 13}};

Position middleGame() {
    Position position(20, 20);
    for (const auto& [x, y] : kMiddleGame)
        position.play(Position::cell(x, y));
    return position;
}

void playAndUndo(benchmark::State& state) {
    Position position = middleGame();
    std::vector<int> cells;
    position.forEachNearCell([&](int c) { cells.push_back(c); });
    std::size_t next = 0;
    for (auto _ : state) {
        position.play(cells[next]);
        position.undo();
        next = next + 1 == cells.size() ? 0 : next + 1;
    }
    benchmark::DoNotOptimize(position.hash());
}
BENCHMARK(playAndUndo)->Name("BM_PlayAndUndo");

void search(benchmark::State& state) {
    engine::Search engine(std::size_t{16} << 20U);
    engine::Limits limits;
    limits.nodes = 200000;
    std::uint64_t nodes = 0;
    for (auto _ : state) {
        Position position = middleGame();
        engine.clear();
        const auto result = engine.choose(position, limits);
        if (result.stage != "search")
            state.SkipWithError("the position has a forced line");
        nodes += result.nodes;
    }
    state.counters["nodes_per_second"] =
        benchmark::Counter(static_cast<double>(nodes), benchmark::Counter::kIsRate);
}
BENCHMARK(search)->Name("BM_Search")->Unit(benchmark::kMillisecond);

// One position of the tactical suite: the stones in game order, black first, and the first moves
// that win by fours.
struct Tactic {
    std::string name;
    std::vector<int> stones;
    std::vector<int> winningMoves;
};

std::vector<int> cellsOf(const std::string& text) {
    std::vector<int> cells;
    std::istringstream in(text);
    for (std::string word; in >> word;) {
        const auto comma = word.find(',');
        cells.push_back(Position::cell(std::stoi(word.substr(0, comma)),
                                       std::stoi(word.substr(comma + 1))));
    }
    return cells;
}

// Lines "name | side | plies | winning moves | stones"; '#' starts a comment.
std::vector<Tactic> loadTactics(const char* path) {
    std::vector<Tactic> tactics;
    std::ifstream in(path);
    for (std::string line; std::getline(in, line);) {
        if (line.empty() || line[0] == '#') continue;
        std::vector<std::string> fields;
        std::istringstream row(line);
        for (std::string field; std::getline(row, field, '|');) fields.push_back(field);
        if (fields.size() != 5) continue;
        const auto first = fields[0].find_first_not_of(' ');
        const auto last = fields[0].find_last_not_of(' ');
        tactics.push_back({fields[0].substr(first, last - first + 1), cellsOf(fields[4]),
                           cellsOf(fields[3])});
    }
    return tactics;
}

// The solver alone, without a limit, from the position as the engine would get it.
void solveTactic(benchmark::State& state, const Tactic& tactic) {
    engine::Search engine(std::size_t{16} << 20U);
    for (auto _ : state) {
        Position position(20, 20);
        for (const int c : tactic.stones) position.play(c);
        engine.clear();
        const int move = engine.solve(position, 40, false);
        if (std::find(tactic.winningMoves.begin(), tactic.winningMoves.end(), move) ==
            tactic.winningMoves.end())
            state.SkipWithError("no winning first move found");
    }
}

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    static const std::vector<Tactic> tactics = loadTactics(CINQUEVOLE_TACTICS_FILE);
    for (const Tactic& tactic : tactics) {
        benchmark::RegisterBenchmark(("BM_SolveTactic/" + tactic.name).c_str(), solveTactic, tactic)
            ->Unit(benchmark::kMicrosecond);
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
