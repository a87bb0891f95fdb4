#include "pbrain/bench.h"

#include <array>
#include <chrono>
#include <ostream>
#include <sstream>
#include <string_view>

#include "engine/position.h"
#include "engine/search.h"

namespace pbrain {
namespace {

struct BenchPosition {
    // The stones in the order played, "x,y x,y …", black first.
    std::string_view moves;
    // Walls as rectangles "x,y,w,h x,y,w,h …", or empty.
    std::string_view walls;
};

// Openings and positions of our own self-play on 20 x 20, five or more; the walled ones use
// rectangles of cells no line passes through, near the stones and against the edge.
constexpr BenchPosition kPositions[] = {
    {"10,10 10,7 5,8", ""},
    {"10,10 9,9 7,7 8,9 7,9 8,10 8,12 7,10 11,9 9,11 9,8", ""},
    {"10,10 6,9 5,11 5,9 9,9 4,9 7,9 8,8 8,10 6,8 7,11 10,8 6,12 5,13 7,10", ""},
    {"10,10 9,10 6,7 10,9 11,8 10,11 11,9 9,11 11,11 11,10 9,12 11,12 12,13 8,9 7,8 8,7 9,8 8,8 "
     "8,10",
     ""},
    {"10,10 8,10 6,7 5,7 7,9 8,9 8,8 6,10 7,10 7,7 5,8 7,11 4,9 7,6 5,9 6,9 6,11 10,8 9,9 8,13 "
     "3,8 8,12 8,11",
     ""},
    {"10,10 8,10 13,8 10,8 11,10 14,10 12,9 14,7 11,9 14,9 14,8 9,9 11,7", ""},
    {"10,10 9,10 13,10 11,12 13,12 13,13 10,11 10,9 11,8 9,12 14,11 12,9 14,10 12,10", ""},
    {"10,10 9,9 7,7 8,9 7,9 8,10 8,12 7,10 11,9", "4,4,3,2 12,6,2,3 6,13,5,1"},
    {"10,10 6,9 5,11 5,9 9,9 4,9 7,9 8,8 8,10 6,8", "0,0,20,3 2,12,3,3 11,14,2,2"},
    {"10,10 8,10 13,8 10,8 11,10 14,10 12,9 14,7", "15,5,1,6 9,12,6,1 6,4,2,2"},
};

constexpr int kSide = 20;

// Reads "a,b c,d …" (groups of `count` numbers) and calls f with each group.
template <std::size_t count, typename F>
void forEachGroup(std::string_view text, F&& f) {
    std::istringstream in{std::string(text)};
    std::string group;
    while (in >> group) {
        std::array<int, count> values{};
        std::istringstream fields(group);
        char comma = 0;
        for (std::size_t i = 0; i < count; ++i) {
            fields >> values[i];
            if (i + 1 < count)
                fields >> comma;
        }
        f(values.data());
    }
}

engine::Position setUp(const BenchPosition& bench) {
    engine::Position position(kSide, kSide);
    forEachGroup<4>(bench.walls, [&](const int* r) {
        for (int y = r[1]; y < r[1] + r[3]; ++y) {
            for (int x = r[0]; x < r[0] + r[2]; ++x)
                position.setWall(engine::Position::cell(x, y));
        }
    });
    forEachGroup<2>(bench.moves,
                    [&](const int* m) { position.play(engine::Position::cell(m[0], m[1])); });
    return position;
}

}  // namespace

std::uint64_t runBench(std::ostream& out, std::uint64_t nodesPerPosition) {
    using Clock = std::chrono::steady_clock;
    engine::Search search(std::size_t{16} << 20U);
    engine::Limits limits;
    limits.nodes = nodesPerPosition;
    std::uint64_t total = 0;
    const auto start = Clock::now();
    int number = 0;
    for (const BenchPosition& bench : kPositions) {
        engine::Position position = setUp(bench);
        search.clear();
        const engine::SearchResult result = search.choose(position, limits);
        total += result.nodes;
        out << "position " << ++number << ": move " << engine::Position::xOf(result.move) << ','
            << engine::Position::yOf(result.move) << " depth " << result.depth << " score "
            << result.score << " nodes " << result.nodes << ' ' << result.stage << '\n';
    }
    const auto ms =
        std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count();
    out << "Total time (ms): " << ms << '\n';
    out << "Nodes/second: " << (ms > 0 ? total * 1000 / static_cast<std::uint64_t>(ms) : total)
        << '\n';
    out << "Nodes searched: " << total << std::endl;
    return total;
}

}  // namespace pbrain
