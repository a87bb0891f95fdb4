// What the sheet tells a screen reader: the intersection as the user counts it, what stands there,
// and how long the computer's reply is named.
#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <vector>

#include "ui/accessible_texts.h"

namespace cinq::ui {
namespace {

struct WordsCase {
    int row, column;
    const char* words;
};

void PrintTo(const WordsCase& row, std::ostream* out) {
    *out << row.words;
}

class IntersectionWords : public ::testing::TestWithParam<WordsCase> {};

TEST_P(IntersectionWords, CountFromTheSheetsTopLeftIntersection) {
    EXPECT_EQ(intersectionWords(indexOf(GetParam().row, GetParam().column)), GetParam().words);
}

INSTANTIATE_TEST_SUITE_P(
    Corners, IntersectionWords,
    ::testing::Values(WordsCase{2, 2, "ligne 1, colonne 1"},       // top-left of the sheet
                      WordsCase{3, 15, "ligne 2, colonne 14"},     // where the sight starts
                      WordsCase{15, 20, "ligne 14, colonne 19"},   // bottom-right, design size
                      WordsCase{21, 29, "ligne 20, colonne 28"}),  // bottom-right, largest
    [](const auto& row) {
        return "Row" + std::to_string(row.param.row) + "Column" + std::to_string(row.param.column);
    });

// A board as one case needs it, and the state an intersection on it reads.
struct StateCase {
    const char* name;
    std::function<void(Board&)> build;
    const char* state;
};

void PrintTo(const StateCase& row, std::ostream* out) {
    *out << row.state;
}

constexpr int kCell = indexOf(5, 7);

class IntersectionState : public ::testing::TestWithParam<StateCase> {};

TEST_P(IntersectionState, NamesWhatStandsThere) {
    Board board;
    board.applySheetRectangle(15, 20);
    GetParam().build(board);
    EXPECT_EQ(intersectionState(board, kCell), GetParam().state);
}

INSTANTIATE_TEST_SUITE_P(
    States, IntersectionState,
    ::testing::Values(
        StateCase{"Free", [](Board&) {}, "libre"},
        StateCase{"Green", [](Board& b) { b.placePoint(kCell, PointColour::Green); }, "point vert"},
        StateCase{"Red", [](Board& b) { b.placePoint(kCell, PointColour::Red); }, "point rouge"},
        StateCase{"ClosedEmpty", [](Board& b) { b.close(kCell); }, "fermée"},
        StateCase{"ClosedOnAPoint",
                  [](Board& b) {
                      b.placePoint(kCell, PointColour::Red);
                      b.close(kCell);
                  },
                  "point rouge, fermée"},
        // A closed intersection stays closed when a smaller window puts it off the sheet.
        StateCase{"ClosedThenCutOff",
                  [](Board& b) {
                      b.close(kCell);
                      b.applySheetRectangle(4, 20);
                  },
                  "fermée"},
        StateCase{"CutOffWithItsPoint",
                  [](Board& b) {
                      b.placePoint(kCell, PointColour::Green);
                      b.applySheetRectangle(4, 20);
                  },
                  "hors de la feuille"}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(SheetDescription, NamesTheSightThenTheComputersReply) {
    Board board;
    board.placePoint(indexOf(3, 15), PointColour::Green);
    board.placePoint(indexOf(4, 16), PointColour::Red);
    EXPECT_EQ(sheetDescription(board, indexOf(3, 15)), "Viseur ligne 2, colonne 14 : point vert.");
    EXPECT_EQ(sheetDescription(board, indexOf(3, 15), indexOf(4, 16)),
              "Viseur ligne 2, colonne 14 : point vert. L'ordinateur a joué ligne 3, colonne 15.");
}

// One event after another: the computer may play during it, then the sheet is described with the
// sight where it stands. `named` says whether the description names the computer's point.
struct Step {
    int computerPlays;  // -1: no computer point in this event
    int sight;
    bool named;
    bool clearSheet = false;
};
struct NarrationCase {
    const char* name;
    std::vector<Step> steps;
};

void PrintTo(const NarrationCase& row, std::ostream* out) {
    *out << row.steps.size() << " events";
}

class Narration : public ::testing::TestWithParam<NarrationCase> {};

TEST_P(Narration, NamesTheReplyUntilTheSightMovesOrThePointIsGone) {
    Board board;
    SheetNarration narration;
    int step = 0;
    for (const Step& s : GetParam().steps) {
        SCOPED_TRACE(step++);
        if (s.clearSheet) {
            board.clear();
        }
        if (s.computerPlays >= 0) {
            board.placePoint(s.computerPlays, PointColour::Red);
            narration.computerPlayed(s.computerPlays);
        }
        const std::string text = narration.describe(board, s.sight);
        EXPECT_EQ(text.find("L'ordinateur a joué") != std::string::npos, s.named) << text;
    }
}

constexpr int kSight = indexOf(3, 15);
constexpr int kReply = indexOf(4, 16);
constexpr int kLater = indexOf(6, 9);

INSTANTIATE_TEST_SUITE_P(
    Events, Narration,
    ::testing::Values(
        NarrationCase{"NothingPlayedYet", {{-1, kSight, false}}},
        NarrationCase{"ReplyNamedAtOnce", {{kReply, kSight, true}}},
        // Described again within the same event (before a message box) and at its end.
        NarrationCase{"ReplyKeptWhileTheSightStays",
                      {{kReply, kSight, true}, {-1, kSight, true}, {-1, kSight, true}}},
        NarrationCase{"ReplyDroppedWhenTheSightMoves",
                      {{kReply, kSight, true}, {-1, kSight + 1, false}, {-1, kSight, false}}},
        NarrationCase{
            "NewReplyAfterTheSightMoved",
            {{kReply, kSight, true}, {-1, kSight + 1, false}, {kLater, kSight + 1, true}}},
        NarrationCase{"ReplyDroppedWithTheSheet",
                      {{kReply, kSight, true}, {-1, kSight, false, true}}},
        // The first description has no sight before it: the sight has not moved.
        NarrationCase{"FirstDescriptionAfterAReply", {{kReply, kLater, true}}}),
    [](const auto& row) { return std::string(row.param.name); });

// A hint is told, counted as the sight is, while the sight stays on it and it is free; then the
// sight's own description comes back.
TEST(HintNarration, ToldUntilTheSightMovesOrTheIntersectionIsPlayed) {
    Board board;
    SheetNarration narration;
    const int hint = indexOf(5, 10);
    EXPECT_EQ(hintDescription(hint), "Conseil : ligne 4, colonne 9.");
    narration.hinted(hint);
    EXPECT_EQ(narration.describe(board, hint), "Conseil : ligne 4, colonne 9.");
    EXPECT_EQ(narration.describe(board, hint), "Conseil : ligne 4, colonne 9.");
    board.placePoint(hint, PointColour::Green);
    EXPECT_EQ(narration.describe(board, hint), "Viseur ligne 4, colonne 9 : point vert.");
    narration.hinted(hint + 1);
    EXPECT_EQ(narration.describe(board, hint + 1), "Conseil : ligne 4, colonne 10.");
    EXPECT_EQ(narration.describe(board, hint + 2), "Viseur ligne 4, colonne 11 : libre.");
}

// Names come from the players: "de" is elided before a vowel, as a French reader expects.
TEST(PlayerNames, DeIsElidedBeforeAVowel) {
    EXPECT_EQ(turnName(PointColour::Green, "Joueur 1", "Ordinateur"), "Au tour de Joueur 1 (vert)");
    EXPECT_EQ(turnName(PointColour::Red, "Joueur 1", "Ordinateur"), "Au tour d'Ordinateur (rouge)");
    EXPECT_EQ(stripName(PointColour::Red, "Élodie"), "Couleur d'Élodie : rouge");
    EXPECT_EQ(stripName(PointColour::Green, "Bruno"), "Couleur de Bruno : vert");
}

}  // namespace
}  // namespace cinq::ui
