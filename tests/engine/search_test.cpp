#include "engine/search.h"

#include <gtest/gtest.h>

#include <random>
#include <utility>
#include <vector>

namespace engine {
namespace {

using Stones = std::vector<std::pair<int, int>>;

Position board(const Stones& black, const Stones& white, Side toMove, int size = 15) {
    Position position(size, size);
    for (const auto& [x, y] : black)
        position.place(Position::cell(x, y), Side::Black);
    for (const auto& [x, y] : white)
        position.place(Position::cell(x, y), Side::White);
    position.setToMove(toMove);
    return position;
}

std::pair<int, int> xy(int cell) {
    return {Position::xOf(cell), Position::yOf(cell)};
}

TEST(Solver, FindsWinsByFoursAndByThreesAndNothingElse) {
    struct Case {
        const char* name;
        Stones black, white;
        bool byFours, byThrees;
    };
    const Case cases[] = {
        // A four that makes an open three at the same time.
        {"four-three",
         {{5, 5}, {6, 5}, {7, 5}, {8, 6}, {8, 7}},
         {{4, 5}, {0, 0}, {14, 14}, {0, 14}, {14, 0}},
         true,
         true},
        // Two open twos crossing: a double three, which fours alone cannot win.
        {"three-three",
         {{6, 7}, {7, 7}, {8, 5}, {8, 6}},
         {{0, 0}, {14, 14}, {0, 14}, {14, 0}},
         false,
         true},
        // An open three to move: the open four wins.
        {"open three", {{6, 7}, {7, 7}, {8, 7}}, {{0, 0}, {14, 14}, {0, 14}}, true, true},
        // An open two: a three, which the defender answers, and nothing after it.
        {"open two", {{6, 7}, {7, 7}}, {{0, 0}, {14, 14}}, false, false},
        // The same three, closed at one end by a wall-like stone: a four, blocked, and no more.
        {"closed three", {{6, 7}, {7, 7}, {8, 7}}, {{5, 7}, {14, 14}, {0, 14}}, false, false},
    };
    for (const Case& c : cases) {
        for (const bool threes : {false, true}) {
            Position position = board(c.black, c.white, Side::Black);
            const std::uint64_t hash = position.hash();
            Search search(std::size_t{1} << 20U);
            const int move = search.solve(position, 12, threes);
            EXPECT_EQ(move != kNoCell, threes ? c.byThrees : c.byFours) << c.name << " " << threes;
            EXPECT_EQ(position.hash(), hash) << "the solver leaves the position as it found it";
            if (move == kNoCell)
                continue;
            // The move found must be a threat that keeps the win.
            EXPECT_GE(position.threat(Side::Black, move), threes ? Threat::Three : Threat::Four);
        }
    }
}

TEST(Search, TakesFiveBlocksFiveAndAnswersAnOpenThree) {
    Search search(std::size_t{1} << 20U);
    Limits limits;
    limits.nodes = 20000;
    {
        Position p =
            board({{3, 3}, {4, 3}, {5, 3}, {6, 3}}, {{3, 5}, {4, 5}, {5, 5}, {6, 5}}, Side::White);
        const auto result = search.choose(p, limits);
        EXPECT_TRUE(xy(result.move) == std::pair(2, 5) || xy(result.move) == std::pair(7, 5));
        EXPECT_EQ(result.stage, "five");
    }
    {
        Position p = board({{3, 3}, {4, 3}, {5, 3}, {6, 3}}, {{3, 5}, {4, 5}, {9, 9}}, Side::White);
        const auto result = search.choose(p, limits);
        EXPECT_TRUE(xy(result.move) == std::pair(2, 3) || xy(result.move) == std::pair(7, 3));
    }
    {
        // Black's open three in the middle; white has nothing: white must stop it.
        Position p = board({{6, 7}, {7, 7}, {8, 7}}, {{7, 8}, {9, 9}}, Side::White);
        const auto result = search.choose(p, limits);
        const auto [x, y] = xy(result.move);
        EXPECT_EQ(y, 7);
        EXPECT_TRUE(x == 5 || x == 9 || x == 4 || x == 10) << x;
    }
}

TEST(Search, UnderANodeLimitTheSameMoveEveryTime) {
    const Stones black{{7, 7}, {8, 8}, {6, 8}, {9, 6}};
    const Stones white{{8, 7}, {7, 8}, {6, 6}};
    Limits limits;
    limits.nodes = 30000;
    std::vector<int> moves;
    for (int i = 0; i < 3; ++i) {
        Position p = board(black, white, Side::White);
        Search search(std::size_t{1} << 20U);
        const auto result = search.choose(p, limits);
        moves.push_back(result.move);
        EXPECT_LE(result.nodes, limits.nodes + 1000);
    }
    EXPECT_EQ(moves[0], moves[1]);
    EXPECT_EQ(moves[1], moves[2]);
}

// Random positions on boards of every size with walls: the move is always a free cell of the
// board, and the position is left as it was.
TEST(Search, NeverAnIllegalMove) {
    std::mt19937 random(99);
    Search search(std::size_t{1} << 20U);
    Limits limits;
    limits.nodes = 1500;
    for (int round = 0; round < 120; ++round) {
        const int width = 5 + static_cast<int>(random() % 28);
        const int height = 5 + static_cast<int>(random() % 28);
        Position position(width, height, round % 3 == 0 ? Rule::ExactFive : Rule::Freestyle);
        const auto randomCell = [&] {
            return Position::cell(static_cast<int>(random() % static_cast<unsigned>(width)),
                                  static_cast<int>(random() % static_cast<unsigned>(height)));
        };
        const int walls = static_cast<int>(random() % static_cast<unsigned>(width * height / 2));
        for (int i = 0; i < walls; ++i)
            position.setWall(randomCell());
        const int stones = static_cast<int>(random() % 40);
        for (int i = 0; i < stones; ++i) {
            const int c = randomCell();
            if (position.isEmpty(c))
                position.play(c);
        }
        bool anyFree = false;
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x)
                anyFree = anyFree || position.isEmpty(Position::cell(x, y));
        }
        if (!anyFree)
            continue;
        const std::uint64_t hash = position.hash();
        const auto result = search.choose(position, limits);
        ASSERT_NE(result.move, kNoCell) << "round " << round;
        const auto [x, y] = xy(result.move);
        ASSERT_TRUE(position.contains(x, y)) << "round " << round;
        ASSERT_TRUE(position.isEmpty(result.move)) << "round " << round;
        ASSERT_EQ(position.hash(), hash);
    }
}

}  // namespace
}  // namespace engine
