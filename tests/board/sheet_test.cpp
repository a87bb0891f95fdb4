// The sheet: where intersections are, which lie on the sheet for a window size, and how a click
// finds its intersection.
#include <gtest/gtest.h>

#include "board/board.h"
#include "replay/state_dump.h"
#include "support/test_game.h"

namespace cinq {
namespace {

TEST(IndexScheme, RowsAndColumnsOfKnownSlots) {
    EXPECT_EQ(indexOf(3, 15), 520);
    EXPECT_EQ(indexOf(2, 2), 472);
    EXPECT_EQ(indexOf(21, 29), 1164);
    EXPECT_EQ(rowOf(1511), 31);
    EXPECT_EQ(columnOf(1511), 26);
    EXPECT_EQ(targetLeft(520), 360 * 15 - 140);
    EXPECT_EQ(targetTop(520), 360 * 3 - 140);
    EXPECT_EQ(targetLeft(399), 0);  // parked slots sit at the origin
    EXPECT_EQ(targetTop(12), 0);
}

struct HitCase {
    int x, y;  // twips in the client area
    int expected;
};

class HitTest : public ::testing::TestWithParam<HitCase> {};

TEST_P(HitTest, TargetReaches140BeforeAnd220AfterItsIntersection) {
    EXPECT_EQ(slotAt(GetParam().x, GetParam().y), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Edges, HitTest,
    ::testing::Values(HitCase{360 * 5, 360 * 4, indexOf(4, 5)},              // on it
                      HitCase{360 * 5 + 219, 360 * 4 + 219, indexOf(4, 5)},  // 219 after
                      HitCase{360 * 5 + 220, 360 * 4, indexOf(4, 6)},        // next column
                      HitCase{360 * 5, 360 * 4 + 220, indexOf(5, 5)},        // next row
                      HitCase{360 * 5 - 140, 360 * 4 - 140, indexOf(4, 5)},  // 140 before
                      HitCase{360 * 5 - 141, 360 * 4, indexOf(4, 4)},        // previous column
                      HitCase{-141, 500, -1},                                // left of the grid
                      HitCase{360 * 35 - 140, 500, -1},                      // right of the grid
                      HitCase{360 * 27 - 140, 360 * 31, -1}));               // past slot 1511

struct RowBandCase {
    int height;
    int lastRow;
};

class RowBands : public ::testing::TestWithParam<RowBandCase> {};

TEST_P(RowBands, LastRowForOuterHeight) {
    EXPECT_EQ(Board::lastRowFor(GetParam().height), GetParam().lastRow);
}

INSTANTIATE_TEST_SUITE_P(EveryEdge, RowBands,
                         ::testing::Values(RowBandCase{5000, 21}, RowBandCase{6539, 21},
                                           RowBandCase{6540, 15}, RowBandCase{6899, 15},
                                           RowBandCase{6900, 16}, RowBandCase{7259, 16},
                                           RowBandCase{7260, 17}, RowBandCase{7619, 17},
                                           RowBandCase{7620, 18}, RowBandCase{7979, 18},
                                           RowBandCase{7980, 19}, RowBandCase{8339, 19},
                                           RowBandCase{8340, 20}, RowBandCase{8699, 20},
                                           RowBandCase{8700, 21}, RowBandCase{20000, 21}));

struct ColumnBandCase {
    int width;
    int lastColumn;  // -1: between bands, the previous column is kept
};

class ColumnBands : public ::testing::TestWithParam<ColumnBandCase> {};

TEST_P(ColumnBands, LastColumnForOuterWidth) {
    const auto column = Board::lastColumnFor(GetParam().width);
    EXPECT_EQ(column.value_or(-1), GetParam().lastColumn);
}

INSTANTIATE_TEST_SUITE_P(EveryEdge, ColumnBands,
                         ::testing::Values(ColumnBandCase{8729, -1}, ColumnBandCase{8730, 20},
                                           ColumnBandCase{9075, 20}, ColumnBandCase{9080, -1},
                                           ColumnBandCase{9085, 21}, ColumnBandCase{9435, 21},
                                           ColumnBandCase{9440, -1}, ColumnBandCase{9445, 22},
                                           ColumnBandCase{9795, 22}, ColumnBandCase{9805, 23},
                                           ColumnBandCase{10155, 23}, ColumnBandCase{10165, 24},
                                           ColumnBandCase{10515, 24}, ColumnBandCase{10525, 25},
                                           ColumnBandCase{10875, 25}, ColumnBandCase{10880, -1},
                                           ColumnBandCase{10895, 26}, ColumnBandCase{11235, 26},
                                           ColumnBandCase{11245, 27}, ColumnBandCase{11595, 27},
                                           ColumnBandCase{11605, 28}, ColumnBandCase{11945, 28},
                                           ColumnBandCase{11950, -1}, ColumnBandCase{11955, 29},
                                           ColumnBandCase{12120, 29}));

// The playable rectangle as (first row, last row, first column, last column).
struct Rectangle {
    int lastRow, lastColumn;
};

Rectangle playableRectangle(const Board& board) {
    int lastRow = -1;
    int lastColumn = -1;
    for (int i = kFirstGridSlot; i < kSlotCount; ++i) {
        if (board.isPlayable(i)) {
            EXPECT_GE(rowOf(i), 2) << i;
            EXPECT_GE(columnOf(i), 2) << i;
            lastRow = std::max(lastRow, rowOf(i));
            lastColumn = std::max(lastColumn, columnOf(i));
        }
    }
    for (int i = 0; i < kFirstGridSlot; ++i) {
        EXPECT_FALSE(board.isPlayable(i)) << i;
    }
    return {lastRow, lastColumn};
}

int playableCount(const Board& board) {
    int n = 0;
    for (int i = 0; i < kSlotCount; ++i) {
        n += board.isPlayable(i) ? 1 : 0;
    }
    return n;
}

TEST(WindowSize, DesignAndLargestSheets) {
    test::TestGame t;
    EXPECT_EQ(playableRectangle(t.board()).lastRow, 15);
    EXPECT_EQ(playableRectangle(t.board()).lastColumn, 20);
    EXPECT_EQ(playableCount(t.board()), 14 * 19);

    t.resize(kLargestOuterSize);
    EXPECT_EQ(playableRectangle(t.board()).lastRow, 21);
    EXPECT_EQ(playableRectangle(t.board()).lastColumn, 29);
    EXPECT_EQ(playableCount(t.board()), 20 * 28);
}

TEST(WindowSize, TooLargeSnapsBackToLargestInNormalState) {
    for (const OuterSize size : {OuterSize{12135, 7000}, OuterSize{9000, 8715}}) {
        test::TestGame t;
        t.host.state = WindowState::Maximised;
        t.resize(size);
        EXPECT_EQ(t.host.normalAtLargestCalls, 1);
        EXPECT_EQ(t.host.state, WindowState::Normal);
        EXPECT_EQ(playableRectangle(t.board()).lastRow, 21);
        EXPECT_EQ(playableRectangle(t.board()).lastColumn, 29);
    }
}

TEST(WindowSize, WidthBetweenBandsKeepsPreviousColumn) {
    test::TestGame t;
    t.resize({10000, 6540});
    EXPECT_EQ(playableRectangle(t.board()).lastColumn, 23);
    t.resize({10880, 6540});  // between the bands of columns 25 and 26
    EXPECT_EQ(playableRectangle(t.board()).lastColumn, 23);
}

TEST(WindowSize, MinimisedWindowKeepsItsSheet) {
    test::TestGame t;
    t.host.state = WindowState::Minimised;
    t.resize({12120, 8700});
    EXPECT_EQ(playableRectangle(t.board()).lastRow, 15);
}

TEST(WindowSize, ClosedIntersectionsStayClosedBothWays) {
    test::TestGame t;
    t.board().close(indexOf(5, 5));
    t.board().close(indexOf(15, 20));
    for (const OuterSize size : {kLargestOuterSize, kDesignOuterSize, kLargestOuterSize}) {
        t.resize(size);
        EXPECT_FALSE(t.board().isPlayable(indexOf(5, 5)));
        EXPECT_TRUE(t.board().isClosed(indexOf(15, 20)));
        EXPECT_FALSE(t.board().isPlayable(indexOf(15, 20)));
    }
}

TEST(WindowSize, ResizeKeepsPointsThatFallOffTheSheet) {
    test::TestGame t;
    t.resize(kLargestOuterSize);
    t.put({indexOf(20, 25)}, PointColour::Green);
    t.resize(kDesignOuterSize);
    const Slot& slot = t.board().at(indexOf(20, 25));
    EXPECT_FALSE(slot.playable);
    EXPECT_TRUE(slot.hasPoint);
    EXPECT_EQ(slot.colour, PointColour::Green);
    EXPECT_FALSE(t.board().matches(indexOf(20, 25), PointColour::Green));
}

TEST(EdgeBand, NoLineRunsFromOneRowIntoTheNext) {
    // At the largest window, every slot between the end of one row and the start of the next
    // is off the sheet, so all four directions stop at a row's end.
    test::TestGame t;
    t.resize(kLargestOuterSize);
    for (int row = 2; row <= 21; ++row) {
        for (int column = 30; column < kColumns; ++column) {
            EXPECT_TRUE(t.board().isOffSheet(indexOf(row, column)));
        }
        EXPECT_TRUE(t.board().isOffSheet(indexOf(row + 1, 0)));
        EXPECT_TRUE(t.board().isOffSheet(indexOf(row + 1, 1)));
    }
    EXPECT_EQ(replay::sheetPicture(t.board()).substr(0, std::size_t{36} * 3),
              std::string(35, '-') + "\n" + std::string(35, '-') + "\n--" + std::string(28, '.') +
                  "-----\n");
}

TEST(Board, StrayReadsAnswerOffSheetAndAreCounted) {
    Board board;
    EXPECT_FALSE(board.isPlayable(-1));
    EXPECT_FALSE(board.hasPoint(1512));
    EXPECT_EQ(board.colour(9000), PointColour::Neutral);
    EXPECT_EQ(board.strayReads(), 3);
}

}  // namespace
}  // namespace cinq
