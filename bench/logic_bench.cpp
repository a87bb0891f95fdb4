// The game's rules on recorded positions: each iteration puts the position back, then runs the
// work once, so that every iteration measures the same work. BM_RestorePosition measures the
// putting back alone.

#include "bench_main.h"

namespace cinq::bench {

namespace {

void restorePosition(benchmark::State& state, const Position& position) {
    BenchGame bench(position);
    for (auto _ : state) {
        bench.restore(position);
        benchmark::DoNotOptimize(bench.game.state());
    }
}

// The computer's whole turn.
void computerTurn(benchmark::State& state, const Position& position) {
    BenchGame bench(position);
    const long drawnBefore = bench.die.drawn();
    for (auto _ : state) {
        bench.restore(position);
        bench.computerTurn(position.humanCount);
        benchmark::DoNotOptimize(bench.game.state().lastComputerPoint);
    }
    state.counters["looks"] = benchmark::Counter(
        static_cast<double>(bench.die.drawn() - drawnBefore), benchmark::Counter::kAvgIterations);
    state.counters["points"] = position.humanCount + position.state.computerMoves.size();
}

// The five-in-a-row test on the human's newest point, which makes no five.
void checkFiveInRowNoFive(benchmark::State& state, const Position& position) {
    BenchGame bench(position);
    const int newest = position.state.humanMoves(position.humanCount);
    for (auto _ : state) {
        GameAccess::checkFiveInRow(bench.game, newest);
        benchmark::DoNotOptimize(bench.game.state().winnerColour);
    }
}

// The five-in-a-row test that finds five: the winning line, the frame, the closing of the game's
// area and the score.
void checkFiveInRowFive(benchmark::State& state) {
    BenchGame bench;
    Game& game = bench.game;
    Board& board = GameAccess::board(game);
    GameState& model = GameAccess::state(game);
    for (const int cell : {652, 653, 654, 656, 617, 618, 690, 655}) {
        board.placePoint(cell, PointColour::Green);
        model.extent.update(cell);
    }
    const Board boardBefore = board;
    const GameState before = model;
    for (auto _ : state) {
        board = boardBefore;
        model = before;
        GameAccess::checkFiveInRow(game, 655);
        benchmark::DoNotOptimize(model.drawing.data());
    }
    if (!game.state().gameOver) {
        state.SkipWithError("no five found");
    }
}

// The resize rule, between the design size and the largest window.
void resizeRule(benchmark::State& state, const Position& position) {
    BenchGame bench(position);
    bool large = false;
    for (auto _ : state) {
        large = !large;
        bench.host.size = large ? kLargestOuterSize : kDesignOuterSize;
        bench.game.windowResized();
        benchmark::DoNotOptimize(bench.game.board());
    }
}

// The position with its game reset, as the opening point and a new sheet find it.
Position withGameReset(const Position& position) {
    Position reset = position;
    BenchGame bench(position);
    GameAccess::resetGame(bench.game);
    reset.state = bench.game.state();
    return reset;
}

// The opening point on a sheet with no free block: band 0, the maximise, bands 1 to 9, the
// message, the new sheet and the point.
void openingPointNoFreeBlock(benchmark::State& state, const Position& position) {
    BenchGame bench(position);
    for (auto _ : state) {
        bench.restore(position);
        GameAccess::placeOpeningPoint(bench.game);
        benchmark::DoNotOptimize(bench.game.state().lastComputerPoint);
    }
    if (bench.host.asked != state.iterations()) {
        state.SkipWithError("a free block was found: not the worst case");
    }
}

// The new-sheet command with no game under way.
void newSheet(benchmark::State& state, const Position& position) {
    BenchGame bench(position);
    for (auto _ : state) {
        bench.restore(position);
        bench.game.menuNewSheet();
        benchmark::DoNotOptimize(bench.game.board());
    }
    if (bench.host.asked != 0) {
        state.SkipWithError("the new sheet asked a question");
    }
}

}  // namespace

}  // namespace cinq::bench

int main(int argc, char** argv) {
    using namespace cinq::bench;
    static std::vector<Position> positions;
    if (!startBenchmarks(argc, argv, positions)) {
        return 1;
    }
    for (const Position& p : positions) {
        benchmark::RegisterBenchmark(("BM_ComputerTurn/" + p.name).c_str(), computerTurn, p);
    }
    for (const Position& p : positions) {
        benchmark::RegisterBenchmark(("BM_RestorePosition/" + p.name).c_str(), restorePosition, p);
    }
    const Position& late = positionNamed(positions, "late");
    const Position& crowded = positionNamed(positions, "crowded");
    static const Position crowdedReset = withGameReset(crowded);
    benchmark::RegisterBenchmark("BM_CheckFiveInRow/no_five", checkFiveInRowNoFive, late);
    benchmark::RegisterBenchmark("BM_CheckFiveInRow/five", checkFiveInRowFive);
    benchmark::RegisterBenchmark("BM_ResizeRule", resizeRule, crowded);
    benchmark::RegisterBenchmark("BM_OpeningPoint/no_free_block", openingPointNoFreeBlock,
                                 crowdedReset);
    benchmark::RegisterBenchmark("BM_NewSheet", newSheet, crowdedReset);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
