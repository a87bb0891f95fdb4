// The look-arounds from one point: every row of the extending and blocking tables, the rule that
// the first row that holds alone decides a direction, and the order of the directions.
//
// Unless a case says otherwise, P = 652 (row 7, column 7) and the line is the column (step 35):
//   offset  -4   -3   -2   -1    0   +1   +2   +3   +4
//   cell   512  547  582  617  652  687  722  757  792
// Along the row (step 1) cell k is 652 + k; along the diagonals, 652 + 36k and 652 + 34k.
#include <array>
#include <string>
#include <vector>

#include "scene.h"

namespace cinq::test {
namespace {

enum class Search { Extend, Block };

struct RowCase {
    const char* name = "";
    Search search = Search::Extend;
    int n = 0;
    int p = 652;
    std::vector<int> red{};
    std::vector<int> green{};
    std::vector<int> closed{};    // closed after the points are laid
    std::array<int, 6> byRoll{};  // the cell played with the rolls 1 to 6; 0 for none
};

// Lays out a case, with P holding a point of the side that searches from it.
void layOut(Scene& s, const RowCase& c) {
    if (c.search == Search::Extend) {
        s.red({c.p});
    } else {
        s.green({c.p});
    }
    s.red(c.red);
    s.green(c.green);
    s.close(c.closed);
}

void search(Scene& s, const RowCase& c) {
    if (c.search == Search::Extend) {
        s.extend(c.p, c.n);
    } else {
        s.block(c.p, c.n);
    }
}

class TableRow : public testing::TestWithParam<RowCase> {};

TEST_P(TableRow, PlaysItsCellWithTheRollsThatAllowIt) {
    const RowCase& c = GetParam();
    for (int roll = 1; roll <= 6; ++roll) {
        Scene s;
        layOut(s, c);
        s.die.setRolls({roll});
        search(s, c);
        EXPECT_EQ(s.placed(), c.byRoll[static_cast<std::size_t>(roll - 1)]) << "roll " << roll;
        EXPECT_EQ(s.die.drawn(), 1u) << "one roll per call";
        EXPECT_EQ(s.board().strayReads(), 0);
    }
}

constexpr std::array<int, 6> all(int cell) {
    return {cell, cell, cell, cell, cell, cell};
}
constexpr std::array<int, 6> low(int cell) {
    return {cell, cell, cell, 0, 0, 0};
}
constexpr std::array<int, 6> high(int cell) {
    return {0, 0, 0, cell, cell, cell};
}
constexpr std::array<int, 6> lowHigh(int onLow, int onHigh) {
    return {onLow, onLow, onLow, onHigh, onHigh, onHigh};
}
constexpr std::array<int, 6> threeUp(int cell) {
    return {0, 0, cell, cell, cell, cell};
}
constexpr std::array<int, 6> kNothing{};

constexpr Search E = Search::Extend;
constexpr Search B = Search::Block;

// Each case: name, search, n, P, red points, green points, closed cells, the cell played by roll.
// clang-format off
const RowCase kExtendFour[] = {
    {"Row1_OpenFour_DiePicksTheEnd", E, 4, 652, {687, 722, 757}, {}, {}, lowHigh(617, 792)},
    {"Row1_RedOfAFinishedGameCounts", E, 4, 652, {687, 722, 757}, {}, {722}, lowHigh(617, 792)},
    {"Row1_FarEndNotPlayable_PlaysNothing", E, 4, 652, {687, 722, 757}, {}, {792}, kNothing},
    {"Row1_NearEndNotPlayable_PlaysNothing", E, 4, 652, {687, 722, 757}, {}, {617}, kNothing},
    {"Row2_NearEndGreen_PlaysFarEnd", E, 4, 652, {687, 722, 757}, {617}, {}, all(792)},
    // -1 holds a red point of a finished game: no row holds.
    {"Row2_NearEndRed_DoesNotHold", E, 4, 652, {617, 687, 722, 757}, {}, {617}, kNothing},
    // Diagonal 36: +1 688, +2 724, +3 760, +4 796, -1 616.
    {"Row3_FarEndGreen_PlaysNearEnd", E, 4, 652, {688, 724, 760}, {796}, {}, all(616)},
    // P = 582 (row 5): -1 547, -2 512, -3 477 (row 2), -4 442 (row 1, off the sheet), +1 617.
    {"Row4_EdgeBehind_PlaysAhead", E, 4, 582, {547, 512, 477}, {}, {}, all(617)},
    {"Row5_GreenBehind_PlaysAhead", E, 4, 652, {617, 582, 547}, {512}, {}, all(687)},
    // P = 932 (row 15, the last row): -1 897, -2 862, -3 827, -4 792, +1 967 (off the sheet).
    {"Row6_EdgeAhead_PlaysBehind", E, 4, 932, {897, 862, 827}, {}, {}, all(792)},
    // Diagonal 34: -1 618, -2 584, -3 550, -4 516, +1 686.
    {"Row7_GreenAhead_PlaysBehind", E, 4, 652, {618, 584, 550}, {686}, {}, all(516)},
    {"Row8_GapAtPlus3", E, 4, 652, {687, 722, 792}, {}, {}, high(757)},
    {"Row9_GapAtMinus3", E, 4, 652, {617, 582, 512}, {}, {}, high(547)},
    {"Row10_GapAtMinus1", E, 4, 652, {582, 547, 512}, {}, {}, high(617)},
    // Along the row: +1 653, +2 654, +3 655, +4 656.
    {"Row11_GapAtPlus2", E, 4, 652, {653, 655, 656}, {}, {}, high(654)},
};

const RowCase kExtendThree[] = {
    {"Row1_OpenThree_DiePicksTheEnd", E, 3, 652, {687, 722}, {}, {}, lowHigh(617, 757)},
    {"Row1_BeyondFarEndNotPlayable_PlaysNear", E, 3, 652, {687, 722}, {}, {792}, all(617)},
    {"Row1_BeyondNearEndNotPlayable_PlaysFar", E, 3, 652, {687, 722}, {}, {582}, all(757)},
    {"Row1_BothBeyondNotPlayable_PlaysNear", E, 3, 652, {687, 722}, {}, {582, 792}, all(617)},
    {"Row2_OpenThreeBehind_DiePicksTheEnd", E, 3, 652, {617, 582}, {}, {}, lowHigh(687, 547)},
    {"Row2_RedPointClosed_PlaysNothing", E, 3, 652, {617, 582}, {}, {617}, kNothing},
    {"Row2_EndNotPlayable_PlaysNothing", E, 3, 652, {617, 582}, {}, {547}, kNothing},
    {"Row3_GapAtPlus2", E, 3, 652, {687, 757}, {}, {}, high(722)},
    {"Row4_GapAtMinus2", E, 3, 652, {617, 547}, {}, {}, high(582)},
    {"Row5_GapAtMinus1", E, 3, 652, {582, 547}, {}, {}, high(617)},
    // Along the row: -1 651, +1 653, +2 654, +3 655, +4 656.
    {"Row6_GapAtPlus1", E, 3, 652, {654, 655}, {}, {}, high(653)},
};

const RowCase kExtendTwo[] = {
    {"Row1_SplitTwo_PlaysTheGap", E, 2, 652, {722}, {}, {}, all(687)},
    {"Row1_OtherPointClosed_PlaysNothing", E, 2, 652, {722}, {}, {722}, kNothing},
    {"Row2_OpenTwo_DiePicksTheEnd", E, 2, 652, {687}, {}, {}, lowHigh(617, 722)},
    {"Row2_NearEndTaken_DoesNotHold", E, 2, 652, {687}, {617}, {}, kNothing},
    {"Row2_OneBeyondTaken_PlaysNothing", E, 2, 652, {687}, {582}, {}, kNothing},
    {"Row2_OneBeyondNotPlayable_PlaysNothing", E, 2, 652, {687}, {}, {757}, kNothing},
};

const RowCase kExtendOne[] = {
    {"Row1_DiePicksAboveOrBelow", E, 1, 652, {}, {}, {}, lowHigh(617, 687)},
    // The column is taken at +2 (722); along the row: -1 651, +1 653.
    {"Row1_ColumnTaken_PlaysAlongTheRow", E, 1, 652, {}, {722}, {}, lowHigh(651, 653)},
};

const RowCase kBlockFour[] = {
    {"Row1_OpenFour_DiePicksTheEnd", B, 4, 652, {}, {687, 722, 757}, {}, lowHigh(617, 792)},
    {"Row1_FarEndNotPlayable_PlaysNear", B, 4, 652, {}, {687, 722, 757}, {792}, all(617)},
    {"Row1_NearEndNotPlayable_PlaysFar", B, 4, 652, {}, {687, 722, 757}, {617}, all(792)},
    {"Row1_NeitherEndPlayable_Refused", B, 4, 652, {}, {687, 722, 757}, {617, 792}, kNothing},
    {"Row2_RedBehind_PlaysAhead", B, 4, 652, {617}, {687, 722, 757}, {}, all(792)},
    {"Row2_ClosedGreenBehind_PlaysAhead", B, 4, 652, {}, {617, 687, 722, 757}, {617}, all(792)},
    // P = 477 (row 2): -1 442 (row 1, off the sheet), +1 512, +2 547, +3 582, +4 617.
    {"Row2_EdgeBehind_PlaysAhead", B, 4, 477, {}, {512, 547, 582}, {}, all(617)},
    {"Row2_OpenBehind_PlaysNothing", B, 4, 652, {}, {617, 687, 722, 757}, {}, kNothing},
    // Along the row: -1 651, +1 653, +2 654, +3 655, +4 656.
    {"Row3_RedAhead_PlaysBehind", B, 4, 652, {656}, {653, 654, 655}, {}, all(651)},
    // -1 holds a green point: row 3 does not hold, and row 6 fills the gap at -3.
    {"Row3_NearEndTaken_DoesNotHold", B, 4, 652, {792}, {617, 582, 512, 687, 722, 757}, {},
     threeUp(547)},
    {"Row4_ClosedGreenAhead_PlaysBehind", B, 4, 652, {}, {687, 722, 757, 792}, {792}, all(617)},
    {"Row5_GapAtPlus3", B, 4, 652, {}, {687, 722, 792}, {}, threeUp(757)},
    {"Row6_GapAtMinus3", B, 4, 652, {}, {617, 582, 512}, {}, threeUp(547)},
    {"Row7_GapAtPlus2", B, 4, 652, {}, {687, 757, 792}, {}, low(722)},
};

const RowCase kBlockThree[] = {
    {"Row1_OpenThree_DiePicksTheEnd", B, 3, 652, {}, {687, 722}, {}, lowHigh(617, 757)},
    {"Row1_EndNotPlayable_PlaysNothing", B, 3, 652, {}, {687, 722}, {757}, kNothing},
    // Diagonal 34: -1 618, +1 686, +2 720, +3 754, +4 788.
    {"Row2_GapAtPlus2", B, 3, 652, {}, {686, 754}, {}, threeUp(720)},
    {"Row3_OpenThreeBehind_DiePicksTheEnd", B, 3, 652, {}, {617, 582}, {}, lowHigh(687, 547)},
    {"Row3_TakenTwoAhead_DoesNotHold", B, 3, 652, {}, {617, 582, 722}, {}, kNothing},
    {"Row3_EndNotPlayable_PlaysNothing", B, 3, 652, {}, {617, 582}, {547}, kNothing},
    {"Row4_GapAtMinus2_WhateverTheRoll", B, 3, 652, {}, {617, 547}, {}, all(582)},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(ExtendFour, TableRow, testing::ValuesIn(kExtendFour), CaseName());
INSTANTIATE_TEST_SUITE_P(ExtendThree, TableRow, testing::ValuesIn(kExtendThree), CaseName());
INSTANTIATE_TEST_SUITE_P(ExtendTwo, TableRow, testing::ValuesIn(kExtendTwo), CaseName());
INSTANTIATE_TEST_SUITE_P(ExtendOne, TableRow, testing::ValuesIn(kExtendOne), CaseName());
INSTANTIATE_TEST_SUITE_P(BlockFour, TableRow, testing::ValuesIn(kBlockFour), CaseName());
INSTANTIATE_TEST_SUITE_P(BlockThree, TableRow, testing::ValuesIn(kBlockThree), CaseName());

// In the column a row holds whose action plays nothing or whose cell is refused, while a later
// row of the same table would play `shadowed`. The column is left at that row; the row then
// plays `played` (the same length's pattern laid along the row: +1 653, +2 654, +3 655, +4 656,
// -1 651).
struct FirstRowCase {
    RowCase layout;
    int roll = 0;
    int shadowed = 0;
    int played = 0;
};

class FirstRowDecides : public testing::TestWithParam<FirstRowCase> {};

TEST_P(FirstRowDecides, TheColumnEndsAtTheFirstRowThatHoldsAndTheRowIsSearched) {
    const FirstRowCase& c = GetParam();
    Scene s;
    layOut(s, c.layout);
    s.die.setRolls({c.roll});
    search(s, c.layout);
    EXPECT_FALSE(s.board().hasPoint(c.shadowed));
    EXPECT_EQ(s.placed(), c.played);
}

std::string firstRowName(const testing::TestParamInfo<FirstRowCase>& param) {
    return param.param.layout.name;
}

// clang-format off
const FirstRowCase kFirstRowCases[] = {
    // Extend 4: row 1 holds (+4 closed, so nothing); row 10 (red -2 to -4, -1 empty) would play
    // 617. Along the row an open four: roll 4 plays +4.
    {{"Extend4_Row1PlaysNothing_Row10NotTried", E, 4, 652,
      {512, 547, 582, 687, 722, 757, 653, 654, 655}, {}, {792}}, 4, 617, 656},
    // Extend 4: row 8 plays +3 (757, closed: refused); row 9 would play -3 (547).
    {{"Extend4_Row8Refused_Row9NotTried", E, 4, 652,
      {687, 722, 792, 617, 582, 512, 653, 654, 655}, {}, {757}}, 4, 547, 656},
    // Extend 3: row 5 plays -1 (617, closed: refused); row 6 would play +1 (687). Along the
    // row an open three: roll 4 plays +3.
    {{"Extend3_Row5Refused_Row6NotTried", E, 3, 652,
      {582, 547, 722, 757, 653, 654}, {}, {617}}, 4, 687, 655},
    // Block 4: row 2 holds with -1 green (open), so nothing; row 6 (green -1, -2, -4, -3 empty)
    // would play 547. Along the row an open four: roll 4 plays +4.
    {{"Block4_Row2PlaysNothing_Row6NotTried", B, 4, 652, {},
      {512, 582, 617, 687, 722, 757, 653, 654, 655}, {}}, 4, 547, 656},
    // Block 4: row 5 plays +3 (757, closed: refused); row 6 would play 547. Along the row an
    // open four: roll 3 plays -1.
    {{"Block4_Row5Refused_Row6NotTried", B, 4, 652, {},
      {687, 722, 792, 617, 582, 512, 653, 654, 655}, {757}}, 3, 547, 651},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(LookAround, FirstRowDecides, testing::ValuesIn(kFirstRowCases),
                         firstRowName);

// The same row holds in every direction, except those spoiled; the first direction in the
// order column, row, diagonal 36, diagonal 34 that is not spoiled is played, and only it.
struct DirectionCase {
    std::vector<int> spoilers;
    int played = 0;
};

class ExtendDirections : public testing::TestWithParam<DirectionCase> {};

// A lone red point, n = 1, roll 4 plays +1; a green point at +2 spoils a direction:
//   column 722 -> 687, row 654 -> 653, diagonal 36 724 -> 688, diagonal 34 720 -> 686.
TEST_P(ExtendDirections, FirstFreeDirectionInOrder) {
    Scene s;
    s.red({652});
    s.green(GetParam().spoilers);
    s.die.setRolls({4});
    s.extend(652, 1);
    EXPECT_EQ(s.placed(), GetParam().played);
}

INSTANTIATE_TEST_SUITE_P(LookAround, ExtendDirections,
                         testing::Values(DirectionCase{{}, 687}, DirectionCase{{722}, 653},
                                         DirectionCase{{722, 654}, 688},
                                         DirectionCase{{722, 654, 724}, 686},
                                         DirectionCase{{722, 654, 724, 720}, 0}));

class BlockDirections : public testing::TestWithParam<DirectionCase> {};

// Human points at -1 and -3 in every direction (column 617, 547; row 651, 649; diagonal 36
// 616, 544; diagonal 34 618, 550): n = 3 row 4 plays -2, which a red point there spoils:
//   column 582, row 650, diagonal 36 580, diagonal 34 584.
TEST_P(BlockDirections, FirstFreeDirectionInOrder) {
    Scene s;
    s.green({652, 617, 547, 651, 649, 616, 544, 618, 550});
    s.red(GetParam().spoilers);
    s.block(652, 3);
    EXPECT_EQ(s.placed(), GetParam().played);
}

INSTANTIATE_TEST_SUITE_P(LookAround, BlockDirections,
                         testing::Values(DirectionCase{{}, 582}, DirectionCase{{582}, 650},
                                         DirectionCase{{582, 650}, 580},
                                         DirectionCase{{582, 650, 580}, 584},
                                         DirectionCase{{582, 650, 580, 584}, 0}));

TEST(LookAround, OneRollServesAllFourDirections) {
    Scene s;
    s.red({652});
    s.green({722});  // spoils the column
    s.die.setRolls({4, 1});
    s.extend(652, 1);
    // A second roll (1) would have played 651.
    EXPECT_EQ(s.placed(), 653);
    EXPECT_EQ(s.die.drawn(), 1u);
}

TEST(LookAround, LengthsOutsideTheTablesDrawARollAndPlayNothing) {
    for (const int n : {-1, 0, 5, 6}) {
        Scene s;
        s.red({652});
        s.extend(652, n);
        EXPECT_EQ(s.placed(), 0) << "extend " << n;
        EXPECT_EQ(s.die.drawn(), 1u) << "extend " << n;
    }
    for (const int n : {0, 1, 2, 5}) {
        Scene s;
        s.green({652, 687, 722});  // an open three in the column
        s.block(652, n);
        EXPECT_EQ(s.placed(), 0) << "block " << n;
        EXPECT_EQ(s.die.drawn(), 1u) << "block " << n;
    }
}

TEST(LookAround, StopsAtTheFirstPlacement) {
    // Open fours in the column and along the row: only the column's end is played.
    Scene s;
    s.red({652, 687, 722, 757, 653, 654, 655});
    s.die.setRolls({4});
    s.extend(652, 4);
    EXPECT_EQ(s.placed(), 792);
    EXPECT_FALSE(s.board().hasPoint(656));
}

}  // namespace
}  // namespace cinq::test
