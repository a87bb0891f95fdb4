// The closed three: each of the fifteen patterns around an anchor, the first match deciding,
// the further condition dropping the anchor, and which entries of the computer's list anchor.
//
// The anchor is x = 652 (row 7, column 7). Cells are x plus the offsets of the patterns:
//   row       -4 648  -3 649  -2 650  -1 651  +1 653  +2 654  +3 655
//   column   -140 512 -105 547 -70 582 -35 617 +35 687 +70 722 +105 757 +140 792
//   diag 36  -144 508 -108 544 -72 580 -36 616 +36 688 +72 724 +108 760 +144 796
//   diag 34  -136 516 -102 550 -68 584 -34 618 +34 686 +68 720 +102 754 +136 788
#include <string>
#include <vector>

#include "scene.h"

namespace cinq::test {
namespace {

// Far from every pattern: points that fill the computer's list up to its third entry.
constexpr int kFiller1 = 480;  // row 2, column 10
constexpr int kFiller2 = 484;  // row 2, column 14

struct PatternCase {
    const char* name = "";
    std::vector<int> red{};  // besides the anchor
    std::vector<int> green{};
    std::vector<int> closed{};
    int played = 0;
};

class Pattern : public testing::TestWithParam<PatternCase> {};

// The anchor is the first entry of the list and the only one searched (humanCount 2).
TEST_P(Pattern, PlaysTheOpenEnd) {
    const PatternCase& c = GetParam();
    Scene s;
    s.computerPoints({652, kFiller1, kFiller2});
    s.red(c.red);
    s.green(c.green);
    s.close(c.closed);
    s.closedThree(2);
    EXPECT_EQ(s.placed(), c.played);
    EXPECT_EQ(s.board().strayReads(), 0);
}

// clang-format off
const PatternCase kPatterns[] = {
    {"P1_Row",                         {653, 654},            {655},       {},      651},
    {"P1_FurtherNotPlayable_Dropped",  {653, 654},            {655},       {650},   0},
    {"P2_Row",                         {651, 650},            {649},       {},      653},
    {"P3_Row",                         {651, 650},            {653},       {},      649},
    {"P3_MinusFourNotPlayable_NoMatch",{651, 650},            {653},       {648},   0},
    {"P4_Column",                      {687, 722},            {757},       {},      617},
    {"P5_Column",                      {687, 722},            {617},       {},      757},
    {"P5_Plus140NotPlayable_NoMatch",  {687, 722},            {617},       {792},   0},
    {"P6_Column",                      {617, 582},            {547},       {},      687},
    {"P7_Column",                      {617, 582},            {687},       {},      547},
    {"P7_Minus140NotPlayable_NoMatch", {617, 582},            {687},       {512},   0},
    {"P8_Diagonal36",                  {688, 724},            {760},       {},      616},
    {"P9_Diagonal36",                  {688, 724},            {616},       {},      760},
    {"P9_FurtherGreen_Dropped",        {688, 724},            {616, 796},  {},      0},
    {"P9_FurtherRed_Plays",            {688, 724, 796},       {616},       {},      760},
    {"P10_Diagonal36",                 {616, 580},            {544},       {},      688},
    {"P11_Diagonal36",                 {616, 580},            {688},       {},      544},
    {"P11_FurtherGreen_Dropped",       {616, 580},            {688, 508},  {},      0},
    {"P12_Diagonal34",                 {686, 720},            {754},       {},      618},
    {"P13_Diagonal34",                 {686, 720},            {618},       {},      754},
    {"P13_SecondFreeTaken_NoMatch",    {686, 720, 788},       {618},       {},      0},
    {"P14_Diagonal34",                 {618, 584},            {550},       {},      686},
    {"P15_Diagonal34",                 {618, 584},            {686},       {},      550},
    {"P15_FurtherNotPlayable_Dropped", {618, 584},            {686},       {516},   0},
    // Points of a finished game, closed, take part in the patterns.
    {"P4_ClosedPointsOfAFinishedGame", {687, 722},            {757},       {687, 722, 757}, 617},
    // Patterns 1 and 4 both match: the first in the table decides.
    {"FirstMatchDecides",              {653, 654, 687, 722},  {655, 757},  {},      651},
    // Pattern 1 matches but its further cell is not playable: the anchor is dropped although
    // pattern 4 would play 617.
    {"FailedFurtherDropsTheAnchor",    {653, 654, 687, 722},  {655, 757},  {650},   0},
    // Pattern 3 does not match (648 not playable): the search goes on to pattern 4.
    {"MatchConditionFails_NextPattern",{651, 650, 687, 722},  {653, 757},  {648},   617},
    // Pattern 1 plays 651, which is closed: refused, and nothing else is tried for the anchor.
    {"PlayedCellNotPlayable_Refused",  {653, 654},            {655},       {651},   0},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(ClosedThree, Pattern, testing::ValuesIn(kPatterns), CaseName());

// The anchors are the list's entries humanCount - 1 down to 1. Here the closed three around
// 652 is made of the computer's newest point and two red points of a finished game.
struct AnchorCase {
    const char* name = "";
    std::vector<int> computerMoves{};
    int humanCount = 0;
    int played = 0;
};

class Anchors : public testing::TestWithParam<AnchorCase> {};

TEST_P(Anchors, ComeFromTheEntriesBelowTheHumanCount) {
    const AnchorCase& c = GetParam();
    Scene s;
    s.red({653, 654});
    s.close({653, 654});
    s.green({655});
    s.computerPoints(c.computerMoves);
    s.closedThree(c.humanCount);
    EXPECT_EQ(s.placed(), c.played);
    EXPECT_EQ(s.board().strayReads(), 0);
}

// clang-format off
const AnchorCase kAnchorCases[] = {
    {"NewestOfFourNotAnAnchorAtHumanCount4", {kFiller1, kFiller2, 796, 652}, 4, 0},
    {"FourthEntryAnchorsAtHumanCount5",      {kFiller1, kFiller2, 796, 652}, 5, 651},
    {"FewerThanThreeComputerPoints",         {kFiller1, 652},                5, 0},
    {"NoAnchorWithOneHumanPoint",            {652, kFiller1, kFiller2},      1, 0},
    // Entries 4 to 7 are empty: they are skipped, and entry 1 still anchors.
    {"EmptyEntriesAreSkipped",               {652, kFiller1, kFiller2},      8, 651},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(ClosedThree, Anchors, testing::ValuesIn(kAnchorCases), CaseName());

// Two closed threes: around 652 pattern 1 plays 651; around 870 (row 13, column 15) pattern 2
// plays 871 (red 869, 868, free 871, 872, green 867).
void layTwoClosedThrees(Scene& s) {
    s.red({653, 654, 869, 868});
    s.green({655, 867});
    s.computerPoints({870, kFiller1, kFiller2, 652});
}

TEST(ClosedThree, NewestAnchorFirst) {
    Scene s;
    layTwoClosedThrees(s);
    s.closedThree(5);
    EXPECT_EQ(s.placed(), 651);
}

TEST(ClosedThree, RefusedCellGoesOnToTheNextAnchor) {
    Scene s;
    layTwoClosedThrees(s);
    s.close({651});
    s.closedThree(5);
    EXPECT_EQ(s.placed(), 871);
}

// An empty entry is never read as an anchor at slot 0. Slot 0 is made red here (it never holds
// a point in play) so that reading from it would go past its first cell and off the slots.
TEST(ClosedThree, EmptyEntryIsNotReadAsSlot0) {
    Scene s;
    s.red({0});
    s.computerPoints({kFiller1, kFiller2, 796});
    s.closedThree(6);
    EXPECT_EQ(s.placed(), 0);
    EXPECT_EQ(s.board().strayReads(), 0);
}

TEST(ClosedThree, DrawsNoRoll) {
    Scene s;
    s.red({653, 654});
    s.green({655});
    s.computerPoints({652, kFiller1, kFiller2});
    s.closedThree(2);
    EXPECT_EQ(s.placed(), 651);
    EXPECT_EQ(s.die.drawn(), 0u);
}

}  // namespace
}  // namespace cinq::test
