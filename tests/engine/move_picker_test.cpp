#include "engine/move_picker.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <set>
#include <vector>

namespace engine {
namespace {

std::vector<int> picked(const Position& position, const OrderHints& hints, std::size_t width,
                        bool& forced) {
    MoveStack stack;
    MoveStack::Frame frame(stack);
    MovePicker picker;
    forced = picker.pick(position, hints, width, frame);
    std::vector<int> cells;
    for (std::size_t i = 0; i < frame.size(); ++i)
        cells.push_back(frame.cell(i));
    return cells;
}

// Every empty cell in the 5 x 5 square around a stone, found by looking at every cell.
std::set<int> nearCells(const Position& position) {
    std::set<int> cells;
    for (int y = 0; y < position.height(); ++y) {
        for (int x = 0; x < position.width(); ++x) {
            const int c = Position::cell(x, y);
            if (position.at(c) != Stone::Black && position.at(c) != Stone::White)
                continue;
            for (int dy = -2; dy <= 2; ++dy) {
                for (int dx = -2; dx <= 2; ++dx) {
                    if (position.contains(x + dx, y + dy) &&
                        position.isEmpty(Position::cell(x + dx, y + dy)))
                        cells.insert(Position::cell(x + dx, y + dy));
                }
            }
        }
    }
    return cells;
}

// On boards of every size with walls and stones anywhere, a quiet node with no limit of width
// yields every empty cell near a stone once; with a width, the best of them in the same order.
TEST(MovePicker, YieldsEveryNearCellOnceAndTheBestFirst) {
    std::mt19937 random(7);
    int quiet = 0;
    for (int round = 0; round < 300; ++round) {
        const int width = 5 + static_cast<int>(random() % 28);
        const int height = 5 + static_cast<int>(random() % 28);
        Position position(width, height);
        const auto randomCell = [&] {
            return Position::cell(static_cast<int>(random() % static_cast<unsigned>(width)),
                                  static_cast<int>(random() % static_cast<unsigned>(height)));
        };
        for (int i = static_cast<int>(random() % 12); i > 0; --i) {
            const int c = randomCell();
            if (position.isEmpty(c))
                position.setWall(c);
        }
        for (int i = 1 + static_cast<int>(random() % 10); i > 0; --i) {
            const int c = randomCell();
            if (position.isEmpty(c) && position.fivePoint(position.toMove()) == kNoCell)
                position.play(c);
        }
        const Side them = opponent(position.toMove());
        if (position.fivePoint(them) != kNoCell || position.threatCount(them, Threat::OpenFour) > 0)
            continue;
        ++quiet;
        bool forced = true;
        const std::vector<int> all = picked(position, {}, 10000, forced);
        EXPECT_FALSE(forced);
        EXPECT_EQ(std::set<int>(all.begin(), all.end()).size(), all.size()) << "a cell twice";
        EXPECT_EQ(std::set<int>(all.begin(), all.end()), nearCells(position));
        const std::vector<int> best = picked(position, {}, 6, forced);
        EXPECT_TRUE(std::equal(best.begin(), best.end(), all.begin(),
                               all.begin() + static_cast<std::ptrdiff_t>(best.size())));
        EXPECT_EQ(best.size(), std::min<std::size_t>(6, all.size()));
    }
    EXPECT_GT(quiet, 100);
}

TEST(MovePicker, ThreatsLeaveOnlyTheirAnswers) {
    struct Case {
        const char* name;
        std::vector<std::pair<int, int>> black, white;
        std::set<std::pair<int, int>> answers;
    };
    const Case cases[] = {
        // White's four at 3..6 on row 7, closed by black at 2,7: the block at 7,7 is the only
        // move, whatever black has.
        {"four", {{2, 7}, {7, 4}, {7, 5}, {0, 0}}, {{3, 7}, {4, 7}, {5, 7}, {6, 7}}, {{7, 7}}},
        // White's open three 4..6 on row 7 with room on both sides: only its ends stop the open
        // four (a far cell leaves 7,7 or 3,7 making one); and black's four points along its
        // three 9,2..9,4, two solid and two broken.
        {"open three",
         {{9, 2}, {9, 3}, {9, 4}, {0, 0}},
         {{4, 7}, {5, 7}, {6, 7}, {14, 14}},
         {{3, 7}, {7, 7}, {9, 0}, {9, 1}, {9, 5}, {9, 6}}},
    };
    for (const Case& c : cases) {
        Position position(15, 15);
        for (const auto& [x, y] : c.black)
            position.place(Position::cell(x, y), Side::Black);
        for (const auto& [x, y] : c.white)
            position.place(Position::cell(x, y), Side::White);
        position.setToMove(Side::Black);
        bool forced = false;
        std::set<std::pair<int, int>> got;
        for (const int cell : picked(position, {}, 3, forced))
            got.insert({Position::xOf(cell), Position::yOf(cell)});
        EXPECT_TRUE(forced) << c.name;
        EXPECT_EQ(got, c.answers) << c.name;
    }
}

TEST(MovePicker, TheTableMoveThenTheKillersComeFirst) {
    Position position(15, 15);
    for (const auto& [x, y] : {std::pair{7, 7}, {8, 8}, {6, 8}})
        position.play(Position::cell(x, y));
    const int table = Position::cell(5, 5);
    const int killer = Position::cell(9, 5);
    bool forced = true;
    const auto moves = picked(position, {table, {killer, kNoCell}, nullptr}, 4, forced);
    ASSERT_GE(moves.size(), 2U);
    EXPECT_EQ(moves[0], table);
    EXPECT_EQ(moves[1], killer);
}

}  // namespace
}  // namespace engine
