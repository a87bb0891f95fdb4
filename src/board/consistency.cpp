#include "board/consistency.h"

#include <algorithm>

namespace cinq {

namespace {

constexpr std::size_t kMostFaults = 12;

const char* colourName(PointColour c) {
    return c == PointColour::Green ? "green" : c == PointColour::Red ? "red" : "neutral";
}

bool inExtent(const Extent& e, int cell) {
    return targetTop(cell) >= e.top && targetTop(cell) <= e.bottom && targetLeft(cell) >= e.left &&
           targetLeft(cell) <= e.right;
}

class Checker {
public:
    Checker(const Board& board, const GameState& state) : board_(board), state_(state) {}

    ConsistencyReport run() {
        checkSlots();
        checkSheetRectangle();
        checkMoveLists();
        checkDrawing();
        checkFields();
        checkPlayedTurns();
        return std::move(report_);
    }

private:
    void expect(bool condition, const std::string& fault) {
        ++report_.checks;
        if (!condition && report_.faults.size() < kMostFaults) {
            report_.faults.push_back(fault);
        }
    }
    // A test that only counts; its failures are reported through expect(false, …).
    void count() { ++report_.checks; }

    void checkSlots();
    void checkSheetRectangle();
    void checkMoveLists();
    std::vector<int> checkList(const MoveList& list, PointColour colour, const char* name);
    void checkDrawing();
    void checkFields();
    void checkPlayedTurns();

    const Board& board_;
    const GameState& state_;
    ConsistencyReport report_;
};

void Checker::checkSlots() {
    for (int i = 0; i < kSlotCount; ++i) {
        const Slot& s = board_.at(i);
        // Four tests per slot, counted as one: the slot is in one of the states that occur.
        count();
        if (s.playable && s.closed) {
            expect(false, slotText(i) + " is closed and playable");
        }
        if (!s.hasPoint && s.colour != PointColour::Neutral) {
            expect(false, slotText(i) + " has no point but the colour " + colourName(s.colour));
        }
        if (s.hasPoint && s.colour == PointColour::Neutral) {
            expect(false, slotText(i) + " shows a point of the neutral colour");
        }
        if ((s.hasPoint || s.closed || s.playable) && !inLargestSheet(i)) {
            expect(false, slotText(i) +
                              " is outside the largest sheet but holds a point, is "
                              "closed or is playable");
        }
    }
}

void Checker::checkSheetRectangle() {
    // The sheet is rows 2 to R and columns 2 to the last column: every slot in it that is not
    // closed is playable, every other slot is not. R is not kept by the game; the lowest row
    // with a playable slot stands for it (rows below it, if any, are closed throughout).
    const int lastColumn = state_.lastColumn;
    int lastRow = -1;
    for (int i = kFirstGridSlot; i < kSlotCount; ++i) {
        if (board_.isPlayable(i)) {
            lastRow = std::max(lastRow, rowOf(i));
        }
    }
    if (lastRow < 0) {
        return;
    }
    expect(lastRow <= kLastSheetRow, "the sheet reaches row " + std::to_string(lastRow));
    for (int i = 0; i < kSlotCount; ++i) {
        if (board_.isClosed(i)) {
            continue;
        }
        const bool inSheet = isGridSlot(i) && rowOf(i) >= kFirstSheetRow && rowOf(i) <= lastRow &&
                             columnOf(i) >= kFirstSheetColumn && columnOf(i) <= lastColumn;
        count();
        if (board_.isPlayable(i) != inSheet) {
            expect(false, slotText(i) +
                              (inSheet ? " lies on the sheet but is not playable"
                                       : " lies off the sheet but is playable") +
                              " (sheet: rows 2-" + std::to_string(lastRow) + ", columns 2-" +
                              std::to_string(lastColumn) + ")");
        }
    }
}

std::vector<int> Checker::checkList(const MoveList& list, PointColour colour, const char* name) {
    std::vector<int> cells = list.entries();
    for (int k = static_cast<int>(cells.size()) + 1; k <= MoveList::kCapacity; ++k) {
        if (list(k) != 0) {
            expect(false,
                   std::string(name) + " holds entry " + std::to_string(k) + " after its end");
            break;
        }
    }
    for (const int cell : cells) {
        count();
        if (!isSlot(cell) || !board_.hasPoint(cell) || board_.colour(cell) != colour) {
            expect(false, std::string(name) + " lists " + std::to_string(cell) +
                              ", which is not a " + colourName(colour) + " point");
            continue;
        }
        // A listed point that is not closed belongs to the game under way, whose extent it
        // widened.
        if (!board_.isClosed(cell)) {
            expect(inExtent(state_.extent, cell),
                   std::string(name) + " lists " + slotText(cell) + ", outside the game's extent");
        }
    }
    return cells;
}

void Checker::checkMoveLists() {
    std::vector<int> human = checkList(state_.humanMoves, PointColour::Green, "HumanMoves");
    const std::vector<int> computer =
        checkList(state_.computerMoves, PointColour::Red, "ComputerMoves");
    expect(state_.computerMoveCount == static_cast<int>(computer.size()),
           "ComputerMoveCount is " + std::to_string(state_.computerMoveCount) +
               " but ComputerMoves holds " + std::to_string(computer.size()) + " entries");
    expect(state_.noComputerPointYet == computer.empty(),
           "NoComputerPointYet disagrees with ComputerMoves " + cellsText(computer));
    if (!computer.empty()) {
        expect(state_.lastComputerPoint == computer.back(),
               "LastComputerPoint " + std::to_string(state_.lastComputerPoint) +
                   " is not the last entry of ComputerMoves " + cellsText(computer));
    }
    human.insert(human.end(), computer.begin(), computer.end());
    std::sort(human.begin(), human.end());
    expect(std::adjacent_find(human.begin(), human.end()) == human.end(),
           "an intersection is listed twice in the move lists");
}

void Checker::checkDrawing() {
    // Each game closed by five in a row draws its winning line (black), then its frame in the
    // winner's colour; both stay until a new sheet, which also opens every closed slot.
    const std::vector<Shape>& drawing = state_.drawing;
    expect(drawing.size() % 2 == 0, "the drawing holds an odd number of shapes");
    for (std::size_t k = 0; k + 1 < drawing.size(); k += 2) {
        const Shape& line = drawing[k];
        const Shape& frame = drawing[k + 1];
        expect(line.kind == Shape::Kind::Line && line.colour == kPaletteBlack &&
                   frame.kind == Shape::Kind::Rectangle &&
                   (frame.colour == kPaletteDarkGreen || frame.colour == kPaletteRed) &&
                   frame.x1 < frame.x2 && frame.y1 < frame.y2,
               "shapes " + std::to_string(k) + " and " + std::to_string(k + 1) +
                   " are not a winning line and a frame");
    }
    bool anyClosed = false;
    for (int i = kFirstGridSlot; i < kSlotCount && !anyClosed; ++i) {
        anyClosed = board_.isClosed(i);
    }
    expect(anyClosed == !drawing.empty(),
           anyClosed ? "closed slots but no frame drawn" : "frames drawn but no closed slot");
}

void Checker::checkFields() {
    const GameState& s = state_;
    expect(
        s.winnerColour == 0 || s.winnerColour == kPaletteDarkGreen || s.winnerColour == kPaletteRed,
        "winner colour " + std::to_string(s.winnerColour));
    expect(inLargestSheet(s.sightIndex),
           "the sight stands on " + slotText(s.sightIndex) + ", outside the largest sheet");
    expect(Board::endsABand(s.lastColumn), "last column " + std::to_string(s.lastColumn));
    expect(s.turn != PointColour::Neutral, "the turn disc is neutral");
    expect(s.status == (s.turn == PointColour::Green ? s.turnCaption1 : s.turnCaption2),
           std::string("the status does not name the player to move (") + colourName(s.turn) + ")");
}

// What can be taken back is points of the game in progress, each still on the sheet, open, in
// the list it was entered in, and each taken back once.
void Checker::checkPlayedTurns() {
    const GameState& s = state_;
    expect(s.hoverIndex == -1 || inLargestSheet(s.hoverIndex),
           "the hover disc stands on " + slotText(s.hoverIndex) + ", outside the largest sheet");
    std::vector<int> seen;
    for (const PlayedTurn& turn : s.playedTurns) {
        expect(!turn.points.empty(), "a move to take back placed no point");
        for (const PlayedPoint& p : turn.points) {
            const std::string where = "the point to take back at " + slotText(p.cell);
            expect(board_.hasPoint(p.cell) && !board_.isClosed(p.cell), where + " is not open");
            expect(std::find(seen.begin(), seen.end(), p.cell) == seen.end(),
                   where + " is recorded twice");
            seen.push_back(p.cell);
            expect(p.humanEntry == 0 || (s.humanMoves(p.humanEntry) == p.cell &&
                                         board_.colour(p.cell) == PointColour::Green),
                   where + " is not entry " + std::to_string(p.humanEntry) + " of HumanMoves");
            expect(
                p.computerEntry == 0 || (s.computerMoves(p.computerEntry) == p.cell &&
                                         board_.colour(p.cell) == PointColour::Red),
                where + " is not entry " + std::to_string(p.computerEntry) + " of ComputerMoves");
        }
    }
}

}  // namespace

ConsistencyReport checkConsistency(const Board& board, const GameState& state) {
    return Checker(board, state).run();
}

std::string slotText(int i) {
    return "slot " + std::to_string(i) + " (row " + std::to_string(rowOf(i)) + ", column " +
           std::to_string(columnOf(i)) + ")";
}

std::string cellsText(const std::vector<int>& cells) {
    std::string out = "[";
    for (const int c : cells) {
        if (out.size() > 1) {
            out += ' ';
        }
        out += std::to_string(c);
    }
    return out + "]";
}

}  // namespace cinq
