#include "engine/position.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

namespace engine {
namespace {

// Everything the position keeps up to date, compared with a position built afresh.
void expectSameState(const Position& a, const Position& b) {
    ASSERT_EQ(a.hash(), b.hash());
    for (const Side side : {Side::Black, Side::White}) {
        ASSERT_EQ(a.scoreSum(side), b.scoreSum(side));
        for (int t = 0; t < kThreatCount; ++t)
            ASSERT_EQ(a.threatCount(side, static_cast<Threat>(t)),
                      b.threatCount(side, static_cast<Threat>(t)));
        for (int y = 0; y < a.height(); ++y) {
            for (int x = 0; x < a.width(); ++x) {
                const int c = Position::cell(x, y);
                ASSERT_EQ(a.at(c), b.at(c));
                if (!a.isEmpty(c))
                    continue;
                ASSERT_EQ(a.threat(side, c), b.threat(side, c)) << x << "," << y;
                ASSERT_EQ(a.score(side, c), b.score(side, c)) << x << "," << y;
                for (int d = 0; d < 4; ++d)
                    ASSERT_EQ(a.pattern(side, c, d), b.pattern(side, c, d));
            }
        }
    }
}

Position rebuilt(const Position& from, const std::vector<int>& walls,
                 const std::vector<std::pair<int, Side>>& stones) {
    Position fresh(from.width(), from.height(), from.rule());
    for (const int w : walls)
        fresh.setWall(w);
    for (const auto& [c, side] : stones)
        fresh.place(c, side);
    fresh.setToMove(from.toMove());
    return fresh;
}

TEST(Position, IncrementalUpdatesMatchAFreshPositionAndUndoRestoresIt) {
    std::mt19937 random(7);
    for (const Rule rule : {Rule::Freestyle, Rule::ExactFive}) {
        for (int round = 0; round < 6; ++round) {
            const int width = 8 + static_cast<int>(random() % 25);
            const int height = 8 + static_cast<int>(random() % 25);
            Position position(width, height, rule);
            const Position empty = position;
            std::vector<int> walls;
            for (int i = 0; i < 12; ++i) {
                const int c =
                    Position::cell(static_cast<int>(random() % static_cast<unsigned>(width)),
                                   static_cast<int>(random() % static_cast<unsigned>(height)));
                if (position.isEmpty(c)) {
                    position.setWall(c);
                    walls.push_back(c);
                }
            }
            const Position walled = position;
            std::vector<std::pair<int, Side>> stones;
            for (int i = 0; i < 60; ++i) {
                // Stones cluster as in real games, so that threats of every kind arise.
                const int c = Position::cell(width / 2 - 4 + static_cast<int>(random() % 9),
                                             height / 2 - 4 + static_cast<int>(random() % 9));
                if (!position.isEmpty(c))
                    continue;
                stones.emplace_back(c, position.toMove());
                position.play(c);
                if (i % 7 == 0)
                    expectSameState(position, rebuilt(position, walls, stones));
            }
            expectSameState(position, rebuilt(position, walls, stones));
            while (position.stoneCount() > 0)
                position.undo();
            expectSameState(position, walled);
            for (const int w : walls)
                position.clearWall(w);
            expectSameState(position, empty);
        }
    }
}

struct Row {
    const char* rows[7];
    Threat black;  // at the cell marked '+'
};

TEST(Position, ThreatsOnTheBoardWithWallsAndEdges) {
    const Row cases[] = {
        {{".........", ".........", ".........", "..xxx+...", ".........", ".........",
          "........."},
         Threat::OpenFour},
        {{".........", ".........", ".........", ".#xxx+...", ".........", ".........",
          "........."},
         Threat::Four},
        {{".........", ".........", ".........", ".#xxx+#..", ".........", ".........",
          "........."},
         Threat::None},
        {{".........", ".........", "....x....", "....x....", "..xx+....", ".........",
          "........."},
         Threat::ThreeThree},
        {{"....#....", "....x....", "....x....", "....x....", "..xx+....", ".........",
          "........."},
         Threat::FourThree},
        {{"xxx+.....", ".........", ".........", ".........", ".........", ".........",
          "........."},
         Threat::Four},  // the edge blocks the row
    };
    for (const Row& row : cases) {
        Position position(9, 7);
        int target = kNoCell;
        for (int y = 0; y < 7; ++y) {
            for (int x = 0; x < 9; ++x) {
                const char c = row.rows[y][x];
                const int cell = Position::cell(x, y);
                if (c == 'x')
                    position.place(cell, Side::Black);
                if (c == '#')
                    position.setWall(cell);
                if (c == '+')
                    target = cell;
            }
        }
        EXPECT_EQ(position.threat(Side::Black, target), row.black)
            << row.rows[3] << "/" << row.rows[4];
        EXPECT_EQ(position.threat(Side::White, target), Threat::None);
    }
}

// The same stones among other walls: each layout its own hash, which undo and clearWall restore.
TEST(Position, WallsAreInTheHash) {
    const std::vector<std::vector<std::pair<int, int>>> layouts{
        {}, {{0, 0}}, {{1, 0}}, {{0, 0}, {1, 0}}, {{13, 13}}, {{4, 9}, {9, 4}, {13, 0}},
    };
    const std::vector<std::pair<int, int>> stones{{7, 7}, {8, 7}, {7, 8}, {6, 6}, {9, 9}};
    const auto build = [&](const std::vector<std::pair<int, int>>& walls) {
        Position position(14, 14);
        for (const auto& [x, y] : stones)
            position.play(Position::cell(x, y));
        for (const auto& [x, y] : walls)
            position.setWall(Position::cell(x, y));
        return position;
    };
    const std::uint64_t open = build({}).hash();
    std::vector<std::uint64_t> hashes;
    for (const auto& walls : layouts) {
        Position position = build(walls);
        const std::uint64_t hash = position.hash();
        hashes.push_back(hash);
        // Walls set before the stones: the same position, the same hash.
        Position wallsFirst(14, 14);
        for (const auto& [x, y] : walls)
            wallsFirst.setWall(Position::cell(x, y));
        for (const auto& [x, y] : stones)
            wallsFirst.play(Position::cell(x, y));
        EXPECT_EQ(wallsFirst.hash(), hash);
        // A move and its undo, a wall set and cleared again on an empty cell.
        position.play(Position::cell(3, 11));
        EXPECT_NE(position.hash(), hash);
        position.undo();
        EXPECT_EQ(position.hash(), hash);
        position.setWall(Position::cell(12, 2));
        EXPECT_NE(position.hash(), hash);
        position.clearWall(Position::cell(12, 2));
        EXPECT_EQ(position.hash(), hash);
        // Setting a wall on a stone or clearing one off the board changes nothing.
        position.setWall(Position::cell(7, 7));
        position.clearWall(Position::cell(-1, 3));
        EXPECT_EQ(position.hash(), hash);
        for (const auto& [x, y] : walls)
            position.clearWall(Position::cell(x, y));
        EXPECT_EQ(position.hash(), open);
    }
    std::sort(hashes.begin(), hashes.end());
    EXPECT_EQ(std::adjacent_find(hashes.begin(), hashes.end()), hashes.end());
}

// A board without walls hashes as it always did: the tables of searches of open boards are
// unchanged (the middle game of the engine's benchmark).
TEST(Position, TheHashOfAnOpenBoardIsUnchanged) {
    const int moves[][2] = {{10, 9}, {11, 8}, {8, 12}, {9, 8},  {9, 12}, {10, 12},
                            {9, 13}, {10, 8}, {8, 8},  {9, 11}, {8, 13}};
    Position position(20, 20);
    for (const auto& [x, y] : moves)
        position.play(Position::cell(x, y));
    EXPECT_EQ(position.hash(), 0xbe3a570d6cf39481ULL);
}

TEST(Position, DefencesOfAnOpenThree) {
    Position position(15, 15);
    for (const int x : {6, 7, 8})
        position.place(Position::cell(x, 7), Side::Black);
    std::vector<int> defences;
    position.defences(Side::Black, defences);
    std::vector<std::pair<int, int>> found;
    found.reserve(defences.size());
    for (const int c : defences)
        found.emplace_back(Position::xOf(c), Position::yOf(c));
    std::sort(found.begin(), found.end());
    // Only the two ends: a stone one further still leaves an open four on the other side.
    const std::vector<std::pair<int, int>> expected{{5, 7}, {9, 7}};
    EXPECT_EQ(found, expected);
}

}  // namespace
}  // namespace engine
