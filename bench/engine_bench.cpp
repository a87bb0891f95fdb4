// The engine's speed: making and unmaking moves, the search's nodes per second, and the time
// to solve each position of the tactical suite (bench/strength/tactics/vcf.txt) by fours alone.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "engine/search.h"
#include "tactics.h"

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

// The tactical positions the solver missed: the program fails when there is one.
std::set<std::string> missed;

// The solver alone, without a limit, from the position as the engine would get it.
void solveTactic(benchmark::State& state, const tactics::Tactic& tactic) {
    engine::Search engine(std::size_t{16} << 20U);
    bool found = true;
    for (auto _ : state) {
        Position position = tactic.position();
        engine.clear();
        if (!tactic.wins(engine.solve(position, 40, false)))
            found = false;
    }
    if (!found) {
        state.SkipWithError("no winning first move found");
        missed.insert(tactic.name);
    }
}

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    static const std::vector<tactics::Tactic> suite = tactics::load(tactics::suiteFile());
    for (const tactics::Tactic& tactic : suite) {
        benchmark::RegisterBenchmark(("BM_SolveTactic/" + tactic.name).c_str(), solveTactic, tactic)
            ->Unit(benchmark::kMicrosecond);
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    for (const std::string& name : missed)
        std::fprintf(stderr, "tactical position missed: %s\n", name.c_str());
    return missed.empty() ? 0 : 1;
}
