#include "board/board.h"

#include <algorithm>

namespace cinq {

namespace {

// Height bands of the resize rule: up to `maxHeight`, the sheet ends at `lastRow`.
struct RowBand {
    int maxHeight;
    int lastRow;
};
constexpr std::array<RowBand, 7> kRowBands{{
    {6539, kLastSheetRow},  // no height cut below the design size
    {6899, 15},
    {7259, 16},
    {7619, 17},
    {7979, 18},
    {8339, 19},
    {8699, 20},
}};

// Width bands of the resize rule, both ends included; a width between two bands or below the
// first one keeps the last column of the previous resize.
struct ColumnBand {
    int minWidth, maxWidth, lastColumn;
};
constexpr std::array<ColumnBand, 10> kColumnBands{{
    {8730, 9075, 20},
    {9085, 9435, 21},
    {9445, 9795, 22},
    {9805, 10155, 23},
    {10165, 10515, 24},
    {10525, 10875, 25},
    {10895, 11235, 26},
    {11245, 11595, 27},
    {11605, 11945, 28},
    {11955, 1 << 30, kLastSheetColumn},
}};

const Slot kOffSheet{false, false, false, PointColour::Neutral};

}  // namespace

const Slot& Board::strayRead() const {
    ++strayReads_;
    return kOffSheet;
}

void Board::placePoint(int i, PointColour c) {
    if (isSlot(i)) {
        Slot& s = slots_[static_cast<std::size_t>(i)];
        s.colour = c;
        s.hasPoint = true;
    }
}

void Board::removePoint(int i) {
    if (isSlot(i)) {
        Slot& s = slots_[static_cast<std::size_t>(i)];
        s.colour = PointColour::Neutral;
        s.hasPoint = false;
    }
}

void Board::close(int i) {
    if (isSlot(i)) {
        Slot& s = slots_[static_cast<std::size_t>(i)];
        s.playable = false;
        s.closed = true;
    }
}

void Board::clear() {
    slots_.fill(Slot{});
}

void Board::build() {
    clear();
    // The edge band: seven slots from column 30 of each row to column 1 of the next.
    for (int s = indexOf(kFirstSheetRow, kFirstEdgeColumn); s <= 1514; s += kColumns) {
        for (int i = s; i <= s + 6 && i < kSlotCount; ++i) {
            slots_[static_cast<std::size_t>(i)].playable = false;
        }
    }
}

void Board::applySheetRectangle(int lastRow, int lastColumn) {
    for (int i = 0; i < kSlotCount; ++i) {
        Slot& s = slots_[static_cast<std::size_t>(i)];
        bool onSheet = isGridSlot(i);
        if (onSheet) {
            const int row = rowOf(i);
            const int column = columnOf(i);
            onSheet = row >= kFirstSheetRow && row <= lastRow && column >= kFirstSheetColumn &&
                      column <= lastColumn && column < kFirstEdgeColumn;
        }
        s.playable = onSheet && !s.closed;
    }
}

int Board::lastRowFor(int outerHeight) {
    for (const RowBand& band : kRowBands) {
        if (outerHeight <= band.maxHeight) {
            return band.lastRow;
        }
    }
    return kLastSheetRow;
}

std::optional<int> Board::lastColumnFor(int outerWidth) {
    for (const ColumnBand& band : kColumnBands) {
        if (outerWidth >= band.minWidth && outerWidth <= band.maxWidth) {
            return band.lastColumn;
        }
    }
    return std::nullopt;
}

bool Board::endsABand(int column) {
    return std::ranges::any_of(
        kColumnBands, [column](const ColumnBand& band) { return band.lastColumn == column; });
}

}  // namespace cinq
