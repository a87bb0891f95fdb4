// The computer's turn: the order of the ten steps, their level gates, and the fallback probes.
//
// Cells near 652 (row 7, column 7): the column 617 / 687 (-35 / +35), the row 651 / 653, the
// diagonals 616 / 688 (-36 / +36) and 618 / 686 (-34 / +34). Row 13 starts at 855, so 870 is
// row 13, column 15.
#include <string>
#include <vector>

#include "scene.h"

namespace cinq::test {
namespace {

// Which step plays decides the cell: each case lays out the patterns of two steps and expects
// the cell of the earlier one. Roll 4 throughout.
struct OrderCase {
    const char* name = "";
    std::vector<int> computerMoves{};
    std::vector<int> humanMoves{};
    int played = 0;
};

class StepOrder : public testing::TestWithParam<OrderCase> {};

TEST_P(StepOrder, TheEarlierStepPlays) {
    const OrderCase& c = GetParam();
    Scene s;
    s.computerPoints(c.computerMoves);
    s.humanPoints(c.humanMoves);
    s.die.setRolls({4});
    s.chooseMove(static_cast<int>(c.humanMoves.size()));
    EXPECT_EQ(s.placed(), c.played);
    EXPECT_EQ(s.board().strayReads(), 0);
}

// A turn entered with a point already placed (a new match opened inside the human's click)
// runs none of the steps: whichever would have played, nothing is placed and no die is rolled.
TEST_P(StepOrder, NoStepRunsOnceThePointIsPlaced) {
    const OrderCase& c = GetParam();
    Scene s;
    s.computerPoints(c.computerMoves);
    s.humanPoints(c.humanMoves);
    s.state().computerHasPlayed = true;
    s.chooseMove(static_cast<int>(c.humanMoves.size()));
    EXPECT_EQ(s.placed(), 0);
    EXPECT_EQ(s.die.drawn(), 0u);
}

// clang-format off
const OrderCase kOrderCases[] = {
    // Computer four in the column (open: roll 4 plays +4 from 652), human four along row 13
    // (870 to 873, open at 869 and 874): the computer completes five.
    {"Step1_ExtendFour_BeforeBlockingFour",  {652, 687, 722, 757}, {870, 871, 872, 873}, 792},
    // Computer open three in the column; the human's four is blocked at 874 (roll 4, from 870).
    {"Step2_BlockFour_BeforeExtendingThree", {652, 687, 722},      {870, 871, 872, 873}, 874},
    // Computer open three; human open three: from 722, roll 4 plays -3 = 617.
    {"Step3_ExtendThree_BeforeBlockingThree",{652, 687, 722},      {870, 871, 872},      617},
    // Computer two; human open three: from 872, row 3 with roll 4 plays -3 = 869.
    {"Step5_BlockThree_BeforeExtendingTwo",  {652, 687},           {870, 871, 872},      869},
    // Computer two, a lone human point at 900: from 652, roll 4 plays +2 = 722.
    {"Step6_ExtendTwo_BeforeExtendingOne",   {652, 687},           {900},                722},
    // A lone computer point: roll 4 plays +35 = 687, before the fallback's 901.
    {"Step8_ExtendOne_BeforeTheFallback",    {652},                {900},                687},
    // No computer point: the fallback plays beside the human's point.
    {"Step10_Fallback",                      {},                   {652},                653},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(ChooseComputerMove, StepOrder, testing::ValuesIn(kOrderCases), CaseName());

// The closed three's steps at each level. The computer's first three points, 652, 653 and 654,
// are closed by the human's 655; the closed three plays 651 (pattern 3 from 654). The cells
// above and below them are closed, so that no step looks past them. Its further points, in
// order: 788 (row 11, column 3), whose lone-point extension plays 753 with roll 1, then 792,
// 796, 800 and 804, each walled in by closed intersections so that nothing extends from them.
// The human's points are 655 and either an open three along row 13 (870, 871, 872, blocked at
// 873 with roll 1) or three scattered points on row 14 (900, 904, 908).
struct GateCase {
    const char* name = "";
    LevelOption level = LevelOption::Initiation;
    int computerPoints = 0;
    bool humanThree = false;
    int played = 0;
};

class LevelGates : public testing::TestWithParam<GateCase> {};

TEST_P(LevelGates, OpenTheClosedThreeSteps) {
    const GateCase& c = GetParam();
    Scene s;
    s.options.chooseLevel(c.level);
    s.close({616, 617, 618, 619, 620, 686, 687, 688, 689, 690});
    const std::vector<int> computer{652, 653, 654, 788, 792, 796, 800, 804};
    s.computerPoints({computer.begin(), computer.begin() + c.computerPoints});
    for (const int walled : {792, 796, 800, 804}) {
        s.close({walled - 36, walled - 35, walled - 34, walled - 1, walled + 1, walled + 34,
                 walled + 35, walled + 36});
    }
    s.humanPoints(c.humanThree ? std::vector<int>{655, 870, 871, 872}
                               : std::vector<int>{655, 900, 904, 908});
    s.die.setRolls({1});
    s.chooseMove(4);
    EXPECT_EQ(s.placed(), c.played);
}

// clang-format off
constexpr LevelOption kIni = LevelOption::Initiation;
constexpr LevelOption kOne = LevelOption::Level1;
constexpr LevelOption kTwo = LevelOption::Level2;

const GateCase kGateCases[] = {
    // Step 4: only at level setting 2, with eight points, before the human's three is blocked.
    {"Level2_EightPoints_Step4BeforeBlockingThree",   kTwo, 8, true,  651},
    {"Level2_SevenPoints_BlocksThree",                kTwo, 7, true,  873},
    {"Level1_EightPoints_BlocksThree",                kOne, 8, true,  873},
    {"Level0_EightPoints_BlocksThree",                kIni, 8, true,  873},
    // Step 7: at level settings 1 and 2 with six points, before the lone-point extension.
    {"Level1_SixPoints_Step7BeforeExtendingOne",      kOne, 6, false, 651},
    {"Level2_SixPoints_Step7BeforeExtendingOne",      kTwo, 6, false, 651},
    {"Level1_FivePoints_ExtendsOne",                  kOne, 5, false, 753},
    {"Level2_FivePoints_ExtendsOne",                  kTwo, 5, false, 753},
    {"Level0_EightPoints_ExtendsOne",                 kIni, 8, false, 753},
    // Step 9 at every level, once nothing else has played.
    {"Level0_ThreePoints_Step9",                      kIni, 3, false, 651},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(ChooseComputerMove, LevelGates, testing::ValuesIn(kGateCases), CaseName());

// The fallback from the human's newest point h = 652, with the extents set so that probes 9 to
// 12 read 660 + 1 = 661, 649 - 1 = 648, 827 + 35 = 862 and 512 - 35 = 477.
struct ProbeCase {
    const char* name = "";
    std::vector<int> closed{};
    std::vector<int> red{};
    int played = 0;
};

// The eight neighbours of 652 in the order of the probes.
const std::vector<int> kNeighbours{653, 651, 617, 687, 616, 688, 686, 618};

std::vector<int> firstNeighbours(std::size_t n) {
    return {kNeighbours.begin(), kNeighbours.begin() + static_cast<std::ptrdiff_t>(n)};
}

std::vector<int> withNeighbours(std::vector<int> cells) {
    cells.insert(cells.end(), kNeighbours.begin(), kNeighbours.end());
    return cells;
}

void setExtent(Scene& s, int right, int left, int bottom, int top) {
    Extent& e = s.state().extent;
    e.rightIndex = right;
    e.leftIndex = left;
    e.bottomIndex = bottom;
    e.topIndex = top;
}

class Fallback : public testing::TestWithParam<ProbeCase> {};

TEST_P(Fallback, PlaysTheFirstProbeThatHolds) {
    const ProbeCase& c = GetParam();
    Scene s;
    s.humanPoints({652});
    setExtent(s, 660, 649, 827, 512);
    s.close(c.closed);
    s.red(c.red);
    s.chooseMove(1);
    EXPECT_EQ(s.placed(), c.played);
    EXPECT_EQ(s.board().strayReads(), 0);
}

// clang-format off
const ProbeCase kProbeCases[] = {
    {"Probe1_Right",                    {},                           {},                 653},
    {"Probe2_Left",                     firstNeighbours(1),           {},                 651},
    {"Probe3_Above",                    {653},                        {651},              617},
    {"Probe4_Below",                    firstNeighbours(3),           {},                 687},
    {"Probe5_UpLeft",                   firstNeighbours(3),           {687},              616},
    {"Probe6_DownRight",                firstNeighbours(5),           {},                 688},
    {"Probe7_DownLeft",                 firstNeighbours(6),           {},                 686},
    {"Probe8_UpRight",                  firstNeighbours(7),           {},                 618},
    {"Probe9_BeyondRightExtent",        kNeighbours,                  {},                 661},
    {"Probe10_BeyondLeftExtent",        withNeighbours({661}),        {},                 648},
    // Probes 10 to 12 test only that the cell is free: a closed one is proposed, refused, and
    // the turn ends without a point.
    {"Probe10_NotPlayable_EndsTheTurn", withNeighbours({661, 648}),   {},                 0},
    {"Probe11_BelowBottomExtent",       withNeighbours({661}),        {648},              862},
    {"Probe11_NotPlayable_EndsTheTurn", withNeighbours({661, 862}),   {648},              0},
    {"Probe12_AboveTopExtent",          withNeighbours({661}),        {648, 862},         477},
    {"Probe12_NotPlayable_EndsTheTurn", withNeighbours({661, 477}),   {648, 862},         0},
    {"NoProbeHolds",                    withNeighbours({661}),        {648, 862, 477},    0},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(ChooseComputerMove, Fallback, testing::ValuesIn(kProbeCases), CaseName());

TEST(Fallback, DoesNotRunWithoutAHumanPoint) {
    Scene s;
    setExtent(s, 660, 649, 827, 512);
    s.chooseMove(0);
    EXPECT_EQ(s.placed(), 0);
}

// An extent index that still holds its reset value (9000 for the top and left, 0 for the
// bottom and right) is no intersection: the probes from it are skipped and the next is tried.
TEST(Fallback, ProbesFromUnsetExtentsAreSkipped) {
    struct Case {
        int right, left, bottom, top;
        std::vector<int> red;
        int played;
    };
    const Case cases[] = {
        {0, 9000, 0, 9000, {}, 0},  // nothing left to probe
        {660, 9000, 827, 512, {661}, 862},
        // Bottom unset: probe 11 would otherwise propose slot 35 (free, never playable) and
        // end the turn without a point.
        {660, 649, 0, 512, {661, 648}, 477},
        {0, 649, 827, 512, {}, 648},
    };
    for (const Case& c : cases) {
        Scene s;
        s.humanPoints({652});
        s.close(kNeighbours);
        setExtent(s, c.right, c.left, c.bottom, c.top);
        s.red(c.red);
        s.chooseMove(1);
        EXPECT_EQ(s.placed(), c.played)
            << c.right << ' ' << c.left << ' ' << c.bottom << ' ' << c.top;
        EXPECT_EQ(s.board().strayReads(), 0);
    }
}

// A game played wholly right of column 25 never sets the left extent: its reset coordinate,
// 9000 twips, lies left of the click targets of columns 26 and beyond.
TEST(Fallback, LeftExtentUnsetByAGameRightOfColumn25) {
    Scene s;
    s.resize(kLargestOuterSize);
    const int h = 672;  // row 7, column 27
    s.humanPoints({h});
    s.state().extent.update(h);
    ASSERT_EQ(s.state().extent.leftIndex, 9000);
    // Every probe cell holds a point: the neighbours, 673 (right + 1), 707 and 637.
    s.red({673, 671, 637, 707, 636, 708, 706, 638});
    s.chooseMove(1);
    EXPECT_EQ(s.placed(), 0);
    EXPECT_EQ(s.board().strayReads(), 0);
}

// The whole turn, through a click.
TEST(ComputerTurn, FirstClickOnAnEmptySheetIsAnsweredOnItsRight) {
    TestGame t;
    t.game.click(652);
    EXPECT_EQ(t.board().colour(653), PointColour::Red);
    EXPECT_EQ(t.state().computerMoves(1), 653);
    EXPECT_EQ(t.state().computerMoveCount, 1);
}

TEST(ComputerTurn, BlocksAHumanOpenThree) {
    Scene s;
    s.computerPoints({480});
    s.humanPoints({652, 687});
    s.die.setRolls({4});
    s.game.click(722);
    // From 722: green at -1 and -2, roll 4 blocks the far end, -3 = 617.
    EXPECT_EQ(s.placed(), 617);
    EXPECT_FALSE(s.state().computerHasPlayed);
}

}  // namespace
}  // namespace cinq::test
